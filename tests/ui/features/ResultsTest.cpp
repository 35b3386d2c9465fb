#include <QAction>
#include <QBarSet>
#include <QChartView>
#include <QClipboard>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/features/results/ResultsWindow.h"

using namespace kerolt;
using namespace kerolt::test;

class ResultsTest : public QObject {
    Q_OBJECT

    Window w_;
    ScratchFolder scratch_;

    ResultsWindow* Results() { return w_.Form->findChild<ResultsWindow*>(); }
    QTableWidget* Table() { return Results()->findChild<QTableWidget*>("ResultsTable"); }
    // The chart's one series: a bar set per band, 80 m first.
    QStackedBarSeries* HourSeries() {
        return qobject_cast<QStackedBarSeries*>(
            Results()->findChild<QChartView*>("ResultsChart")->chart()->series().constFirst());
    }

    // The texts of a row of the results table.
    QStringList Row(int row) {
        QStringList texts;
        for (int col = 0; col < Table()->columnCount(); ++col)
            texts << Table()->item(row, col)->text();
        return texts;
    }

    // The texts the chart draws: titles, legend and axis labels.
    QStringList ChartTexts() {
        QStringList texts;
        for (const QGraphicsItem* item :
             Results()->findChild<QChartView*>("ResultsChart")->scene()->items()) {
            if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
                texts << text->toPlainText();
        }
        return texts;
    }

  private slots:
    void init() { QVERIFY(w_.Open()); }

    void aNarrowWindowKeepsEveryHoursLabel() {
        w_.Form->findChild<QAction*>("Results1")->trigger();
        QStringList hours;
        for (int h = 0; h < ContestHours; ++h)
            hours << QStringLiteral("%1").arg((12 + h) % 24, 2, 10, QLatin1Char('0'));
        for (int width : {760, 300}) {
            Results()->resize(width, 520);
            QApplication::processEvents();
            const QStringList texts = ChartTexts();
            for (const QString& hour : hours) QVERIFY2(texts.contains(hour), qPrintable(hour));
            QVERIFY(!texts.contains(QStringLiteral("...")));
        }
        QCOMPARE(Results()->width(), Results()->minimumSizeHint().width());
    }

    void resultsBringsAMinimizedWindowBack() {
        w_.Form->findChild<QAction*>("Results1")->trigger();
        Results()->showMinimized();
        QVERIFY(Results()->isMinimized());
        w_.Form->findChild<QAction*>("Results1")->trigger();
        QVERIFY(!Results()->isMinimized());
        QVERIFY(Results()->isVisible());

        Results()->showMaximized();
        Results()->showMinimized();
        w_.Form->findChild<QAction*>("Results1")->trigger();
        QVERIFY(!Results()->isMinimized());
        QVERIFY(Results()->isMaximized());  // back as it was
    }

    void rateLineAndResultsFollowTheLog() {
        w_.StartLog(QStringLiteral("SM5ABC"));
        w_.Form->findChild<QAction*>("Results1")->trigger();
        QVERIFY(Results() && Results()->isVisible());
        QCOMPARE(HourSeries()->count(), BandCount);
        for (const QBarSet* set : HourSeries()->barSets()) QCOMPARE(set->count(), ContestHours);
        // Back to the log, as a click into the main window does.
        w_.Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.Form.get()));

        const struct {
            const char *band, *time, *call;  // no band: delete the last row
            const char *rateLine, *totals;   // totals: QSOs, dupes, 0 pts, points, mults
            const char* bars;                // the QSOs in the chart, 80 m to 10 m
        } steps[] = {
            {"14000", "1203", "DL1ABC", "Last 60 min: 1  Last 10: -", "1 0 0 2 1", "0 0 1 0 0"},
            {" 7000", "1330", "K1ABC", "Last 60 min: 1  Last 10: 1/h", "2 0 0 5 2", "0 1 1 0 0"},
            {"14000", "1340", "DL1ABC", "Last 60 min: 2  Last 10: 1/h", "3 1 0 5 2", "0 1 2 0 0"},
            {nullptr, nullptr, nullptr, "Last 60 min: 1  Last 10: 1/h", "2 0 0 5 2", "0 1 1 0 0"},
            // Logged, but not in the contest: counted nowhere.
            {"14000", "1345", "SM6XYZ", "Last 60 min: 1  Last 10: 1/h", "2 0 0 5 2", "0 1 1 0 0"},
        };
        for (const auto& step : steps) {
            if (step.band) {
                w_.TypeQso(QLatin1String(step.band), QLatin1String(step.time),
                           QLatin1String(step.call), QStringLiteral("1"));
            } else {
                w_.Form->Deletelastrow1->trigger();
            }
            QCOMPARE(w_.Form->findChild<QLabel*>("RateLabel")->text(),
                     QLatin1String(step.rateLine));
            QCOMPARE(Row(Table()->rowCount() - 1).join(QLatin1Char(' ')),
                     QLatin1String(step.totals));
            QStringList bars;
            for (const QBarSet* set : HourSeries()->barSets()) bars << QString::number(set->sum());
            QCOMPARE(bars.join(QLatin1Char(' ')), QLatin1String(step.bars));
        }

        // The same 20 m figures beside the log, in the results window and in the summary.
        QCOMPARE(Table()->rowCount(), BandCount + 1);
        QCOMPARE(w_.Form->ResList->toPlainText().split(QLatin1Char('\n'))[4],
                 QStringLiteral(" 20m    1    2    1"));
        QCOMPARE(Row(Band20 - 1).join(QLatin1Char(' ')), QStringLiteral("1 0 0 2 1"));
        QCOMPARE(Results()->findChild<QLabel*>("ResultsFigures")->text(),
                 QStringLiteral("Score: 10\nOperating time: 1 h 27 min\n"
                                "On the air: 0 h 0 min (breaks of 30 min or more left out)\n"
                                "Best 60 min: 1 QSO\nNot in the contest, not counted: 1 QSO"));
        QTest::mouseClick(Results()->findChild<QPushButton*>("CopySummary"), Qt::LeftButton);
        const QStringList summary = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(summary.mid(0, 2),
                 (QStringList{QStringLiteral("Call: SM5ABC"), QStringLiteral("Contest: SAC-CW")}));
        QCOMPARE(summary.mid(3, 7), (QStringList{QStringLiteral("Band  QSOs Dupes  Mults"),
                                                 QStringLiteral("80m      0     0      0"),
                                                 QStringLiteral("40m      1     0      1"),
                                                 QStringLiteral("20m      1     0      1"),
                                                 QStringLiteral("15m      0     0      0"),
                                                 QStringLiteral("10m      0     0      0"),
                                                 QStringLiteral("Total    2     0      2")}));
        QVERIFY(summary.contains(QStringLiteral("Score: 10")));
    }
};

QTEST_MAIN(ResultsTest)
#include "ResultsTest.moc"
