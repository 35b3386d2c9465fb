#include "ui/windows/Unit2.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "common/Version.h"
#include "ui/widgets/Fonts.h"

namespace kerolt {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(PixelFont(QStringLiteral("Arial"), 12));
    setFixedSize(298, 195);
    setModal(false);
    // A visible About box never keeps the program running after the main window closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 281, 145);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(1);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/kerolt.png")));
    ProgramIcon->setScaledContents(true);

    ProductName = new QLabel(tr("Manual Cabrillo log input for SAC"), Panel1);
    ProductName->setGeometry(80, 14, 196, 18);
    ProductName->setFont(PixelFont(QStringLiteral("Arial"), 12, true));
    Version = new QLabel(tr("Version - %1  2011-09-16").arg(QLatin1String(ProgramVersion)), Panel1);
    Version->setGeometry(80, 40, 196, 16);
    Copyright = new QLabel(tr("Kerolt developers"), Panel1);
    Copyright->setGeometry(8, 80, 265, 16);
    Comments = new QLabel(tr("To make SAC easy"), Panel1);
    Comments->setWordWrap(true);
    Comments->setGeometry(8, 104, 185, 13);
    Comments->setFixedSize(185, 13);
    Comments->setFont(PixelFont(QStringLiteral("Arial"), 11));

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setGeometry((298 - 75) / 2, 162, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::OKButtonClick() {
    hide();
}

}  // namespace kerolt
