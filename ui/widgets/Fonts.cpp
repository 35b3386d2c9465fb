#include "ui/widgets/Fonts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

namespace kerolt {

void RegisterFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Terminal"), {QStringLiteral("Liberation Mono"),
                                                            QStringLiteral("DejaVu Sans Mono")});
}

QFont PixelFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont TerminalFont() {
    QFont font = PixelFont(QStringLiteral("Terminal"), 11);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

void FitLabelFont(QLabel* label, int largest, int smallest) {
    QFont font = label->font();
    const QRect room = label->contentsRect();
    for (int size = largest; size >= smallest; --size) {
        font.setPixelSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(
            room, Qt::TextWordWrap | static_cast<int>(label->alignment()), label->text());
        if (needed.width() <= room.width() && needed.height() <= room.height())
            break;
    }
    label->setFont(font);
}

}  // namespace kerolt
