#pragma once

// A core text of several lines in the window's language, line by line.

#include <QString>
#include <QStringList>

#include "common/MessageLines.h"
#include "ui/support/CoreText.h"

namespace kerolt {

inline QString TranslateLines(const MessageLines& lines) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const Message& line : lines) text << Translate(line);
    return text.join(QLatin1Char('\n'));
}

}  // namespace kerolt
