#include <QAction>
#include <QBarSet>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTest>
#include <numeric>

#include "UiTestSupport.h"
#include "ui/ResultsWindow.h"

using namespace kerolt;
using namespace kerolt::test;

class ResultsTest : public QObject {
    Q_OBJECT

    Window w_;
    ScratchFolder scratch_;

    ResultsWindow* Results() { return w_.Form->findChild<ResultsWindow*>(); }

    // The chart's QSOs per band, summed over the hours, 80 m first.
    QList<int> ChartQsos() {
        QList<int> sums;
        for (const QBarSet* set : Results()->HourSeries->barSets()) {
            int sum = 0;
            for (int hour = 0; hour < set->count(); ++hour) sum += static_cast<int>(set->at(hour));
            sums << sum;
        }
        return sums;
    }

    // The total row's figure under a column heading.
    int Total(const QString& heading) {
        const QTableWidget* table = Results()->Table;
        for (int col = 0; col < table->columnCount(); ++col) {
            if (table->horizontalHeaderItem(col)->text() == heading)
                return table->item(table->rowCount() - 1, col)->text().toInt();
        }
        return -1;
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
            const char* rateLine;
            QList<int> chart;
        } steps[] = {
            {"14000", "1203", "DL1ABC", "Last 60 min: 1  Last 10: -", {0, 0, 1, 0, 0}},
            {" 7000", "1330", "K1ABC", "Last 60 min: 1  Last 10: 1/h", {0, 1, 1, 0, 0}},
            {"14000", "1340", "K1ABC", "Last 60 min: 2  Last 10: 1/h", {0, 1, 2, 0, 0}},
            {nullptr, nullptr, nullptr, "Last 60 min: 1  Last 10: 1/h", {0, 1, 1, 0, 0}},
        };
        for (const auto& step : steps) {
            if (step.band) {
                w_.TypeQso(QLatin1String(step.band), QLatin1String(step.time),
                           QLatin1String(step.call), QStringLiteral("1"));
            } else {
                w_.Form->Deletelastrow1->trigger();
            }
            QCOMPARE(w_.Form->RateLabel->text(), QLatin1String(step.rateLine));
            QCOMPARE(ChartQsos(), step.chart);
            QCOMPARE(Total(QStringLiteral("QSOs")),
                     std::accumulate(step.chart.begin(), step.chart.end(), 0));
            // The committed row is read with its points.
            QCOMPARE(Total(QStringLiteral("0 pts")), 0);
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
