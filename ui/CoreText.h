#pragma once

// The core works on 8-bit Latin-1 text; these are the only conversions to and from Qt.

#include <QString>
#include <string>
#include <string_view>

namespace kerolt {

inline std::string ToCore(const QString& text) {
    return text.toLatin1().toStdString();
}

inline QString ToUi(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kerolt
