#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>

#include "contest/ContestRules.h"
#include "contest/EntryToken.h"
#include "contest/LogEntry.h"
#include "ui/widgets/ComboLists.h"
#include "ui/support/CoreText.h"
#include "ui/support/EventHook.h"
#include "ui/widgets/Fields.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/QsoGridModel.h"
#include "ui/widgets/QsoGridView.h"
#include "ui/mainwindow/Unit1.h"

// Building the log input, Cabrillo log and mult list pages.
namespace kerolt {

namespace {

constexpr std::array<int, QsoColumnCount> GridColumnWidths{38, 43, 32, 32, 42, 91, 32, 41, 27, 16};
constexpr int GridRowHeight = 15;
constexpr int GridHeadingMargin = 1;
// The score summary's lines, all shown above what stands below it.
constexpr int SummaryLines = 10;

// The style's usual heading margins clip "Time" and "P" at the grid's narrow column widths.
class NarrowHeadingStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_HeaderMargin)
            return GridHeadingMargin;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Room for the widest multiplier a non-Scandinavian entrant sees, a Scandinavian prefix with
// its call area digit: the style's cell margins would otherwise cut it to "S...".
int MultColumnWidth(const QTableView* grid) {
    const QFontMetrics metrics(grid->font());
    int widest = 0;
    for (std::string_view prefix : ScandinavianPrefixList())
        widest = std::max(widest, metrics.horizontalAdvance(ToUi(std::string(prefix) + "0")));
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    // The grid line takes the cell's last pixel.
    return std::max(GridColumnWidths[ColMult], widest + 2 * margin + 1);
}

}  // namespace

void TForm1::BuildLogPage() {
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    const QFont small = PixelFont(QStringLiteral("Courier New"), 11);

    MyCall = new QLabel(tr("MyCall", "the own callsign's place until one is typed"));
    MyCall->setFont(small);
    DateLabel = new QLabel(QStringLiteral("2010-00-00"));
    DateLabel->setFont(small);
    Button2 = new QPushButton(tr("Sent", "the button that shows the sent report and number"));
    Button1 = new QPushButton(tr("Received", "the button that shows the received report and number"));
    for (QPushButton* button : {Button2, Button1}) button->setFocusPolicy(Qt::NoFocus);
    // The captions stand over their grid columns: "Sent" over 3-4, "Received" over 5-7.
    MyCall->setFixedWidth(GridColumnWidths[0] + GridColumnWidths[1] + GridColumnWidths[2]);
    Button2->setFixedWidth(GridColumnWidths[3] + GridColumnWidths[4]);
    Button1->setFixedWidth(GridColumnWidths[5] + GridColumnWidths[6] + GridColumnWidths[7]);
    auto* captions = new QHBoxLayout;
    captions->setSpacing(0);
    captions->addWidget(MyCall);
    captions->addWidget(Button2);
    captions->addWidget(Button1);
    captions->addStretch(1);
    captions->addWidget(DateLabel);

    SG = new QsoGridView;
    SG->setObjectName(QStringLiteral("SG"));
    SG->setModel(gridModel_);
    SG->setFont(PixelFont(QStringLiteral("Arial"), 11));
    SG->verticalHeader()->hide();
    SG->verticalHeader()->setMinimumSectionSize(GridRowHeight);
    SG->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    SG->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG->horizontalHeader()->setFixedHeight(GridRowHeight + 2);
    SG->horizontalHeader()->setHighlightSections(false);
    // Headings stand where their cells' texts start.
    SG->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* headingStyle = new NarrowHeadingStyle;
    headingStyle->setParent(SG->horizontalHeader());
    SG->horizontalHeader()->setStyle(headingStyle);
    std::array<int, QsoColumnCount> widths = GridColumnWidths;
    widths[ColMult] = MultColumnWidth(SG);
    int gridWidth = 0;
    for (int col = 0; col < QsoColumnCount; ++col) {
        SG->setColumnWidth(col, widths[static_cast<std::size_t>(col)]);
        gridWidth += widths[static_cast<std::size_t>(col)];
    }
    SG->setShowGrid(true);
    SG->setSelectionMode(QAbstractItemView::ContiguousSelection);
    SG->setSelectionBehavior(QAbstractItemView::SelectItems);
    SG->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                        QAbstractItemView::EditKeyPressed);
    SG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SG->setFixedWidth(gridWidth + SG->verticalScrollBar()->sizeHint().width() +
                      2 * SG->frameWidth());
    SG->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab leaves the grid, as from any other field of the page.
    SG->setTabKeyNavigation(false);

    ResList = new QPlainTextEdit;
    ResList->setObjectName(QStringLiteral("ResList"));
    ResList->setFont(PixelFont(QStringLiteral("Courier New"), 12));
    ResList->setFocusPolicy(Qt::ClickFocus);
    ResList->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* beside = new QVBoxLayout;
    beside->setSpacing(3);
    beside->addWidget(ResList);
    besideGridBox_ = beside;
    auto* middle = new QHBoxLayout;
    middle->setSpacing(4);
    middle->addWidget(SG);
    middle->addLayout(beside, 1);

    const QFont entryFont = PixelFont(QStringLiteral("Arial"), 16);
    const QFont entryBold = PixelFont(QStringLiteral("Arial"), 16, true);
    FrekvensEdit = new QComboBox;
    SetUpList(FrekvensEdit, QStringLiteral("Freqv."),
              tr("Freqv.", "the frequency list's text while no frequency is chosen"),
              ToUi(FrequencyEntries()));
    FrekvensEdit->setFont(entryFont);
    {
        // Red until a band is chosen.
        QPalette red = FrekvensEdit->lineEdit()->palette();
        red.setColor(QPalette::Base, Qt::red);
        FrekvensEdit->lineEdit()->setPalette(red);
        FrekvensEdit->setPalette(red);
    }
    TimeEdit = new QLineEdit(QStringLiteral("1200"));
    // HHMM: a longer time would shift the columns of its QSO line.
    TimeEdit->setMaxLength(4);
    TREdit = new QLineEdit(QStringLiteral("599"));
    TREdit->setMaxLength(3);
    NyNrEdit = new QLineEdit(QStringLiteral("1"));
    NyNrEdit->setMaxLength(static_cast<int>(MaxSentNrLength));
    CallWkdInput = new QLineEdit;
    CallWkdInput->setMaxLength(static_cast<int>(MaxCallLength));
    RREdit = new QLineEdit(QStringLiteral("599"));
    RREdit->setMaxLength(3);
    // Empty until typed: a "0" nobody typed would be logged as a received 000. It takes the
    // number, and a report after a blank ("15 579").
    NrInput = new QLineEdit;
    NrInput->setMaxLength(static_cast<int>(MaxReceivedLength));
    const std::pair<QWidget*, int> entries[] = {
        {FrekvensEdit, 84},  {TimeEdit, 54}, {TREdit, 42}, {NyNrEdit, 54},
        {CallWkdInput, 128}, {RREdit, 42},   {NrInput, 70}};
    auto* entryRow = new QHBoxLayout;
    entryRow->setSpacing(3);
    for (const auto& [field, width] : entries) {
        field->setFont(entryFont);
        field->setFixedWidth(width);
        entryRow->addWidget(field);
    }
    for (QLineEdit* bold : {NyNrEdit, CallWkdInput, NrInput}) bold->setFont(entryBold);
    entryRow_ = entryRow;
    const std::pair<QWidget*, const char*> names[] = {{FrekvensEdit, "FrekvensEdit"},
                                                      {TimeEdit, "TimeEdit"},
                                                      {TREdit, "TREdit"},
                                                      {NyNrEdit, "NyNrEdit"},
                                                      {CallWkdInput, "CallWkdInput"},
                                                      {RREdit, "RREdit"},
                                                      {NrInput, "NrInput"}};
    for (const auto& [field, name] : names) field->setObjectName(QLatin1String(name));

    auto* page = new QVBoxLayout(TabSheet2);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(3);
    page->addLayout(captions);
    page->addLayout(middle, 1);
    page->addLayout(entryRow);
}

void TForm1::BuildCabrilloPage() {
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    CabrilloLog = new QListWidget;
    CabrilloLog->setObjectName(QStringLiteral("CabrilloLog"));
    CabrilloLog->setFont(PixelFont(QStringLiteral("Courier New"), 12));
    CheckSummary = new QLabel;
    CheckSummary->setObjectName(QStringLiteral("CheckSummary"));
    CheckSummary->setContentsMargins(4, 2, 4, 2);
    auto* page = new QVBoxLayout(TabSheet3);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(CheckSummary);
    page->addWidget(CabrilloLog);
}

void TForm1::BuildMultListPage() {
    TabSheet5 = new QWidget;
    TabSheet5->setObjectName(QStringLiteral("TabSheet5"));
    TabSheet5->setContextMenuPolicy(Qt::CustomContextMenu);
    // Three lists over two: five side by side leave no room for three readable columns each.
    auto* page = new QGridLayout(TabSheet5);
    page->setContentsMargins(4, 4, 4, 4);
    page->setHorizontalSpacing(4);
    page->setVerticalSpacing(2);
    const std::pair<QListWidget**, const char*> lists[] = {
        {&List80, QT_TRANSLATE_NOOP("kerolt::TForm1", "80 meter")},
        {&List40, QT_TRANSLATE_NOOP("kerolt::TForm1", "40 meter")},
        {&List20, QT_TRANSLATE_NOOP("kerolt::TForm1", "20 meter")},
        {&List15, QT_TRANSLATE_NOOP("kerolt::TForm1", "15 meter")},
        {&List10, QT_TRANSLATE_NOOP("kerolt::TForm1", "10 meter")}};
    // Three columns to a list, each a third of its width unless an item needs more: a long
    // item widens the columns and the list scrolls sideways rather than cut the item.
    constexpr int Columns = 3;
    const auto fitColumns = [](QListWidget* list) {
        const QFontMetrics metrics(list->font());
        const int margin =
            2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(list->item(i)->text()));
        const int width = std::max(list->viewport()->width() / Columns, widest + margin + 1);
        list->setGridSize(QSize(width, metrics.height() + 1));
    };
    constexpr int ListsPerRow = 3;
    int slot = 0;
    for (const auto& [list, caption] : lists) {
        auto* label = new QLabel(tr(caption));
        auto* widget = new QListWidget;
        *list = widget;
        // The items arrive sorted; the file is built from them in the order shown.
        widget->setSortingEnabled(false);
        widget->setFlow(QListView::TopToBottom);
        widget->setWrapping(true);
        widget->setResizeMode(QListView::Adjust);
        widget->setTextElideMode(Qt::ElideNone);
        widget->setFont(PixelFont(QStringLiteral("Courier New"), 11));
        const auto fit = [fitColumns, widget] { fitColumns(widget); };
        // Tied to the window, whose teardown cuts them before the lists go.
        connect(widget->model(), &QAbstractItemModel::rowsInserted, this, fit);
        connect(widget->model(), &QAbstractItemModel::modelReset, this, fit);
        EventHook::Install(widget->viewport(), QEvent::Resize, [fit](QEvent*) {
            fit();
            return false;
        });
        const int row = 2 * (slot / ListsPerRow);
        const int col = slot % ListsPerRow;
        page->addWidget(label, row, col);
        page->addWidget(widget, row + 1, col);
        page->setRowStretch(row + 1, 1);
        page->setColumnStretch(col, 1);
        ++slot;
    }
}

void TForm1::KeepSummaryToItsLines(bool keep) {
    const int lines = QFontMetrics(ResList->font()).lineSpacing() * SummaryLines;
    // The text layout takes a pixel or two beyond the margins; short of them a scroll bar shows.
    const int margins =
        2 * (ResList->frameWidth() + static_cast<int>(ResList->document()->documentMargin()) + 1);
    ResList->setMaximumHeight(keep ? lines + margins : QWIDGETSIZE_MAX);
}

}  // namespace kerolt
