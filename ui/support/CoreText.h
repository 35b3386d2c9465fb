#pragma once

// The core works on 8-bit Latin-1 text; these are the only conversions to and from Qt.

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

#include "common/Message.h"

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

// A core message in the window's language: its template translated first, then filled in one
// pass with its values (themselves translated when they are templates).
inline QString Translate(const Message& message) {
    if (!message.IsTemplate()) return ToUi(message.Value());
    const QString pattern = QCoreApplication::translate(message.Template().Context,
                                                        message.Template().Source);
    QString text;
    text.reserve(pattern.size());
    const std::vector<Message>& args = message.Args();
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'%' && i + 1 < pattern.size() && pattern[i + 1] >= u'1' && pattern[i + 1] <= u'9') {
            const auto k = static_cast<std::size_t>(pattern[i + 1].unicode() - u'1');
            if (k < args.size()) {
                text += Translate(args[k]);
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

// A file name as the operating system takes it, whatever the characters of the path.
inline std::string NativeName(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace kerolt
