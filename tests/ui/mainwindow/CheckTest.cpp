#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <initializer_list>
#include <tuple>

#include "UiTestSupport.h"
#include "cabrillo/CabrilloWriter.h"
#include "tests/cabrillo/CabrilloTestSupport.h"
#include "ui/features/callentry/PartialCalls.h"

using namespace kerolt;

namespace {

// A Swedish entrant's 20 m log of QSOs given by time and call, numbered from 1.
std::vector<std::string> Cabrillo(std::initializer_list<std::pair<const char*, const char*>> qsos) {
    std::vector<QsoLog::Row> rows;
    for (const auto& [time, call] : qsos)
        rows.push_back(testing::QsoRow("14000", time, "599", std::to_string(rows.size() + 1), call,
                                       "599", "5"));
    StationData station = testing::SampleStation(SacCw);
    station.ClamedScoreEdit = "";
    return BuildCabrilloLog(station, testing::LogOf(rows), "2019-09-21");
}

}  // namespace

class CheckTest : public QObject {
    Q_OBJECT

    test::Window w_;

  private slots:
    void init() { QVERIFY(w_.Open()); }
    void cleanup() { w_.Form.reset(); }

    // A line with findings is coloured and gives its reasons; the text stays byte-exact.
    void cabrilloPageMarksFindings() {
        w_.Form->Partials().SetCallList(CallList::FromLines({"DL1AAA", "K1AA", "K1AAA", "JA1ABC"}));
        // Marks are made on the page itself.
        w_.Form->PageControl1->setTabVisible(CabrilloLogPage, true);
        w_.ClickTab(CabrilloLogPage);
        w_.Form->SetCabrilloLines(Cabrillo({{"1305", "DL1AAA"}, {"1310", "K1AA"}}));
        QVERIFY(w_.Form->CheckSummary->text().startsWith("0 problems, 0 notes"));
        const auto lines = Cabrillo(
            {{"1305", "DL1AAA"}, {"2500", "K1AA"}, {"1320", "DL1AAA"}, {"1330", "JA1ABD"}});
        // A part of each QSO line's tooltip; empty: no mark.
        const QStringList reasons{"", "problem: time", "note: DL1AAA is a dupe", "mean JA1ABC?"};
        w_.Form->SetCabrilloLines(lines);
        QCOMPARE(w_.Form->CabrilloLines(), lines);
        QVERIFY(w_.Form->CheckSummary->text().startsWith("1 problem, 2 notes"));
        QListWidget* log = w_.Form->CabrilloLog;
        for (int i = 0; i < log->count(); ++i) {
            const QListWidgetItem* item = log->item(i);
            // The QSO lines stand last but for END-OF-LOG.
            const QString reason = reasons.value(i + reasons.size() + 1 - log->count());
            QVERIFY2(item->toolTip().contains(reason), qPrintable(item->toolTip()));
            QCOMPARE(item->toolTip().isEmpty(), reason.isEmpty());
            QCOMPARE(item->background().style() == Qt::NoBrush, reason.isEmpty());
        }
        // The problem stands out from the note.
        const int problem = log->count() - 4;
        QVERIFY(log->item(problem)->background() != log->item(problem + 1)->background());
    }

    // Each key shows the known calls near the typed text, as many as fit; the log's first.
    // Without a list of calls the "SetUp" item is hidden and nothing is found.
    void typingShowsKnownCalls() {
        QStringList lines{"DL1AAA", "K1AA", "K1AAA", "JA1ABC"};
        for (char c = 'A'; c <= 'T'; ++c) lines << QStringLiteral("SM5") + QLatin1Char(c);
        const test::ScratchFolder dir;
        TForm1& f = *w_.Form;
        auto* checkPartial = f.findChild<QAction*>(QStringLiteral("CheckPartial1"));
        QVERIFY(!checkPartial->isVisible() && f.Partials().CheckPartialFor("K1", 5).Items.empty());
        f.Partials().SetCallList(CallList::FromLines(ToCore(lines)));
        QVERIFY(checkPartial->isVisible() && checkPartial->isChecked());
        w_.StartLog(QStringLiteral("SM5QQQ"));
        w_.TypeQso(QStringLiteral("14000"), QStringLiteral("1300"), QStringLiteral("K1AAA"), "5");
        w_.TypeQso(QString(), QStringLiteral("1301"), QStringLiteral("SM5T"), "6");
        // Each commit emptied the call field, and the list with it.
        QListWidget* list = f.findChild<QListWidget*>(QStringLiteral("PartialList"));
        QVERIFY(list->isHidden());

        // The text typed, the first items shown, and how many calls contain it when more than
        // fit (the rest told as "+N more"; 0: all shown).
        const std::tuple<const char*, QStringList, int> cases[] = {
            {"K1\b", {}, 0},
            {"K1", {"*  K1AAA", "   K1AA"}, 0},
            {"K1AA", {"*  K1AAA", " = K1AA"}, 0},
            {"K1AB", {" ~ K1AA"}, 0},
            {"SM", {"*  SM5T", "   SM5A"}, 20},
        };
        for (const auto& [typed, shown, containing] : cases) {
            test::Focus(f.CallWkdInput);
            f.CallWkdInput->clear();
            test::Keys(QLatin1String(typed));
            QStringList items;
            for (int i = 0; i < list->count(); ++i) {
                items << list->item(i)->text();
                QCOMPARE(list->item(i)->font().bold(), items.last().startsWith(" = "));
                QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(i))));
            }
            QCOMPARE(list->isVisible(), !shown.isEmpty());
            QCOMPARE(items.mid(0, shown.size()), shown);
            const QString more = QStringLiteral("+%1 more").arg(containing - items.size() + 1);
            QCOMPARE(items.size() > shown.size() ? items.last() : "", containing ? more : "");
        }

        // Off, the list goes at once and the typed calls find nothing; on, it comes back.
        for (const bool on : {false, true}) {
            checkPartial->trigger();
            QCOMPARE(list->isVisible(), on);
            test::Keys(QStringLiteral("5"));
            QCOMPARE(list->count() > 0, on);
        }
    }
};

QTEST_MAIN(CheckTest)
#include "CheckTest.moc"
