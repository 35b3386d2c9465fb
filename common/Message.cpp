#include "common/Message.h"

namespace kerolt {

std::string Message::English() const {
    if (!isTemplate_) return value_;
    std::vector<std::string> values;
    values.reserve(args_.size());
    for (const Message& arg : args_) values.push_back(arg.English());
    return FillTemplate(template_.Source, values);
}

std::string FillTemplate(std::string_view pattern, const std::vector<std::string>& values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (k < values.size()) {
                text += values[k];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

}  // namespace kerolt
