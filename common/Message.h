#pragma once

// A message the core gives to the window: a template with %1, %2, ... and the values that fill
// it. The window translates the template before it fills in the values; the command line and
// the files take the English text.

#include <string>
#include <string_view>
#include <vector>

namespace kerolt {

struct TextTemplate {
    const char* Context = "";
    const char* Source = "";
};

}  // namespace kerolt

// Marks a template where it is written. lupdate reads KT as QT_TRANSLATE_NOOP (see
// -tr-function-alias in the build); the core itself sees a context and an English text.
#define KT(context, text) (::kerolt::TextTemplate{context, text})

namespace kerolt {

class Message {
  public:
    Message() = default;
    // A value as written (a call, a number, a file name): never translated.
    Message(std::string value) : value_(std::move(value)) {}  // NOLINT: implicit on purpose
    Message(const char* value) : value_(value) {}             // NOLINT: implicit on purpose
    Message(TextTemplate text, std::vector<Message> args = {})
        : template_(text), args_(std::move(args)), isTemplate_(true) {}

    bool IsTemplate() const { return isTemplate_; }
    const TextTemplate& Template() const { return template_; }
    const std::vector<Message>& Args() const { return args_; }
    // The value of a message that is no template.
    const std::string& Value() const { return value_; }
    bool Empty() const { return !isTemplate_ && value_.empty(); }

    // The English text, every argument filled in (arguments that are templates too).
    std::string English() const;

  private:
    TextTemplate template_;
    std::vector<Message> args_;
    std::string value_;
    bool isTemplate_ = false;
};

// %1 to %9 replaced by values[0] to values[8] in one pass, so that a value holding "%2" stays
// as it is; a marker without a value stays too.
std::string FillTemplate(std::string_view pattern, const std::vector<std::string>& values);

}  // namespace kerolt
