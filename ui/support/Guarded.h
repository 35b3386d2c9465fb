#pragma once

// The one boundary between an event handler and Qt's event loop: an error raised inside the
// handler ends the handling of that event, is shown in a message box, and goes no further.
// What the handler did before the error stays done.

#include <exception>
#include <utility>

#include "ui/support/CoreText.h"
#include "ui/support/Prompts.h"

namespace kerolt {

template <typename Fn>
void Guarded(Prompts& prompts, Fn&& fn) noexcept {
    try {
        std::forward<Fn>(fn)();
    } catch (const std::exception& e) {
        prompts.ShowError(ToUi(e.what()));
    } catch (...) {
        prompts.ShowError(QStringLiteral("Unknown error"));
    }
}

}  // namespace kerolt
