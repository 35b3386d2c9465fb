#pragma once

// The core works on 8-bit Latin-1 text; these are the only conversions to and from Qt.

#include <QFile>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace kerolt {

inline std::string ToCore(const QString& text) {
    return text.toLatin1().toStdString();
}

inline QString ToUi(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline QStringList ToUi(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) list << ToUi(line);
    return list;
}

inline std::vector<std::string> ToCore(const QStringList& list) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list.size()));
    for (const QString& text : list) lines.push_back(ToCore(text));
    return lines;
}

// A file name as the operating system takes it, whatever the characters of the path.
inline std::string NativeName(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace kerolt
