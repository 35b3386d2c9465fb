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
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>

#include "contest/ContestRules.h"
#include "contest/StationRules.h"
#include "ui/ComboLists.h"
#include "ui/CoreText.h"
#include "ui/Fonts.h"
#include "ui/PageControl.h"
#include "ui/QsoGridModel.h"
#include "ui/Unit1.h"

// Building the window: menus, status bar, the four pages, the tab order and the pixel sizes.

namespace kerolt {

namespace {

const QString UnclassifiedText = QString(19, QLatin1Char('_'));
const QStringList ContestEntries{"SAC-CW", "SAC-SSB"};
const QStringList FrequencyEntries{" 3500", " 7000", "14000", "21000", "28000"};

constexpr std::array<int, 5> PanelWidths{290, 0, 75, 70, 100};
constexpr std::array<int, QsoColumnCount> GridColumnWidths{38, 43, 32, 32, 42, 91, 32, 41, 27, 16};
constexpr int GridRowHeight = 15;
constexpr int DesignedClientWidth = 610;
constexpr int DesignedClientHeight = 330;
constexpr int MinimumHeight = 305;
constexpr int StationLabelWidth = 74;
constexpr int StationEditWidth = 132;
constexpr int ClubEditWidth = 289;

// Callsign fields: every letter typed, pasted or set is upper case.
class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

QLabel* StationLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setFont(TerminalFont());
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QLineEdit* UpperCaseEdit(QObject* owner) {
    auto* edit = new QLineEdit;
    edit->setValidator(new UpperCaseValidator(owner));
    return edit;
}

}  // namespace

void TForm1::BuildLayout() {
    // Hidden pages stay out of reach of the keys and the wheel.
    PageControl1 = new PageControl;
    PageControl1->setFocusPolicy(Qt::NoFocus);
    BuildStationPage();
    BuildLogPage();
    BuildCabrilloPage();
    BuildMultListPage();
    PageControl1->addTab(TabSheet1, QStringLiteral("Data input"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Log input"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Cabrillo log"));
    PageControl1->addTab(TabSheet5, QStringLiteral("Mult List"));
    PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(PageControl1);
    // Measured in the window's fonts; keeps its size when the overlay list is hidden.
    ScandPanel->setFixedSize(ScandPanel->sizeHint());

    BuildMenus();
    BuildStatusBar();
    SetTabOrder();
    SetTabOrder();

    // The width is fixed; the height may grow from its minimum.
    setFixedWidth(DesignedClientWidth);
    setMinimumHeight(MinimumHeight);
    resize(DesignedClientWidth, DesignedClientHeight + menuBar()->sizeHint().height());
    move(76, 37);
}

void TForm1::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    Open1 = file->addAction(QStringLiteral("Open..."));
    file->addSeparator();
    Save1 = file->addAction(QStringLiteral("Save..."));
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("Exit"));

    QMenu* setUp = menuBar()->addMenu(QStringLiteral("SetUp"));
    Realtime1 = setUp->addAction(QStringLiteral("Realtime"));
    Realtime1->setCheckable(true);
    Realtime1->setChecked(false);
    setUp->addSeparator();
    AutoSave1 = setUp->addAction(QStringLiteral("AutoSave"));
    AutoSave1->setCheckable(true);
    AutoSave1->setChecked(true);

    Check1 = menuBar()->addAction(QStringLiteral("Check"));
    Check1->setEnabled(false);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    HowTo1 = help->addAction(QStringLiteral("HowTo"));
    help->addSeparator();
    About1 = help->addAction(QStringLiteral("About..."));

    PopupMenu1 = new QMenu(this);
    Deletelastrow1 = PopupMenu1->addAction(QStringLiteral("Delete last row"));
    PopupMenu2 = new QMenu(this);
    SaveMultList1 = PopupMenu2->addAction(QStringLiteral("Save Mult List"));

    const std::pair<QAction*, const char*> names[] = {{Open1, "Open1"},
                                                      {Save1, "Save1"},
                                                      {Exit1, "Exit1"},
                                                      {Realtime1, "Realtime1"},
                                                      {AutoSave1, "AutoSave1"},
                                                      {Check1, "Check1"},
                                                      {HowTo1, "HowTo1"},
                                                      {About1, "About1"},
                                                      {Deletelastrow1, "Deletelastrow1"},
                                                      {SaveMultList1, "SaveMultList1"}};
    for (const auto& [action, name] : names) action->setObjectName(QLatin1String(name));
}

void TForm1::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFont(PixelFont(QStringLiteral("Arial"), 11));
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel;
        panel->setFixedWidth(PanelWidths[i]);
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        bar->addWidget(panel);
        // A panel of width 0 holds its text but never shows it.
        if (PanelWidths[i] == 0)
            panel->hide();
        panels_[i] = panel;
    }
}

void TForm1::BuildStationPage() {
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));

    CallEdit = UpperCaseEdit(this);
    CallEdit->setMaxLength(14);
    CallEdit->setToolTip(QStringLiteral("Callsign used during the contest"));
    OperatorsEdit = UpperCaseEdit(this);
    OperatorsEdit->setToolTip(QStringLiteral("Callsign of the Operators"));
    NameEdit = new QLineEdit;
    AdrEdit1 = new QLineEdit;
    AdrEdit2 = new QLineEdit;
    AdrEdit3 = new QLineEdit;
    EmailEdit = new QLineEdit;
    ClubEdit = new QLineEdit;
    ClubEdit->setToolTip(QStringLiteral("Club (Not needed)"));
    ClubEdit->setFixedWidth(ClubEditWidth);

    // Identity fields in the left column.
    auto* identity = new QGridLayout;
    identity->setHorizontalSpacing(4);
    identity->setVerticalSpacing(3);
    const std::pair<QLabel*, QLineEdit*> rows[] = {
        {StationLabel(QStringLiteral("Callsign "), CallEdit), CallEdit},
        {StationLabel(QStringLiteral("Operators"), OperatorsEdit), OperatorsEdit},
        {StationLabel(QStringLiteral("&Name"), NameEdit), NameEdit},
        {StationLabel(QStringLiteral("&Address"), AdrEdit1), AdrEdit1},
        {nullptr, AdrEdit2},
        {nullptr, AdrEdit3},
        {StationLabel(QStringLiteral("e-mail"), nullptr), EmailEdit},
    };
    int row = 0;
    for (const auto& [label, edit] : rows) {
        if (label) {
            label->setFixedWidth(StationLabelWidth);
            identity->addWidget(label, row, 0);
        }
        edit->setFixedWidth(StationEditWidth);
        identity->addWidget(edit, row, 1);
        ++row;
    }
    identity->setColumnMinimumWidth(0, StationLabelWidth);
    identity->setRowStretch(row, 1);

    // The class label and the category lists in the middle panel.
    ScandPanel = new QFrame;
    ScandPanel->setObjectName(QStringLiteral("ScandPanel"));
    ScandPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label12 = new QLabel(UnclassifiedText);
    Label12->setFont(TerminalFont());
    Label12->setAlignment(Qt::AlignCenter);
    ContestBox = new QComboBox;
    AssistedComboBox = new QComboBox;
    BandComboBox = new QComboBox;
    OperatorComboBox = new QComboBox;
    TransmitterComboBox = new QComboBox;
    PowerComboBox = new QComboBox;
    OverlayComboBox = new QComboBox;
    SetUpList(ContestBox, QStringLiteral("Contest"), ContestEntries);
    SetUpList(AssistedComboBox, QStringLiteral("Category-Assisted"), ToUi(AssistedEntries()));
    SetUpList(BandComboBox, QStringLiteral("Category-Band"), ToUi(BandEntries()));
    SetUpList(OperatorComboBox, QStringLiteral("Category-Operator"), ToUi(OperatorEntries()));
    SetUpList(TransmitterComboBox, QStringLiteral("Category-Transmitter"),
              ToUi(TransmitterEntries()));
    SetUpList(PowerComboBox, QStringLiteral("Category-Power"), ToUi(PowerEntries()));
    SetUpList(OverlayComboBox, QStringLiteral("Category-Overlay"), ToUi(OverlayEntries()));
    auto* panelLayout = new QVBoxLayout(ScandPanel);
    panelLayout->setContentsMargins(6, 4, 6, 6);
    panelLayout->setSpacing(3);
    panelLayout->addWidget(Label12);
    for (QComboBox* list : {ContestBox, AssistedComboBox, BandComboBox, OperatorComboBox,
                            TransmitterComboBox, PowerComboBox, OverlayComboBox}) {
        list->setFixedWidth(150);
        panelLayout->addWidget(list);
    }
    panelLayout->addStretch(1);

    // The soapbox on the right, the claimed score below it.
    Memo1 = new QPlainTextEdit;
    Memo1->setTabChangesFocus(true);
    ClamedScoreEdit = new QLineEdit;
    ClamedScoreEdit->setToolTip(QStringLiteral("The program will fill in this for you"));
    ClamedScoreEdit->setFocusPolicy(Qt::ClickFocus);
    ClamedScoreEdit->setFixedWidth(StationEditWidth);
    auto* soapbox = new QVBoxLayout;
    soapbox->setSpacing(2);
    soapbox->addWidget(StationLabel(QStringLiteral("&Soapbox"), Memo1));
    soapbox->addWidget(Memo1, 1);
    soapbox->addSpacing(4);
    soapbox->addWidget(StationLabel(QStringLiteral("&Clamed Score"), ClamedScoreEdit));
    soapbox->addWidget(ClamedScoreEdit);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addLayout(identity);
    columns->addWidget(ScandPanel, 0, Qt::AlignTop);
    columns->addLayout(soapbox, 1);

    auto* club = new QHBoxLayout;
    club->setSpacing(4);
    QLabel* clubLabel = StationLabel(QStringLiteral("&Club"), ClubEdit);
    clubLabel->setFixedWidth(StationLabelWidth);
    club->addWidget(clubLabel);
    club->addWidget(ClubEdit);
    club->addStretch(1);

    auto* page = new QVBoxLayout(TabSheet1);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(6);
    // A taller window grows below the club row, which stays under the identity fields.
    page->addLayout(columns);
    page->addLayout(club);
    page->addStretch(1);

    SetMemo1Lines({std::string()});
}

void TForm1::BuildLogPage() {
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    const QFont small = PixelFont(QStringLiteral("Courier New"), 11);

    MyCall = new QLabel(QStringLiteral("MyCall"));
    MyCall->setFont(small);
    DateLabel = new QLabel(QStringLiteral("2010-00-00"));
    DateLabel->setFont(small);
    Button2 = new QPushButton(QStringLiteral("Sent"));
    Button1 = new QPushButton(QStringLiteral("Received"));
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

    SG = new QTableView;
    SG->setObjectName(QStringLiteral("SG"));
    SG->setModel(gridModel_);
    SG->setFont(PixelFont(QStringLiteral("Arial"), 11));
    SG->verticalHeader()->hide();
    SG->verticalHeader()->setMinimumSectionSize(GridRowHeight);
    SG->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    SG->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG->horizontalHeader()->setFixedHeight(GridRowHeight + 2);
    SG->horizontalHeader()->setHighlightSections(false);
    int gridWidth = 0;
    for (int col = 0; col < QsoColumnCount; ++col) {
        SG->setColumnWidth(col, GridColumnWidths[static_cast<std::size_t>(col)]);
        gridWidth += GridColumnWidths[static_cast<std::size_t>(col)];
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

    ResList = new QPlainTextEdit;
    ResList->setObjectName(QStringLiteral("ResList"));
    ResList->setFont(PixelFont(QStringLiteral("Courier New"), 12));
    ResList->setFocusPolicy(Qt::ClickFocus);
    ResList->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(4);
    middle->addWidget(SG);
    middle->addWidget(ResList, 1);

    const QFont entryFont = PixelFont(QStringLiteral("Arial"), 16);
    const QFont entryBold = PixelFont(QStringLiteral("Arial"), 16, true);
    FrekvensEdit = new QComboBox;
    SetUpList(FrekvensEdit, QStringLiteral("Freqv."), FrequencyEntries);
    FrekvensEdit->setFont(entryFont);
    {
        // Red until a band is chosen.
        QPalette red = FrekvensEdit->lineEdit()->palette();
        red.setColor(QPalette::Base, Qt::red);
        FrekvensEdit->lineEdit()->setPalette(red);
        FrekvensEdit->setPalette(red);
    }
    TimeEdit = new QLineEdit(QStringLiteral("1200"));
    TREdit = new QLineEdit(QStringLiteral("599"));
    TREdit->setMaxLength(3);
    NyNrEdit = new QLineEdit(QStringLiteral("1"));
    NyNrEdit->setMaxLength(4);
    CallWkdInput = UpperCaseEdit(this);
    RREdit = new QLineEdit(QStringLiteral("599"));
    RREdit->setMaxLength(3);
    NrInput = new QLineEdit(QStringLiteral("0"));
    NrInput->setMaxLength(4);
    const std::pair<QWidget*, int> entries[] = {
        {FrekvensEdit, 84},  {TimeEdit, 54}, {TREdit, 42}, {NyNrEdit, 54},
        {CallWkdInput, 128}, {RREdit, 42},   {NrInput, 56}};
    auto* entryRow = new QHBoxLayout;
    entryRow->setSpacing(3);
    for (const auto& [field, width] : entries) {
        field->setFont(entryFont);
        field->setFixedWidth(width);
        entryRow->addWidget(field);
    }
    for (QLineEdit* bold : {NyNrEdit, CallWkdInput, NrInput}) bold->setFont(entryBold);
    entryRow->addStretch(1);

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
    auto* page = new QVBoxLayout(TabSheet3);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(CabrilloLog);
}

void TForm1::BuildMultListPage() {
    TabSheet5 = new QWidget;
    TabSheet5->setObjectName(QStringLiteral("TabSheet5"));
    TabSheet5->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* page = new QHBoxLayout(TabSheet5);
    page->setContentsMargins(4, 4, 4, 4);
    const std::pair<QListWidget**, const char*> lists[] = {{&List80, "80 meter"},
                                                           {&List40, "40 meter"},
                                                           {&List20, "20 meter"},
                                                           {&List15, "15 meter"},
                                                           {&List10, "10 meter"}};
    for (const auto& [list, caption] : lists) {
        auto* column = new QVBoxLayout;
        auto* label = new QLabel(QLatin1String(caption));
        *list = new QListWidget;
        (*list)->setSortingEnabled(true);
        (*list)->setFlow(QListView::TopToBottom);
        (*list)->setWrapping(true);
        (*list)->setResizeMode(QListView::Adjust);
        (*list)->setFont(PixelFont(QStringLiteral("Courier New"), 12));
        column->addWidget(label);
        column->addWidget(*list, 1);
        page->addLayout(column);
    }
}

void TForm1::SetTabOrder() {
    // Station page, in the order of its table; the claimed score is no tab stop.
    QWidget* station[] = {CallEdit,
                          OperatorsEdit,
                          NameEdit,
                          AdrEdit1,
                          AdrEdit2,
                          AdrEdit3,
                          EmailEdit,
                          ClubEdit,
                          ContestBox,
                          AssistedComboBox,
                          BandComboBox,
                          OperatorComboBox,
                          TransmitterComboBox,
                          PowerComboBox,
                          OverlayComboBox,
                          Memo1};
    for (std::size_t i = 0; i + 1 < std::size(station); ++i) {
        QWidget::setTabOrder(station[i], station[i + 1]);
    }
    QWidget* logPage[] = {FrekvensEdit, TimeEdit, TREdit,  NyNrEdit,
                          CallWkdInput, RREdit,   NrInput, SG};
    for (std::size_t i = 0; i + 1 < std::size(logPage); ++i) {
        QWidget::setTabOrder(logPage[i], logPage[i + 1]);
    }
}

}  // namespace kerolt
