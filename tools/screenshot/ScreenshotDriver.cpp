// Starts the real main window, fills the station page and logs a few QSOs with typed keys, and
// saves pictures of the pages and of the results window: scripts/screenshot.sh runs it under
// Xvfb for the README.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "calls/CallList.h"
#include "country/CTY.h"
#include "ui/support/Clock.h"
#include "ui/widgets/Fonts.h"
#include "ui/features/callentry/PartialCalls.h"
#include "ui/support/Prompts.h"
#include "ui/features/results/ResultsWindow.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/support/Language.h"
#include "ui/windows/Unit2.h"
#include "ui/windows/Unit3.h"

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

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void ClickTab(kerolt::TForm1& form, int page) {
    QTabBar* bar = form.PageControl1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    QApplication::processEvents();
}

// One QSO as the operator types it: Alt+B to the band, the time, the call, Enter, the
// number, Enter.
void LogQso(kerolt::TForm1& form, const QString& band, const QString& time, const QString& call,
            const QString& nr) {
    for (int i = 0; i < 6 && form.FrekvensEdit->currentText() != band; ++i)
        Key(Qt::Key_B, Qt::AltModifier);
    Type(form.TimeEdit, time);
    Type(form.CallWkdInput, call);
    Key(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), nr);
    Key(Qt::Key_Return);
}

bool Save(QWidget& window, const QString& file) {
    QTest::qWait(100);
    const QPixmap picture = window.grab();
    if (!picture.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s: %dx%d\n", qPrintable(file), picture.width(), picture.height());
    return true;
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
    // The desktop's language only: the pictures must not follow a user's saved choice.
    kerolt::InstallLanguage(kerolt::DesktopLanguage());
    kerolt::QtPrompts prompts;
    kerolt::SystemClock clock;
    kerolt::TForm1 form1(countryTable, prompts, clock);
    form1.Partials().SetCallList(kerolt::LoadCallList(kerolt::FindCallListFile()));
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

    const QString stationPicture = QString::fromLocal8Bit(argv[1]);
    if (!Save(form1, stationPicture))
        return 1;

    // A few QSOs typed on the log input page; the other pages' pictures go beside the first.
    const QString docs = QFileInfo(stationPicture).absolutePath() + QLatin1Char('/');
    ClickTab(form1, kerolt::LogInputPage);
    const struct {
        const char *band, *time, *call, *nr;
    } qsos[] = {{"14000", "1203", "dl1abc", "12"},  {"14000", "1205", "k1zz", "7"},
                {"14000", "1209", "ja1yaa", "31"},  {"14000", "1214", "g4xyz", "0045"},
                {" 7000", "1236", "dl1abc", "14"},  {" 7000", "1240", "i2abc", "52"},
                {"21000", "1302", "vk2aa", "3"},    {"21000", "1305", "lu1xx", "9"},
                {"21000", "1311", "ok1abc", "66"},  {" 3500", "2204", "ea3xyz", "101"},
                {" 3500", "2210", "ua3abc", "120"}, {"28000", "0902", "w1aw", "88"}};
    for (const auto& q : qsos)
        LogQso(form1, QLatin1String(q.band), QLatin1String(q.time), QLatin1String(q.call),
               QLatin1String(q.nr));
    // The next call typed, already logged on this band: the field shows the dupe colour.
    QTest::keyClicks(form1.CallWkdInput, QStringLiteral("w1aw"));
    bool saved = Save(form1, docs + QStringLiteral("log-page.png"));
    ClickTab(form1, kerolt::CabrilloLogPage);
    saved = Save(form1, docs + QStringLiteral("cabrillo-page.png")) && saved;
    ClickTab(form1, kerolt::MultListPage);
    saved = Save(form1, docs + QStringLiteral("mult-list-page.png")) && saved;
    form1.findChild<QAction*>(QStringLiteral("Results1"))->trigger();
    QWidget* results = form1.findChild<kerolt::ResultsWindow*>();
    saved = results && Save(*results, docs + QStringLiteral("results-window.png")) && saved;
    if (!saved)
        return 1;

    // With a folder as second argument: the other windows too, for a look at their layout.
    if (argc > 2) {
        const QString folder = QString::fromLocal8Bit(argv[2]);
        kerolt::TAboutBox aboutBox;
        kerolt::TForm3 form3;
        form1.SetSecondaryWindows(&aboutBox, &form3);
        form1.About1->trigger();
        form1.HowTo1->trigger();
        QTest::qWait(200);
        aboutBox.grab().save(folder + QStringLiteral("/about.png"));
        form3.grab().save(folder + QStringLiteral("/help.png"));
    }
    return 0;
}
