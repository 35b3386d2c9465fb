#include "ui/mainwindow/Unit1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTime>
#include <QTimer>

#include "cabrillo/CabrilloWriter.h"
#include "common/Version.h"
#include "ui/features/adif/AdifCommands.h"
#include "ui/features/callentry/CallFieldNumbers.h"
#include "ui/features/callentry/CallVerdict.h"
#include "ui/support/Clock.h"
#include "ui/widgets/ComboLists.h"
#include "ui/support/CoreText.h"
#include "ui/support/EventHook.h"
#include "ui/widgets/Fonts.h"
#include "ui/support/Keys.h"
#include "ui/widgets/PageControl.h"
#include "ui/features/callentry/PartialCalls.h"
#include "ui/widgets/QsoGridModel.h"
#include "ui/features/results/ResultsControl.h"
#include "ui/features/rig/RigControl.h"
#include "ui/windows/Unit2.h"
#include "ui/windows/Unit3.h"

namespace kerolt {

TForm1::TForm1(CountryTable& countryTable, Prompts& prompts, Clock& clock, QWidget* parent)
    : QMainWindow(parent),
      countryTable_(countryTable),
      prompts_(prompts),
      clock_(clock),
      doc_(countryTable) {
    setObjectName(QStringLiteral("Form1"));
    setFont(PixelFont(QStringLiteral("Arial"), 12));
    gridModel_ = new QsoGridModel(doc_.Log(), this);

    OpenDialog1 = {QStringLiteral("log"), QStringLiteral("*.log|*.log"), QString()};
    SaveDialog1 = {QStringLiteral("log"), QStringLiteral("*.log|*.log"), QString()};
    SaveDialog2 = {QStringLiteral("txt"), QStringLiteral("*.txt|*.txt"),
                   tr("Save Mult List")};

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    BuildLayout();
    new AdifCommands(*this, clock_);
    new CallVerdict(*this);
    partials_ = new PartialCalls(*this);
    new CallFieldNumbers(*this);
    BuildStatusPanels();
    new RigControl(*this);
    new ResultsControl(*this);
    ConnectHandlers();

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

void TForm1::ConnectHandlers() {
    connect(CallEdit, &QLineEdit::textChanged, this, Slot(&TForm1::CallEditChange));
    OnUserChange(ContestBox, this, Slot(&TForm1::ContestBoxChange));
    OnUserChange(OperatorComboBox, this, Slot(&TForm1::OperatorComboBoxChange));
    OnExit(CallEdit, &TForm1::CallEditExit);
    // The click on the overlay list that leaves the callsign field may hide that list; a
    // hidden list opens no drop-down.
    EventHook::Install(OverlayComboBox, QEvent::MouseButtonPress,
                       [this](QEvent*) { return !OverlayComboBox->isVisible(); });

    OnKey(CallEdit, QEvent::KeyPress, &TForm1::CallEditKeyPress);
    OnKey(OperatorsEdit, QEvent::KeyPress, &TForm1::OperatorsEditKeyPress);
    OnKey(NameEdit, QEvent::KeyPress, &TForm1::NameEditKeyPress);
    OnKey(AdrEdit1, QEvent::KeyPress, &TForm1::AdrEdit1KeyPress);
    OnKey(AdrEdit2, QEvent::KeyPress, &TForm1::AdrEdit2KeyPress);
    OnKey(AdrEdit3, QEvent::KeyPress, &TForm1::AdrEdit3KeyPress);
    OnKey(ClamedScoreEdit, QEvent::KeyPress, &TForm1::ClamedScoreEditKeyPress);
    OnKey(ClubEdit, QEvent::KeyPress, &TForm1::ClubEditKeyPress);

    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::OnCurrentPageChanged);

    const std::pair<QAction*, void (TForm1::*)()> commands[] = {
        {New1, &TForm1::New1Click},
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
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, Slot(handler));
    connect(Timer1, &QTimer::timeout, this, Slot(&TForm1::Timer1Timer));

    connect(SG, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(SG->viewport()->mapToGlobal(pos)); });
    connect(TabSheet5, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu2->popup(TabSheet5->mapToGlobal(pos)); });

    ConnectLogInputHandlers();
    ConnectStationSync();
}

void TForm1::OnKey(QWidget* field, QEvent::Type type, KeyHandler handler) {
    EventHook::Install(field, type, [this, handler](QEvent* event) {
        bool taken = false;
        Guard([&] { taken = (this->*handler)(static_cast<QKeyEvent*>(event)); });
        return taken;
    });
}

void TForm1::OnExit(QWidget* field, void (TForm1::*handler)()) {
    EventHook::Install(field, QEvent::FocusOut, [this, handler](QEvent* event) {
        if (IsExit(static_cast<QFocusEvent*>(event)))
            Guard([this, handler] { (this->*handler)(); });
        return false;
    });
}

QString TForm1::PanelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel))->text();
}

void TForm1::SetPanelText(int panel, const QString& text) {
    QLabel* label = panels_.at(static_cast<std::size_t>(panel));
    label->setText(text);
    label->setToolTip(text);
    // A note longer than the entity panel is shown whole, on more lines when it must.
    if (panel == EntityPanel)
        FitNotePanel();
}

[[maybe_unused]] constexpr const char* NotInContestName =
    QT_TRANSLATE_NOOP("Score", "Not in contest");

void TForm1::ShowScore(const ScoreDisplay& display) {
    // Set only when it differs: the text is laid out and repainted again on every set.
    if (display.Summary) {
        QStringList lines = ToUi(*display.Summary);
        // The table's heading and its score line in the window's language, columns kept.
        if (!lines.isEmpty())
            lines.front() = QCoreApplication::translate("ScoreTable", "Band  QSO  Pnt  Mul",
                                                        "keep the four columns' widths");
        if (!lines.isEmpty() && lines.back().startsWith(QLatin1String("Score:")))
            lines.back().replace(0, 6, QCoreApplication::translate("ScoreTable", "Score:"));
        const QString summary = lines.join(QLatin1Char('\n'));
        if (summary != ResList->toPlainText())
            ResList->setPlainText(summary);
    }
    if (display.ClaimedScore)
        ClamedScoreEdit->setText(ToUi(*display.ClaimedScore));
    if (display.EntityText)
        SetPanelText(EntityPanel, *display.EntityText == NotInContestText
                                      ? QCoreApplication::translate("Score", NotInContestText)
                                      : ToUi(*display.EntityText));
    emit Scored();
}

void TForm1::SetCabrilloLines(const std::vector<std::string>& lines) {
    // Only the lines that changed are handed to the list: a commit changes the score line and
    // adds one, and 5,000 items made again would cost more than the whole rest of it.
    const std::size_t kept = std::min(lines.size(), cabrilloLines_.size());
    for (std::size_t i = 0; i < kept; ++i) {
        if (lines[i] != cabrilloLines_[i]) {
            CabrilloLog->item(static_cast<int>(i))->setText(ToUi(lines[i]));
            cabrilloLines_[i] = lines[i];
        }
    }
    while (static_cast<std::size_t>(CabrilloLog->count()) > lines.size())
        delete CabrilloLog->takeItem(CabrilloLog->count() - 1);
    for (std::size_t i = kept; i < lines.size(); ++i) CabrilloLog->addItem(ToUi(lines[i]));
    cabrilloLines_.resize(lines.size());
    for (std::size_t i = kept; i < lines.size(); ++i) cabrilloLines_[i] = lines[i];
    // The marks are only seen on the page, which is rebuilt, and so checked, on every arrival;
    // the backup after each QSO need not pay for them.
    ShowLogCheck(PageControl1->currentIndex() == CabrilloLogPage ? lines
                                                                 : std::vector<std::string>());
}

// --- Events ---------------------------------------------------------------------------------

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        // A key travels up from the focused control to its parents; preview it once, on its
        // way to the control that has the focus.
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        // The menu bar has the focus while a menu is opened or moved in by keys: those keys
        // are the menu's, never the page's.
        if (widget == target && widget->window() == this && !qobject_cast<QMenuBar*>(widget)) {
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

// --- Handlers -------------------------------------------------------------------------------

void TForm1::FormCreate() {
    // The grid's heading row is row 0 of the log.
    gridModel_->HeadingsChanged();
    RemoveStaleBackups();
    PageControl1->setTabVisible(LogInputPage, false);
    PageControl1->setTabVisible(CabrilloLogPage, false);
    PageControl1->setTabVisible(MultListPage, false);
    // Realtime and AutoSave are as the last run left them.
    const QSettings settings(QStringLiteral("Kerolt"), QStringLiteral("Kerolt"));
    Realtime1->setChecked(settings.value(QStringLiteral("Realtime"), false).toBool());
    AutoSave1->setChecked(settings.value(QStringLiteral("AutoSave"), true).toBool());
    ShowSetUpMarks();
    ShowDocumentName();
}

void TForm1::ShowSetUpMarks() {
    const bool realtime = Realtime1->isChecked();
    if (realtime) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
    SetPanelText(RealtimePanel,
                 realtime ? tr("Realtime: On") : tr("Realtime: Off"));
    SetPanelText(AutoSavePanel, AutoSave1->isChecked() ? tr("AutoSave: On")
                                                       : tr("AutoSave: Off"));
}

void TForm1::SaveSetUpMarks() {
    QSettings settings(QStringLiteral("Kerolt"), QStringLiteral("Kerolt"));
    settings.setValue(QStringLiteral("Realtime"), Realtime1->isChecked());
    settings.setValue(QStringLiteral("AutoSave"), AutoSave1->isChecked());
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
    ShowSetUpMarks();
    SaveSetUpMarks();
}
void TForm1::AutoSave1Click() {
    ShowSetUpMarks();
    SaveSetUpMarks();
    // From now on Last.log holds the document, this moment included.
    if (AutoSave1->isChecked())
        BackUpLog();
}
void TForm1::Timer1Timer() {
    if (PageControl1->currentIndex() != LogInputPage)
        return;
    TimeEdit->setText(clock_.TimeOfDay().toString(QStringLiteral("HHmm")));
}

}  // namespace kerolt
