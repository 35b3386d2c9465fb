#pragma once

// The one boundary between an event handler and Qt's event loop: an error raised inside the
// handler ends the handling of that event, is shown in a message box, and goes no further.
// What the handler did before the error stays done.

#include <exception>
#include <utility>

#include "common/KeroltError.h"
#include "ui/support/CoreText.h"
#include "ui/support/Prompts.h"

namespace kerolt {

template <typename Fn>
void Guarded(Prompts& prompts, Fn&& fn) noexcept {
    try {
        std::forward<Fn>(fn)();
    } catch (const KeroltError& e) {
        prompts.ShowError(Translate(e.Text()));
    } catch (const std::exception& e) {
        prompts.ShowError(ToUi(e.what()));
    } catch (...) {
        prompts.ShowError(QCoreApplication::translate("Files", "Unknown error"));
    }
}

}  // namespace kerolt
