#pragma once

// Small predicates on key and focus events that several pages share.

#include <QFocusEvent>
#include <QKeyEvent>

namespace kerolt {

// Enter or Return without Ctrl or Alt.
inline bool IsEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// Leaving a field for another control of the window; a switch to another window, a menu
// or a pop-up only parks the focus and is no exit.
inline bool IsExit(const QFocusEvent* focus) {
    const Qt::FocusReason reason = focus->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

}  // namespace kerolt
