#pragma once

// A text of several lines, each its own message: a translator gets whole lines, never a list
// glued into one template. An empty message is an empty line.

#include <string>
#include <vector>

#include "common/Message.h"

namespace kerolt {

using MessageLines = std::vector<Message>;

inline std::string EnglishLines(const MessageLines& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += lines[i].English();
    }
    return text;
}

}  // namespace kerolt
