#include "ui/features/results/ResultsWindow.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "ui/support/CoreText.h"
#include "ui/widgets/Fonts.h"

namespace kerolt {

namespace {

// The table's rows: the five bands, the total.
constexpr int TotalRow = BandCount;

QTableWidgetItem* Number(int value) {
    auto* item = new QTableWidgetItem(QString::number(value));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

ResultsWindow::ResultsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ResultsWindow"));
    setWindowTitle(tr("Results"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(PixelFont(QStringLiteral("Arial"), 12));
    resize(760, 520);

    const QStringList columns{tr("QSOs"), tr("Dupes"), tr("0 pts", "QSOs worth no points"),
                              tr("Points"), tr("Mults", "multipliers")};
    table_ = new QTableWidget(TotalRow + 1, static_cast<int>(columns.size()));
    table_->setObjectName(QStringLiteral("ResultsTable"));
    table_->setHorizontalHeaderLabels(columns);
    QStringList rows;
    for (int band = Band80; band <= BandCount; ++band)
        rows << ToUi(ResultsBandName(static_cast<BandIndex>(band)));
    rows << tr("Total", "all bands");
    table_->setVerticalHeaderLabels(rows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    figures_ = new QLabel;
    figures_->setObjectName(QStringLiteral("ResultsFigures"));
    figures_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* copySummary = new QPushButton(tr("Copy summary"));
    copySummary->setObjectName(QStringLiteral("CopySummary"));
    copySummary->setToolTip(tr("The summary for score-reporting sites, as plain text"));
    auto* side = new QVBoxLayout;
    side->addWidget(figures_);
    side->addStretch(1);
    side->addWidget(copySummary, 0, Qt::AlignLeft);
    connect(copySummary, &QPushButton::clicked, this, &ResultsWindow::CopySummaryRequested);
    auto* top = new QHBoxLayout;
    top->addWidget(table_);
    top->addSpacing(12);
    top->addLayout(side, 1);

    hourSeries_ = new QStackedBarSeries;
    for (int band = Band80; band <= BandCount; ++band) {
        auto* set = new QBarSet(ToUi(ResultsBandName(static_cast<BandIndex>(band))));
        for (int hour = 0; hour < ContestHours; ++hour) set->append(0);
        hourSeries_->append(set);
    }
    hourSeries_->setBarWidth(0.8);
    auto* chart = new QChart;
    chart->setTitle(tr("QSOs per hour (UTC)"));
    chart->addSeries(hourSeries_);
    // Below the chart the legend leaves the hours the whole width.
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* hours = new QBarCategoryAxis;
    for (int hour = 0; hour < ContestHours; ++hour)
        hours->append(QStringLiteral("%1").arg(ClockHourOf(hour), 2, 10, QLatin1Char('0')));
    chart->addAxis(hours, Qt::AlignBottom);
    hourSeries_->attachAxis(hours);
    qsoAxis_ = new QValueAxis;
    qsoAxis_->setLabelFormat(QStringLiteral("%d"));
    qsoAxis_->setTickType(QValueAxis::TicksDynamic);
    qsoAxis_->setTickAnchor(0);
    chart->addAxis(qsoAxis_, Qt::AlignLeft);
    hourSeries_->attachAxis(qsoAxis_);
    auto* chartView = new QChartView(chart);
    chartView->setObjectName(QStringLiteral("ResultsChart"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(260);
    // Narrower, the chart cuts every hour's label to "...": a category takes the label and
    // about 12 pixels of margins, beside the QSO axis's labels and the chart's own margins.
    const QFontMetrics labels(hours->labelsFont());
    chartView->setMinimumWidth(ContestHours *
                                   (labels.horizontalAdvance(QStringLiteral("00")) + 12) +
                               labels.horizontalAdvance(QStringLiteral("00000")) + 50);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addWidget(chartView, 1);
}

void ResultsWindow::ShowResults(const ContestResults& results) {
    const auto fill = [this](int row, const BandResult& line) {
        const int values[] = {line.Qsos, line.Dupes, line.ZeroPoint, line.Points, line.Mults};
        for (int col = 0; col < static_cast<int>(std::size(values)); ++col)
            table_->setItem(row, col, Number(values[col]));
    };
    for (int band = Band80; band <= BandCount; ++band) fill(band - 1, results.Bands[band]);
    fill(TotalRow, results.Total);
    QStringList figures;
    for (const Message& figure : ResultsFigures(results)) figures << Translate(figure);
    figures_->setText(figures.join(QLatin1Char('\n')));

    int highest = 0;
    const QList<QBarSet*> sets = hourSeries_->barSets();
    for (int hour = 0; hour < ContestHours; ++hour) {
        const auto& perBand = results.PerHour[static_cast<std::size_t>(hour)];
        int sum = 0;
        for (int band = Band80; band <= BandCount; ++band) {
            sets[band - 1]->replace(hour, perBand[band]);
            sum += perBand[band];
        }
        highest = std::max(highest, sum);
    }
    // Whole QSOs on the axis: a step of 1, 2 or 5 times a power of ten, about six ticks.
    int step = 1;
    for (int decade = 1; step * 6 < highest; decade *= 10) {
        for (int factor : {1, 2, 5}) {
            step = factor * decade;
            if (step * 6 >= highest)
                break;
        }
    }
    qsoAxis_->setTickInterval(step);
    qsoAxis_->setRange(0, std::max(1, (highest + step - 1) / step) * step);
}

}  // namespace kerolt
