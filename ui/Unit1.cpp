#include "ui/Unit1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
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
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>

#include "ui/Clock.h"
#include "ui/ComboLists.h"
#include "ui/CoreText.h"
#include "ui/EventHook.h"
#include "ui/Fonts.h"
#include "ui/PageControl.h"
#include "ui/QsoGridModel.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

namespace kerolt {

namespace {

const QString Caption = QStringLiteral("Kerolt Ver 2.31 - Manual Cabrillo input for SAC");
const QString UnclassifiedText = QString(19, QLatin1Char('_'));

const QStringList ContestEntries{"SAC-CW", "SAC-SSB"};
const QStringList AssistedEntries{"NON-ASSISTED", "ASSISTED"};
const QStringList BandEntries{"ALL", "80M", "40M", "20M", "15M", "10M"};
const QStringList OperatorEntries{"SINGLE-OP", "MULTI-OP", "CHECKLOG"};
const QStringList TransmitterEntries{"ONE", "UNLIMITED"};
const QStringList PowerEntries{"HIGH", "LOW", "QRP"};
const QStringList OverlayEntries{"", "ROOKIE", "TB-WIRES"};
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

bool IsEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// Leaving a field for another control of the window; a switch to another window, a menu
// or a pop-up only parks the focus and is no exit.
bool IsExit(const QFocusEvent* focus) {
    const Qt::FocusReason reason = focus->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

}  // namespace

TForm1::TForm1(CountryTable& countryTable, Prompts& prompts, Clock& clock, QWidget* parent)
    : QMainWindow(parent),
      countryTable_(countryTable),
      prompts_(prompts),
      clock_(clock),
      scoring_(countryTable, state_) {
    setObjectName(QStringLiteral("Form1"));
    setFont(PixelFont(QStringLiteral("Arial"), 12));
    gridModel_ = new QsoGridModel(log_, this);

    OpenDialog1 = {QStringLiteral("log"), QStringLiteral("*.log|*.log"), QString()};
    SaveDialog1 = {QStringLiteral("log"), QStringLiteral("*.log|*.log"), QString()};
    SaveDialog2 = {QStringLiteral("txt"), QStringLiteral("*.txt|*.txt"),
                   QStringLiteral("Save Mult List")};

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

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
    ConnectHandlers();

    // The width is fixed; the height may grow from its minimum.
    setFixedWidth(DesignedClientWidth);
    setMinimumHeight(MinimumHeight);
    resize(DesignedClientWidth, DesignedClientHeight + menuBar()->sizeHint().height());
    move(76, 37);

    // Key preview: the window sees every key before the focused control.
    qApp->installEventFilter(this);

    FormCreate();
}

TForm1::~TForm1() {
    // No handler may run while the controls are torn down.
    qApp->removeEventFilter(this);
    for (EventHook* hook : findChildren<EventHook*>()) delete hook;
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    Timer1->stop();
    SG->setModel(nullptr);
}

void TForm1::SetSecondaryWindows(TAboutBox* aboutBox, TForm3* form3) {
    aboutBox_ = aboutBox;
    form3_ = form3;
}

// --- Building the window ------------------------------------------------------------------

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
    SetUpList(AssistedComboBox, QStringLiteral("Category-Assisted"), AssistedEntries);
    SetUpList(BandComboBox, QStringLiteral("Category-Band"), BandEntries);
    SetUpList(OperatorComboBox, QStringLiteral("Category-Operator"), OperatorEntries);
    SetUpList(TransmitterComboBox, QStringLiteral("Category-Transmitter"), TransmitterEntries);
    SetUpList(PowerComboBox, QStringLiteral("Category-Power"), PowerEntries);
    SetUpList(OverlayComboBox, QStringLiteral("Category-Overlay"), OverlayEntries);
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
    page->addLayout(columns, 1);
    page->addLayout(club);

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

void TForm1::ConnectHandlers() {
    connect(CallEdit, &QLineEdit::textChanged, this,
            [this] { Guard([this] { CallEditChange(); }); });
    OnUserChange(ContestBox, this, [this] { Guard([this] { ContestBoxChange(); }); });
    OnUserChange(OperatorComboBox, this, [this] { Guard([this] { OperatorComboBoxChange(); }); });
    EventHook::Install(CallEdit, QEvent::FocusOut, [this](QEvent* event) {
        if (IsExit(static_cast<QFocusEvent*>(event)))
            Guard([this] { CallEditExit(); });
        return false;
    });
    // The click on the overlay list that leaves the callsign field may hide that list; a
    // hidden list opens no drop-down.
    EventHook::Install(OverlayComboBox, QEvent::MouseButtonPress,
                       [this](QEvent*) { return !OverlayComboBox->isVisible(); });

    using KeyPress = bool (TForm1::*)(QKeyEvent*);
    const std::pair<QWidget*, KeyPress> enterChain[] = {
        {CallEdit, &TForm1::CallEditKeyPress},
        {OperatorsEdit, &TForm1::OperatorsEditKeyPress},
        {NameEdit, &TForm1::NameEditKeyPress},
        {AdrEdit1, &TForm1::AdrEdit1KeyPress},
        {AdrEdit2, &TForm1::AdrEdit2KeyPress},
        {AdrEdit3, &TForm1::AdrEdit3KeyPress},
        {ClamedScoreEdit, &TForm1::ClamedScoreEditKeyPress},
        {ClubEdit, &TForm1::ClubEditKeyPress},
    };
    for (const auto& [field, handler] : enterChain) {
        EventHook::Install(field, QEvent::KeyPress, [this, keyPress = handler](QEvent* event) {
            bool taken = false;
            Guard([&] { taken = (this->*keyPress)(static_cast<QKeyEvent*>(event)); });
            return taken;
        });
    }

    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::OnCurrentPageChanged);

    const std::pair<QAction*, void (TForm1::*)()> commands[] = {
        {Open1, &TForm1::Open1Click},
        {Save1, &TForm1::Save1Click},
        {Exit1, &TForm1::Exit1Click},
        {Realtime1, &TForm1::Realtime1Click},
        {AutoSave1, &TForm1::AutoSave1Click},
        {Check1, &TForm1::Check1Click},
        {HowTo1, &TForm1::HowTo1Click},
        {About1, &TForm1::About1Click},
        {Deletelastrow1, &TForm1::Deletelastrow1Click},
        {SaveMultList1, &TForm1::SaveMultList1Click}};
    for (const auto& [action, handler] : commands) {
        connect(action, &QAction::triggered, this,
                [this, handler = handler] { Guard([this, handler] { (this->*handler)(); }); });
    }
    connect(Timer1, &QTimer::timeout, this, [this] { Guard([this] { Timer1Timer(); }); });

    connect(SG, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(SG->viewport()->mapToGlobal(pos)); });
    connect(TabSheet5, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu2->popup(TabSheet5->mapToGlobal(pos)); });
}

// --- Station data ---------------------------------------------------------------------------

StationData TForm1::StationDataFromControls() const {
    StationData data;
    data.CallEdit = ToCore(CallEdit->text());
    data.ContestBox = ToCore(ContestBox->currentText());
    data.ContestIndex = ContestBox->currentIndex();
    data.AssistedComboBox = ToCore(AssistedComboBox->currentText());
    data.BandComboBox = ToCore(BandComboBox->currentText());
    data.OperatorComboBox = ToCore(OperatorComboBox->currentText());
    data.PowerComboBox = ToCore(PowerComboBox->currentText());
    data.TransmitterComboBox = ToCore(TransmitterComboBox->currentText());
    data.OverlayComboBox = ToCore(OverlayComboBox->currentText());
    data.EmailEdit = ToCore(EmailEdit->text());
    data.OperatorsEdit = ToCore(OperatorsEdit->text());
    data.ClamedScoreEdit = ToCore(ClamedScoreEdit->text());
    data.NameEdit = ToCore(NameEdit->text());
    data.AdrEdit1 = ToCore(AdrEdit1->text());
    data.AdrEdit2 = ToCore(AdrEdit2->text());
    data.AdrEdit3 = ToCore(AdrEdit3->text());
    data.ClubEdit = ToCore(ClubEdit->text());
    data.Memo1 = Memo1Lines();
    return data;
}

std::vector<std::string> TForm1::Memo1Lines() const {
    const QString text = Memo1->toPlainText();
    std::vector<std::string> lines;
    if (text.isEmpty())
        return lines;
    QStringList parts = text.split(QLatin1Char('\n'));
    if (parts.constLast().isEmpty())
        parts.removeLast();
    lines.reserve(static_cast<std::size_t>(parts.size()));
    for (const QString& part : parts) lines.push_back(ToCore(part));
    return lines;
}

void TForm1::SetMemo1Lines(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines) text += ToUi(line) + QLatin1Char('\n');
    Memo1->setPlainText(text);
}

QString TForm1::PanelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel))->text();
}

void TForm1::SetPanelText(int panel, const QString& text) {
    panels_.at(static_cast<std::size_t>(panel))->setText(text);
}

// --- Events ---------------------------------------------------------------------------------

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        // A key travels up from the focused control to its parents; preview it once, on its
        // way to the control that has the focus.
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        if (widget == target && widget->window() == this) {
            bool taken = false;
            Guard([&] { taken = FormKeyDown(static_cast<QKeyEvent*>(event)); });
            if (taken)
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool mayClose = true;
    Guard([&] { mayClose = FormCloseQuery(); });
    if (mayClose) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::OnCurrentPageChanged(int index) {
    const int leaving = currentPage_;
    currentPage_ = index;
    if (leaving != index)
        Guard([&] { PageControl1Changing(leaving); });
    Guard([this] { PageControl1Change(); });
}

// --- Handlers -------------------------------------------------------------------------------

void TForm1::FormCreate() {
    // The grid's heading row is row 0 of the log.
    gridModel_->HeadingsChanged();
    PageControl1->setTabVisible(LogInputPage, false);
    PageControl1->setTabVisible(CabrilloLogPage, false);
    PageControl1->setTabVisible(MultListPage, false);
    setWindowTitle(Caption);
    SetPanelText(AutoSavePanel, QStringLiteral("AutoSave: On"));
    SetPanelText(RealtimePanel, QStringLiteral("Realtime: Off"));
}

void TForm1::CallEditChange() {
    const bool contestChosen = ContestBox->currentIndex() >= 0;
    PageControl1->setTabVisible(LogInputPage, contestChosen && CallEdit->text().size() >= 3);
}

void TForm1::ContestBoxChange() {
    // Choosing the contest may show the page, never hide it.
    if (ContestBox->currentIndex() >= 0 && CallEdit->text().size() > 2) {
        PageControl1->setTabVisible(LogInputPage, true);
    }
}

void TForm1::CallEditExit() {
    const QString call = CallEdit->text();
    SetPanelText(CallPanel, call);
    const std::string stationClass = ClassifyStation(countryTable_, state_, ToCore(call));
    MyCall->setText(call);
    Label12->setText(ToUi(stationClass));
    if (stationClass == ScandinavianClass) {
        ReplaceEntries(BandComboBox, BandEntries);
        OverlayComboBox->show();
        ReplaceEntries(OverlayComboBox, OverlayEntries);
        ReplaceEntries(TransmitterComboBox, TransmitterEntries);
    } else {
        SelectEntry(BandComboBox, 0);
        ReplaceEntries(BandComboBox, {QStringLiteral("ALL")});
        ReplaceEntries(OverlayComboBox, {QString()});
        SelectEntry(OverlayComboBox, 0);
        OverlayComboBox->hide();
        ReplaceEntries(TransmitterComboBox, {QStringLiteral("ONE")});
    }
}

void TForm1::OperatorComboBoxChange() {
    if (OperatorComboBox->currentIndex() == 0) {
        SelectEntry(TransmitterComboBox, 0);
        ReplaceEntries(TransmitterComboBox, {QStringLiteral("ONE")});
    } else {
        ReplaceEntries(TransmitterComboBox, TransmitterEntries);
    }
}

bool TForm1::EnterMovesTo(QKeyEvent* key, QWidget* next) {
    if (!IsEnter(key))
        return false;
    next->setFocus(Qt::TabFocusReason);
    return true;
}

bool TForm1::CallEditKeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, ContestBox);
}
bool TForm1::OperatorsEditKeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, NameEdit);
}
bool TForm1::NameEditKeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, AdrEdit1);
}
bool TForm1::AdrEdit1KeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, AdrEdit2);
}
bool TForm1::AdrEdit2KeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, AdrEdit3);
}
bool TForm1::AdrEdit3KeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, ClamedScoreEdit);
}
bool TForm1::ClamedScoreEditKeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, ClubEdit);
}
bool TForm1::ClubEditKeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, Memo1);
}

void TForm1::PageControl1Changing(int leavingPage) {
    if (leavingPage == DataInputPage)
        PrepareLogPage();
}

void TForm1::PageControl1Change() {}

void TForm1::PrepareLogPage() {
    const LogPageDefaults defaults =
        ::kerolt::PrepareLogPage(ContestBox->currentIndex(), clock_.Year());
    // A year without a calendar row keeps the contest date; no contest keeps the reports.
    if (!defaults.ContestDate.empty())
        state_.ContestDate = defaults.ContestDate;
    if (!defaults.Report.empty()) {
        TREdit->setText(ToUi(defaults.Report));
        RREdit->setText(ToUi(defaults.Report));
    }
    MyCall->setText(CallEdit->text());
    DateLabel->setText(ToUi(QsoDate(state_.ContestDate, ToCore(TimeEdit->text()))));
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::HowTo1Click() {
    if (form3_)
        form3_->show();
}

void TForm1::About1Click() {
    if (aboutBox_)
        aboutBox_->show();
}

void TForm1::Realtime1Click() {
    // The menu item has already turned its mark over.
    const bool on = Realtime1->isChecked();
    if (on) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
    SetPanelText(RealtimePanel,
                 on ? QStringLiteral("Realtime: On") : QStringLiteral("Realtime: Off"));
}

void TForm1::AutoSave1Click() {
    SetPanelText(AutoSavePanel, AutoSave1->isChecked() ? QStringLiteral("AutoSave: On")
                                                       : QStringLiteral("AutoSave: Off"));
}

void TForm1::Timer1Timer() {
    if (PageControl1->currentIndex() != LogInputPage)
        return;
    TimeEdit->setText(clock_.TimeOfDay().toString(QStringLiteral("HHmm")));
}

// Filled in with the log input page, the file commands and the mult list.
void TForm1::Open1Click() {}
void TForm1::Save1Click() {}
void TForm1::Check1Click() {}
void TForm1::Deletelastrow1Click() {}
void TForm1::SaveMultList1Click() {}
bool TForm1::FormKeyDown(QKeyEvent*) {
    return false;
}
bool TForm1::FormCloseQuery() {
    return true;
}

}  // namespace kerolt
