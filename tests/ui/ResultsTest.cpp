#include <QAction>
#include <QBarSet>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/ResultsWindow.h"

using namespace kerolt;
using namespace kerolt::test;

class ResultsTest : public QObject {
    Q_OBJECT

    Window w_;
    ScratchFolder scratch_;

    ResultsWindow* Results() { return w_.Form->findChild<ResultsWindow*>(); }

    // The texts of a row of the results table.
    QStringList Row(int row) {
        QStringList texts;
        for (int col = 0; col < Results()->Table->columnCount(); ++col)
            texts << Results()->Table->item(row, col)->text();
        return texts;
    }

  private slots:
    void init() { QVERIFY(w_.Open()); }

    void rateLineAndResultsFollowTheLog() {
        w_.StartLog(QStringLiteral("SM5ABC"));
        w_.Form->Results1->trigger();
        QVERIFY(Results() && Results()->isVisible());
        QCOMPARE(Results()->HourSeries->count(), BandCount);
        for (const QBarSet* set : Results()->HourSeries->barSets())
            QCOMPARE(set->count(), ContestHours);
        // Back to the log, as a click into the main window does.
        w_.Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.Form.get()));

        const struct {
            const char *band, *time, *call;  // no band: delete the last row
            const char *rateLine, *totals;   // totals: QSOs, dupes, 0 pts, points, mults
        } steps[] = {
            {"14000", "1203", "DL1ABC", "Last 60 min: 1  Last 10: -", "1 0 0 2 1"},
            {" 7000", "1330", "K1ABC", "Last 60 min: 1  Last 10: 1/h", "2 0 0 5 2"},
            {"14000", "1340", "DL1ABC", "Last 60 min: 2  Last 10: 1/h", "3 1 0 5 2"},
            {nullptr, nullptr, nullptr, "Last 60 min: 1  Last 10: 1/h", "2 0 0 5 2"},
        };
        for (const auto& step : steps) {
            if (step.band) {
                w_.TypeQso(QLatin1String(step.band), QLatin1String(step.time),
                           QLatin1String(step.call), QStringLiteral("1"));
            } else {
                w_.Form->Deletelastrow1->trigger();
            }
            QCOMPARE(w_.Form->RateLabel->text(), QLatin1String(step.rateLine));
            QCOMPARE(Row(Results()->Table->rowCount() - 1).join(QLatin1Char(' ')),
                     QLatin1String(step.totals));
            // Each band's bars hold its QSOs.
            for (int band = Band80; band <= BandCount; ++band)
                QCOMPARE(Results()->HourSeries->barSets()[band - 1]->sum(),
                         Row(band - 1).constFirst().toDouble());
        }

        QTest::mouseClick(Results()->CopySummary, Qt::LeftButton);
        const QStringList summary = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(summary.mid(0, 2),
                 (QStringList{QStringLiteral("Call: SM5ABC"), QStringLiteral("Contest: SAC-CW")}));
        QVERIFY(summary.contains(QStringLiteral("Score: 10")));
    }
};

QTEST_MAIN(ResultsTest)
#include "ResultsTest.moc"
