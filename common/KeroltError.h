#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "common/Message.h"

namespace kerolt {

// The one error the core raises: a failed conversion or file operation, carrying the message
// that the window shows in a message box.
// what() is the English text; the window shows Text() translated.
class KeroltError : public std::runtime_error {
  public:
    explicit KeroltError(const Message& message)
        : std::runtime_error(message.English()), message_(message) {}
    const Message& Text() const { return message_; }

  private:
    Message message_;
};

// "'%s' is not a valid integer value"
[[noreturn]] void ThrowNotAnInteger(std::string_view text);
// "Cannot open file %s"
[[noreturn]] void ThrowCannotOpen(std::string_view fileName);
// "Cannot create file %s"
[[noreturn]] void ThrowCannotCreate(std::string_view fileName);

}  // namespace kerolt
