#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
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
#include <tuple>

#include "contest/ContestRules.h"
#include "contest/StationRules.h"
#include "ui/widgets/ComboLists.h"
#include "ui/support/CoreText.h"
#include "ui/widgets/Fields.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/PageControl.h"
#include "ui/widgets/QsoGridModel.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/mainwindow/Unit1Language.h"

// Building the window: its frame, menus, status bar, the station page and the tab order.

namespace kerolt {

namespace {

const QString UnclassifiedText = QString(19, QLatin1Char('_'));

constexpr std::array<int, 5> PanelWidths{290, 0, 75, 70, 100};
constexpr int DesignedClientWidth = 610;
constexpr int DesignedClientHeight = 330;
constexpr int MinimumHeight = 305;
constexpr int StationLabelWidth = 74;
constexpr int StationEditWidth = 132;
constexpr int ClubEditWidth = 289;

QLabel* StationLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setFont(TerminalFont());
    if (buddy)
        label->setBuddy(buddy);
    return label;
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
    PageControl1->addTab(TabSheet1, tr("Data input"));
    PageControl1->addTab(TabSheet2, tr("Log input"));
    PageControl1->addTab(TabSheet3, tr("Cabrillo log"));
    PageControl1->addTab(TabSheet5, tr("Mult List"));
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
    // The menus' Alt letters (F, U, K, H) leave the station labels' (N, A, C, S) and the log
    // page's band keys (B, V) alone.
    QMenu* file = menuBar()->addMenu(tr("&File"));
    fileMenu_ = file;
    New1 = file->addAction(tr("&New"));
    New1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Open1 = file->addAction(tr("&Open..."));
    Open1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    Save1 = file->addAction(tr("&Save..."));
    Save1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    Exit1 = file->addAction(tr("E&xit"));

    QMenu* setUp = menuBar()->addMenu(tr("Set&Up"));
    Realtime1 = setUp->addAction(tr("&Realtime"));
    Realtime1->setCheckable(true);
    Realtime1->setChecked(false);
    setUp->addSeparator();
    AutoSave1 = setUp->addAction(tr("&AutoSave"));
    AutoSave1->setCheckable(true);
    AutoSave1->setChecked(true);
    AddLanguageMenu(*this, setUp);
    setUpMenu_ = setUp;

    // The check reads the document, whichever page is shown.
    Check1 = menuBar()->addAction(tr("Chec&k"));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    HowTo1 = help->addAction(tr("&HowTo"));
    HowTo1->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    About1 = help->addAction(tr("&About..."));

    // F10 opens the first menu, as on other desktops; the arrow keys go on from there.
    MenuKey1 = new QAction(this);
    MenuKey1->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(MenuKey1);
    connect(MenuKey1, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });

    PopupMenu1 = new QMenu(this);
    Deletelastrow1 = PopupMenu1->addAction(tr("Delete last row"));
    PopupMenu2 = new QMenu(this);
    SaveMultList1 = PopupMenu2->addAction(tr("Save Mult List"));

    const std::pair<QAction*, const char*> names[] = {{New1, "New1"},
                                                      {Open1, "Open1"},
                                                      {Save1, "Save1"},
                                                      {Exit1, "Exit1"},
                                                      {Realtime1, "Realtime1"},
                                                      {AutoSave1, "AutoSave1"},
                                                      {Check1, "Check1"},
                                                      {HowTo1, "HowTo1"},
                                                      {About1, "About1"},
                                                      {Deletelastrow1, "Deletelastrow1"},
                                                      {SaveMultList1, "SaveMultList1"},
                                                      {MenuKey1, "MenuKey1"}};
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
    // Every QSO line holds the own call in a column as wide as the worked call's.
    CallEdit->setMaxLength(static_cast<int>(MaxCallLength));
    CallEdit->setToolTip(tr("Callsign used during the contest"));
    OperatorsEdit = UpperCaseEdit(this);
    OperatorsEdit->setToolTip(tr("Callsign of the Operators"));
    NameEdit = new QLineEdit;
    AdrEdit1 = new QLineEdit;
    AdrEdit2 = new QLineEdit;
    AdrEdit3 = new QLineEdit;
    EmailEdit = new QLineEdit;
    ClubEdit = new QLineEdit;
    ClubEdit->setToolTip(tr("Club (Not needed)"));
    ClubEdit->setFixedWidth(ClubEditWidth);

    // Identity fields in the left column.
    auto* identity = new QGridLayout;
    identity->setHorizontalSpacing(4);
    identity->setVerticalSpacing(3);
    const std::pair<QLabel*, QLineEdit*> rows[] = {
        {StationLabel(tr("Callsign "), CallEdit), CallEdit},
        {StationLabel(tr("Operators"), OperatorsEdit), OperatorsEdit},
        {StationLabel(tr("&Name"), NameEdit), NameEdit},
        {StationLabel(tr("&Address"), AdrEdit1), AdrEdit1},
        {nullptr, AdrEdit2},
        {nullptr, AdrEdit3},
        {StationLabel(tr("e-mail"), nullptr), EmailEdit},
    };
    // A longer translated label widens the column; the soapbox beside gives way.
    QLabel* clubLabel = StationLabel(tr("&Club"), ClubEdit);
    int labelWidth = std::max(StationLabelWidth, clubLabel->sizeHint().width());
    for (const auto& [label, edit] : rows) {
        if (label) labelWidth = std::max(labelWidth, label->sizeHint().width());
    }
    int row = 0;
    for (const auto& [label, edit] : rows) {
        if (label) {
            label->setFixedWidth(labelWidth);
            identity->addWidget(label, row, 0);
        }
        edit->setFixedWidth(StationEditWidth);
        identity->addWidget(edit, row, 1);
        ++row;
    }
    identity->setColumnMinimumWidth(0, labelWidth);
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
    StationComboBox = new QComboBox;
    OverlayComboBox = new QComboBox;
    // Each list's prompt as the list shows it; the log keeps the core's English one.
    //: The text a station list shows while nothing is chosen in it
    const std::tuple<QComboBox*, Category, const char*> categoryLists[] = {
        {ContestBox, Category::Contest, QT_TRANSLATE_NOOP("StationLists", "Contest")},
        {AssistedComboBox, Category::Assisted,
         QT_TRANSLATE_NOOP("StationLists", "Category-Assisted")},
        {BandComboBox, Category::Band, QT_TRANSLATE_NOOP("StationLists", "Category-Band")},
        {OperatorComboBox, Category::Operator,
         QT_TRANSLATE_NOOP("StationLists", "Category-Operator")},
        {TransmitterComboBox, Category::Transmitter,
         QT_TRANSLATE_NOOP("StationLists", "Category-Transmitter")},
        {PowerComboBox, Category::Power, QT_TRANSLATE_NOOP("StationLists", "Category-Power")},
        {StationComboBox, Category::Station,
         QT_TRANSLATE_NOOP("StationLists", "Category-Station")},
        {OverlayComboBox, Category::Overlay,
         QT_TRANSLATE_NOOP("StationLists", "Category-Overlay")}};
    for (const auto& [list, category, prompt] : categoryLists)
        SetUpList(list, ToUi(CategoryOf(category).Prompt),
                  QCoreApplication::translate("StationLists", prompt),
                  ToUi(CategoryEntries(category)));
    auto* panelLayout = new QVBoxLayout(ScandPanel);
    panelLayout->setContentsMargins(6, 4, 6, 6);
    panelLayout->setSpacing(3);
    panelLayout->addWidget(Label12);
    for (QComboBox* list : {ContestBox, AssistedComboBox, BandComboBox, OperatorComboBox,
                            TransmitterComboBox, PowerComboBox, StationComboBox,
                            OverlayComboBox}) {
        list->setFixedWidth(150);
        panelLayout->addWidget(list);
    }
    panelLayout->addStretch(1);

    // The soapbox on the right, the claimed score below it.
    Memo1 = new QPlainTextEdit;
    Memo1->setTabChangesFocus(true);
    ClamedScoreEdit = new QLineEdit;
    ClamedScoreEdit->setToolTip(tr("The program will fill in this for you"));
    ClamedScoreEdit->setFocusPolicy(Qt::ClickFocus);
    ClamedScoreEdit->setFixedWidth(StationEditWidth);
    auto* soapbox = new QVBoxLayout;
    soapbox->setSpacing(2);
    soapbox->addWidget(StationLabel(tr("&Soapbox"), Memo1));
    soapbox->addWidget(Memo1, 1);
    soapbox->addSpacing(4);
    soapbox->addWidget(StationLabel(tr("&Clamed Score"), ClamedScoreEdit));
    soapbox->addWidget(ClamedScoreEdit);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addLayout(identity);
    columns->addWidget(ScandPanel, 0, Qt::AlignTop);
    columns->addLayout(soapbox, 1);

    auto* club = new QHBoxLayout;
    club->setSpacing(4);
    clubLabel->setFixedWidth(labelWidth);
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
                          StationComboBox,
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
