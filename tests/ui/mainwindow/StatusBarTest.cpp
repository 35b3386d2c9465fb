#include <QAction>
#include <QLabel>
#include <QStatusBar>

#include "UiTestSupport.h"
#include "ui/widgets/Fonts.h"
#include "ui/features/rig/RigControl.h"
#include "ui/features/rig/RigSettings.h"

using namespace kerolt;
using namespace kerolt::test;

// The status bar's texts shown whole, in the window's own font and in larger ones; run once as
// it is and once at a screen scale of 1.75 (QT_SCALE_FACTOR), where rounding differs.
class StatusBarTest : public QObject {
    Q_OBJECT

    static QLabel* PanelShowing(TForm1& f, const QString& text) {
        for (QLabel* panel : f.statusBar()->findChildren<QLabel*>()) {
            if (panel->isVisible() && panel->text() == text)
                return panel;
        }
        return nullptr;
    }

    // Whole: as wide as the label itself asks for its text, or as high as its wrapped lines,
    // and inside the bar.
    static bool Whole(TForm1& f, const QString& text) {
        const QLabel* panel = PanelShowing(f, text);
        if (!panel || panel->geometry().right() >= f.statusBar()->width())
            return false;
        if (panel->wordWrap())
            return panel->height() >= panel->heightForWidth(panel->width());
        return panel->sizeHint().width() <= panel->width();
    }

  private slots:
    void textsFitTheirPanels_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("rig");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("entity");
        QTest::addColumn<bool>("whole");
        const QString longest = QStringLiteral("HK0/a San Andres & Providencia");
        const QString germany = QStringLiteral("DL Fed. Rep. of Germany");
        QTest::newRow("window's font, longest") << 11 << false << "HK0AB" << longest << true;
        QTest::newRow("window's font, DL") << 11 << false << "DL1ABC" << germany << true;
        QTest::newRow("window's font, rig on") << 11 << true << "HK0AB" << longest << true;
        QTest::newRow("larger font, longest") << 14 << false << "HK0AB" << longest << true;
        QTest::newRow("larger font, rig on") << 12 << true << "DL1ABC" << germany << true;
        // Too large for the window's width: the entity takes a second line.
        QTest::newRow("far too large") << 24 << false << "HK0AB" << longest << true;
        // A note far longer than any entity is shown whole on the lines it needs.
        const QString note = QStringLiteral(
            "'4001' taken as nothing: expected a time HHMM (hours 00-23, minutes 00-59) or kHz "
            "on a contest band (3500-4000, 7000-7300, 14000-14350, 21000-21450, 28000-29700)");
        QTest::newRow("long note") << 11 << false << "4001 " << note << true;
        QTest::newRow("long note, larger") << 14 << true << "4001 " << note << true;
    }
    void textsFitTheirPanels() {
        QFETCH(int, pixels);
        QFETCH(bool, rig);
        QFETCH(QString, call);
        QFETCH(QString, entity);
        QFETCH(bool, whole);
        ScratchFolder folder;
        Window w;
        std::vector<std::string> lines = SyntheticCountryLines();
        lines.push_back(EntityLine("San Andres & Providencia", "NA", "HK0/a"));
        lines.push_back("    HK0;");
        w.Table = CountryTable::FromLines(lines);
        QVERIFY(w.Open());
        TForm1& f = *w.Form;
        f.statusBar()->setFont(PixelFont(QStringLiteral("Arial"), pixels));
        if (rig)
            RigControl::Of(f).Apply({1, QString(), 0});  // Hamlib's dummy rig
        w.StartLog(QStringLiteral("SM5QQQ"));
        TypeInto(f.CallWkdInput, call);
        f.AutoSave1->trigger();
        f.Realtime1->trigger();
        QApplication::processEvents();

        QCOMPARE(f.PanelText(EntityPanel), entity);
        QCOMPARE(Whole(f, entity), whole);
        QVERIFY(Whole(f, QStringLiteral("AutoSave: Off")));
        QVERIFY(Whole(f, QStringLiteral("Realtime: On")));
        QCOMPARE(f.findChild<QLabel*>("RigPanel")->isVisible(), rig);
        // The file's path keeps room of its own.
        QVERIFY(f.statusBar()->findChildren<QLabel*>().first()->width() >= 100);
    }
};

QTEST_MAIN(StatusBarTest)
#include "StatusBarTest.moc"
