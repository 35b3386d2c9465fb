#include "ui/windows/Unit3.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/support/EventHook.h"
#include "ui/widgets/Fonts.h"
#include "ui/windows/HelpText.h"

namespace kerolt {

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Help"));
    // Outer size 631 x 291: the frame's borders and title bar take their share.
    resize(623, 257);
    move(341, 129);
    setAttribute(Qt::WA_QuitOnClose, false);

    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 13));
    Memo1->setPlainText(HelpText());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);

    // A click is a press and release of the left button inside the text, not on its scroll bar.
    EventHook::Install(Memo1->viewport(), QEvent::MouseButtonRelease, [this](QEvent* event) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            Memo1Click();
        return false;
    });
}

void TForm3::Memo1Click() {
    hide();
}

}  // namespace kerolt
