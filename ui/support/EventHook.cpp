#include "ui/support/EventHook.h"

namespace kerolt {

EventHook::EventHook(QObject* target, QEvent::Type type, Handler handler)
    : QObject(target), type_(type), handler_(std::move(handler)) {
    target->installEventFilter(this);
}

EventHook* EventHook::Install(QObject* target, QEvent::Type type, Handler handler) {
    return new EventHook(target, type, std::move(handler));
}

bool EventHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == type_ && watched == parent())
        return handler_(event);
    return QObject::eventFilter(watched, event);
}

}  // namespace kerolt
