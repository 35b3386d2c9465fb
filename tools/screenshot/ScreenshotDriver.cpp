// Starts the real main window, fills the station page with typed keys and saves a picture of
// the window: scripts/screenshot.sh runs it under Xvfb for the README.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "country/CTY.h"
#include "ui/Clock.h"
#include "ui/Fonts.h"
#include "ui/Prompts.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

namespace {

void Type(QWidget* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// Picks the entry with the arrow keys, as the user would.
void Choose(QComboBox* list, int entry) {
    list->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    for (int i = 0; i <= entry; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s picture.png\n", argv[0]);
        return 2;
    }
    kerolt::CountryTable countryTable = kerolt::LoadCountryTable();
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kerolt.png")));
    kerolt::RegisterFontSubstitutes();
    kerolt::QtPrompts prompts;
    kerolt::SystemClock clock;
    kerolt::TForm1 form1(countryTable, prompts, clock);
    form1.show();
    if (!QTest::qWaitForWindowActive(&form1))
        form1.activateWindow();

    Type(form1.CallEdit, QStringLiteral("sm5qqq"));
    QTest::keyClick(form1.CallEdit, Qt::Key_Return);
    Choose(form1.ContestBox, 0);
    Type(form1.OperatorsEdit, QStringLiteral("sm5qqq"));
    Type(form1.NameEdit, QStringLiteral("Anna Svensson"));
    Type(form1.AdrEdit1, QStringLiteral("Storgatan 12"));
    Type(form1.AdrEdit2, QStringLiteral("123 45 Vallentuna"));
    Type(form1.AdrEdit3, QStringLiteral("Sweden"));
    Type(form1.EmailEdit, QStringLiteral("sm5qqq@example.se"));
    Type(form1.ClubEdit, QStringLiteral("Vallentuna Radio Club"));
    Choose(form1.AssistedComboBox, 0);
    Choose(form1.BandComboBox, 0);
    Choose(form1.OperatorComboBox, 0);
    Choose(form1.PowerComboBox, 1);
    Type(form1.Memo1, QStringLiteral("IC-7300, 100 W, dipole at 12 m."));
    QTest::keyClick(form1.Memo1, Qt::Key_Return);
    QTest::keyClicks(form1.Memo1, QStringLiteral("Thanks for the QSOs!"));
    form1.Memo1->moveCursor(QTextCursor::Start);
    // The caret at the end of the callsign, as after a click into the field.
    form1.CallEdit->setFocus(Qt::MouseFocusReason);
    form1.CallEdit->deselect();
    form1.CallEdit->end(false);
    QTest::qWait(200);

    const QPixmap picture = form1.grab();
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %dx%d\n", argv[1], picture.width(), picture.height());

    // With a folder as second argument: the other windows too, for a look at their layout.
    if (argc > 2) {
        const QString folder = QString::fromLocal8Bit(argv[2]);
        kerolt::TAboutBox aboutBox;
        kerolt::TForm3 form3;
        form1.SetSecondaryWindows(&aboutBox, &form3);
        form1.PageControl1->setCurrentIndex(kerolt::LogInputPage);
        QTest::qWait(100);
        form1.grab().save(folder + QStringLiteral("/log-page.png"));
        form1.About1->trigger();
        form1.HowTo1->trigger();
        QTest::qWait(200);
        aboutBox.grab().save(folder + QStringLiteral("/about.png"));
        form3.grab().save(folder + QStringLiteral("/help.png"));
    }
    return 0;
}
