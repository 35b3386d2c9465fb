#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

#include "UiTestSupport.h"
#include "cabrillo/LogCheck.h"
#include "common/TextFile.h"

using namespace kerolt;
using namespace kerolt::test;

class MultListTest : public QObject {
    Q_OBJECT

    Window w_;
    QTemporaryDir dir_;

    // A Scandinavian entrant's log with every page reachable, and these QSOs scored.
    void StartLog(const std::vector<std::pair<std::string, BandIndex>>& qsos) {
        w_.StartLog(QStringLiteral("SM5ABC"));
        for (int page : {CabrilloLogPage, MultListPage})
            w_.Form->PageControl1->setTabVisible(page, true);
        Score(qsos);
    }
    void Score(const std::vector<std::pair<std::string, BandIndex>>& qsos) {
        for (const auto& [call, band] : qsos) w_.Form->Scoring().ScoreQso(call, band, "1");
    }
    // Saves through the page's command; the dialog answers file (a null name cancels).
    std::vector<std::string> SaveAs(const QString& file) {
        w_.Prompts.Files << file;
        w_.Form->SaveMultList1->trigger();
        return QFile::exists(file) ? ReadLines(file.toStdString()) : std::vector<std::string>{};
    }

  private slots:
    void init() { QVERIFY(w_.Open()); }

    // Check works on every page and gives the log check's verdict, as the Cabrillo page does.
    void checkOnEveryPageWithTheLogChecksVerdict() {
        StartLog({{"DL1AAA", Band20}});
        for (int page : {CabrilloLogPage, MultListPage, DataInputPage, LogInputPage}) {
            w_.ClickTab(page);
            QVERIFY(w_.Form->Check1->isEnabled());
        }
        w_.Form->Check1->trigger();
        const std::string verdict = EnglishLines(
            CheckVerdict(CheckCabrilloLog(w_.Form->Document().CabrilloLines(), w_.Table, nullptr)));
        QCOMPARE(w_.Prompts.Informations, QStringList{ToUi(verdict)});
        QVERIFY(!w_.Prompts.Informations.first().startsWith(QStringLiteral("Pass Ok")));
    }

    void eachSaveHoldsTheListsAsLastShown() {
        // DL three times and K once on 20 m, DL once on 40 m.
        StartLog({{"DL1AAA", Band20},
                  {"K1AA", Band20},
                  {"DL2BBB", Band20},
                  {"DL1AAA", Band40},
                  {"DL1AAA", Band20}});
        w_.ClickTab(MultListPage);
        QCOMPARE(SaveAs(QString()), std::vector<std::string>{});
        const QString unreachable = dir_.filePath(QStringLiteral("missing/list.txt"));
        SaveAs(unreachable);
        QCOMPARE(w_.Prompts.Errors,
                 QStringList{QStringLiteral("Cannot create file ") + unreachable});
        const auto first = SaveAs(dir_.filePath(QStringLiteral("first.txt")));

        w_.Form->Scoring().ClearMultTable();
        Score({{"JA1AA", Band15}});
        w_.ClickTab(CabrilloLogPage);
        w_.ClickTab(MultListPage);
        Score({{"K1AA", Band80}});  // after the visit: not on the page, so not in the file
        const auto second = SaveAs(dir_.filePath(QStringLiteral("second.txt")));

        const std::vector<std::string> head{"Mult List for SM5ABC",
                                            "80m     40m     20m     15m     10m",
                                            "---     ---     ---     ---     ---"};
        auto expected = head;
        expected.insert(expected.end(),
                        {"        DL  1   DL  3                   ",
                         "                K   1                   ", std::string(40, ' ')});
        QVERIFY(first == expected);
        expected = head;
        expected.insert(expected.end(),
                        {"                        JA  1           ", std::string(40, ' ')});
        QVERIFY(second == expected);
    }

    void threeColumnsAndNoItemCut() {
        // A six-character multiplier worked 120 times is wider than a third of a list.
        StartLog({{"DL1AA", Band40}, {"K1AA", Band40}, {"JA1AA", Band40}});
        for (int i = 0; i < 120; ++i) Score({{"VQ9AA", Band20}});
        w_.ClickTab(MultListPage);
        const int margin = 2 * (w_.Form->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        for (QListWidget* list : {w_.Form->List20, w_.Form->List40}) {
            const QRect rect = list->visualItemRect(list->item(0));
            QVERIFY(rect.width() >=
                    QFontMetrics(list->font()).horizontalAdvance(list->item(0)->text()) + margin);
        }
        const int column = w_.Form->List40->visualItemRect(w_.Form->List40->item(0)).width();
        const int width = w_.Form->List40->viewport()->width();
        QVERIFY(3 * column <= width && 4 * column > width);
    }
};

QTEST_MAIN(MultListTest)
#include "MultListTest.moc"
