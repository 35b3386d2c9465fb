#pragma once

#include <string>
#include <string_view>

namespace kerolt::test {

// An entity line in the real layout: name up to ":", continent in columns 37-38, primary
// prefix from column 70 to the closing ":".
inline std::string EntityLine(std::string_view name, std::string_view continent,
                              std::string_view primaryPrefix) {
    std::string line = std::string(name) + ":";
    line.resize(26, ' ');
    return line + "15:  28:  " + std::string(continent) +
           ":   41.90:   -12.43:    -1.0:  " + std::string(primaryPrefix) + ":";
}

}  // namespace kerolt::test
