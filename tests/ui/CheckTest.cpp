#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <algorithm>

#include "UiTestSupport.h"
#include "cabrillo/CabrilloWriter.h"
#include "tests/cabrillo/CabrilloTestSupport.h"

using namespace kerolt;

namespace {

using Qsos = std::vector<std::pair<const char*, const char*>>;  // time, call

// A Swedish entrant's 20 m log, numbered from 1.
std::vector<std::string> CabrilloOf(const Qsos& qsos) {
    std::vector<QsoLog::Row> rows;
    for (const auto& [time, call] : qsos)
        rows.push_back(testing::QsoRow("14000", time, "599", std::to_string(rows.size() + 1), call,
                                       "599", "5"));
    return BuildCabrilloLog(testing::SampleStation(SacCw), testing::LogOf(rows), "2019-09-21");
}

}  // namespace

class CheckTest : public QObject {
    Q_OBJECT

    test::Window w_;
    const CallList known_ = CallList::FromLines({"DL1AAA", "K1AA", "K1AAA", "JA1ABC"});

  private slots:
    void init() { QVERIFY(w_.Open()); }
    void cleanup() { w_.Form.reset(); }

    // A line with findings is coloured and gives its reasons; the text stays byte-exact.
    void cabrilloPageMarksFindings() {
        const struct {
            Qsos qsos;
            QStringList reasons;  // a part of each QSO line's tooltip; empty: no mark
            QString summary;
        } cases[] = {
            {{{"1305", "DL1AAA"}, {"1310", "K1AA"}}, {}, "0 problems, 0 notes"},
            {{{"1305", "DL1AAA"}, {"2500", "K1AA"}, {"1320", "DL1AAA"}, {"1330", "JA1ABD"}},
             {"", "problem: time \"2500\"", "note: DL1AAA is a dupe", "did you mean JA1ABC"},
             "1 problem, 2 notes"},
        };
        w_.Form->SetCallList(known_);
        for (const auto& c : cases) {
            const std::vector<std::string> lines = CabrilloOf(c.qsos);
            w_.Form->SetCabrilloLines(lines);
            QCOMPARE(w_.Form->CabrilloLines(), lines);
            const auto firstQso = std::find_if(lines.begin(), lines.end(), [](const auto& line) {
                return line.starts_with("QSO:");
            });
            qsizetype qso = lines.begin() - firstQso;
            QVERIFY(w_.Form->CheckSummary->text().startsWith(c.summary));
            for (int i = 0; i < w_.Form->CabrilloLog->count(); ++i) {
                const QListWidgetItem* item = w_.Form->CabrilloLog->item(i);
                const QString reason = c.reasons.value(qso++);
                QVERIFY2(item->toolTip().contains(reason), qPrintable(item->toolTip()));
                QCOMPARE(item->toolTip().isEmpty(), reason.isEmpty());
                QCOMPARE(item->background().style() == Qt::NoBrush, reason.isEmpty());
            }
        }
        // The problem stands out from the note.
        const int problem = w_.Form->CabrilloLog->count() - 4;
        QVERIFY(w_.Form->CabrilloLog->item(problem)->background() !=
                w_.Form->CabrilloLog->item(problem + 1)->background());
    }

    // Hidden without a list; with one, checked, and its mark turns the search on and off.
    void menuItemTurnsCheckPartial() {
        QAction* item = w_.Form->CheckPartial1;
        QVERIFY(!item->isVisible());
        QVERIFY(w_.Form->CheckPartialFor(QStringLiteral("K1"), 5).Items.empty());
        w_.Form->Log().AppendQso(testing::QsoRow("14000", "1305", "599", "1", "K1AAA", "599", "5"));
        w_.Form->SetCallList(known_);
        QVERIFY(item->isVisible() && item->isChecked());
        for (const bool on : {true, false, true}) {
            const PartialMatches found = w_.Form->CheckPartialFor(QStringLiteral("K1"), 5);
            QCOMPARE(found.Items.empty(), !on);
            QVERIFY(!on || found.Items.front() == (PartialMatch{"K1AAA", true, false, false}));
            item->trigger();
        }
    }

    // Each key shows the known calls near the typed text, as many as fit; the log's first.
    void typingShowsKnownCalls() {
        QStringList lines{"DL1AAA", "K1AA", "K1AAA", "JA1ABC"};
        for (char c = 'A'; c <= 'T'; ++c) lines << QStringLiteral("SM5") + QLatin1Char(c);
        QTemporaryDir dir;
        const QString home = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        w_.Form->SetCallList(CallList::FromLines(ToCore(lines)));
        w_.StartLog(QStringLiteral("SM5QQQ"));
        w_.TypeQso(QStringLiteral("14000"), QStringLiteral("1300"), QStringLiteral("K1AAA"), "5");
        w_.TypeQso(QString(), QStringLiteral("1301"), QStringLiteral("SM5T"), "6");
        QDir::setCurrent(home);
        // Each commit emptied the call field, and the list with it.
        QListWidget* list = w_.Form->PartialList;
        QVERIFY(list->isHidden());

        const struct {
            const char* typed;
            QStringList shown;  // the first items shown
            int containing;     // more than fit: the rest is told as "+N more"; 0 all shown
        } cases[] = {
            {"K1\b", {}, 0},
            {"K1", {"*  K1AAA", "   K1AA"}, 0},
            {"K1AA", {"*  K1AAA", " = K1AA"}, 0},
            {"K1AB", {" ~ K1AA"}, 0},
            {"SM", {"*  SM5T", "   SM5A"}, 20},
        };
        for (const auto& c : cases) {
            test::Focus(w_.Form->CallWkdInput);
            w_.Form->CallWkdInput->clear();
            test::Keys(QLatin1String(c.typed));
            QStringList items;
            for (int i = 0; i < list->count(); ++i) {
                items << list->item(i)->text();
                QCOMPARE(list->item(i)->font().bold(), items.last().startsWith(" = "));
                QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(i))));
            }
            QCOMPARE(list->isVisible(), !c.shown.isEmpty());
            if (c.containing == 0) {
                QCOMPARE(items, c.shown);
                continue;
            }
            QVERIFY2(items.size() > c.shown.size(), qPrintable(items.join('|')));
            QCOMPARE(items.mid(0, c.shown.size()), c.shown);
            const auto more = c.containing - (items.size() - 1);
            QCOMPARE(items.last(), QStringLiteral("+%1 more").arg(more));
        }

        // Off, the list goes at once and the typed calls find nothing.
        w_.Form->CheckPartial1->trigger();
        QVERIFY(list->isHidden());
        test::Keys(QStringLiteral("5"));
        QCOMPARE(list->count(), 0);
    }
};

QTEST_MAIN(CheckTest)
#include "CheckTest.moc"
