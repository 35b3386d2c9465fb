#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>

#include "cabrillo/CabrilloWriter.h"
#include "common/KeroltError.h"
#include "common/TextFile.h"
#include "contest/EntryToken.h"
#include "contest/RigRules.h"
#include "ui/widgets/ComboLists.h"
#include "ui/support/CoreText.h"
#include "ui/widgets/EntryFilter.h"
#include "ui/support/EventHook.h"
#include "ui/support/Hourglass.h"
#include "ui/support/Keys.h"
#include "ui/widgets/PageControl.h"
#include "ui/widgets/QsoGridModel.h"
#include "ui/mainwindow/Unit1.h"

// The log input page: page keys, the entry fields, the commit, the grid and the backup.

namespace kerolt {

namespace {

const QColor DupeColour(255, 101, 117);
constexpr const char* BackupFile = "Last.log";

QColor WindowColour(const QWidget* field) {
    return QApplication::palette(field).color(QPalette::Base);
}

bool HasWindowColour(const QWidget* field) {
    return field->palette().color(QPalette::Base) == WindowColour(field);
}

void SetBackground(QWidget* field, const QColor& colour) {
    if (field->palette().color(QPalette::Base) == colour)
        return;
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

void SetBandColour(QComboBox* list, bool chosen) {
    const QColor colour = chosen ? WindowColour(list) : QColor(Qt::red);
    SetBackground(list, colour);
    SetBackground(list->lineEdit(), colour);
}

// The program moves the focus as Tab would: the field's whole text is selected.
void MoveFocusTo(QWidget* field) {
    field->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

bool IsInside(const QWidget* widget, const QWidget* area) {
    return widget && (widget == area || area->isAncestorOf(widget));
}

}  // namespace

void TForm1::ConnectLogInputHandlers() {
    OnUserChange(FrekvensEdit, this, Slot(&TForm1::FrekvensEditChange));
    // A drop-down list takes Ctrl+PageUp/Down as its own paging keys; here they change the
    // page, as in every other field.
    EventHook::Install(FrekvensEdit, QEvent::KeyPress, [this](QEvent* event) {
        return PageControl1->TakePageKey(static_cast<QKeyEvent*>(event));
    });
    connect(TimeEdit, &QLineEdit::textChanged, this, Slot(&TForm1::TimeEditChange));
    connect(CallWkdInput, &QLineEdit::textChanged, this, &TForm1::CallChanged);
    connect(NrInput, &QLineEdit::textChanged, this, &TForm1::NumberChanged);
    connect(FrekvensEdit, &QComboBox::currentTextChanged, this, &TForm1::BandChanged);

    const std::pair<QLineEdit*, EntryField> filtered[] = {
        {TimeEdit, EntryField::Time},   {TREdit, EntryField::Number},
        {NyNrEdit, EntryField::Number}, {CallWkdInput, EntryField::Call},
        {RREdit, EntryField::Number},   {NrInput, EntryField::Received}};
    for (const auto& [field, kind] : filtered) {
        field->setValidator(new EntryValidator(kind, field));
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this,
                [this, field, kind](const QPoint& at) {
                    QMenu* menu = EntryFieldMenu(field, kind);
                    menu->setAttribute(Qt::WA_DeleteOnClose);
                    menu->popup(field->mapToGlobal(at));
                });
    }

    // A field's hooks run last-installed first: the key-down handlers see Enter and Esc
    // before the character filters refuse them.
    OnKey(TimeEdit, QEvent::KeyPress, &TForm1::TimeEditKeyPress);
    OnKey(TREdit, QEvent::KeyPress, &TForm1::TREditKeyPress);
    OnKey(NyNrEdit, QEvent::KeyPress, &TForm1::NyNrEditKeyPress);
    OnKey(RREdit, QEvent::KeyPress, &TForm1::RREditKeyPress);
    OnKey(NrInput, QEvent::KeyPress, &TForm1::NrInputKeyPress);
    OnKey(NrInput, QEvent::KeyPress, &TForm1::NrInputKeyDown);
    OnKey(CallWkdInput, QEvent::KeyPress, &TForm1::CallWkdInputKeyPress);
    OnKey(CallWkdInput, QEvent::KeyPress, &TForm1::CallWkdInputKeyDown);
    OnKey(CallWkdInput, QEvent::KeyRelease, &TForm1::CallWkdInputKeyUp);

    OnKey(SG, QEvent::KeyPress, &TForm1::SGKeyPress);
    SG->setItemDelegate(
        new QsoCellDelegate([this](QLineEdit* editor) { PrepareCellEditor(editor); }, SG));
    WatchGridExit(SG);
}

void TForm1::PrepareCellEditor(QLineEdit* editor) {
    OnKey(editor, QEvent::KeyPress, &TForm1::SGKeyPress);
    WatchGridExit(editor);
}

void TForm1::WatchGridExit(QWidget* widget) {
    // The grid is left when the focus goes from it, or from its cell editor, to a control
    // outside it; moving between the grid and its editor is no exit.
    EventHook::Install(widget, QEvent::FocusOut, [this](QEvent* event) {
        if (IsExit(static_cast<QFocusEvent*>(event)) && QApplication::focusWidget() &&
            !IsInside(QApplication::focusWidget(), SG))
            Guard([this] { SGExit(); });
        return false;
    });
}

// --- Page keys ------------------------------------------------------------------------------

bool TForm1::FormKeyDown(QKeyEvent* key) {
    if (PageControl1->currentIndex() != LogInputPage)
        return false;
    const int code = key->key();
    if ((key->modifiers() & Qt::AltModifier) && (code == Qt::Key_B || code == Qt::Key_V)) {
        StepBandBy(code == Qt::Key_B ? 1 : -1);
        // The field would only insert the letter; Windows gives an Alt key no character.
        return true;
    }
    if (Realtime1->isChecked())
        return false;
    const bool keypad = key->modifiers() & Qt::KeypadModifier;
    const QWidget* focus = QApplication::focusWidget();
    // A cell editor is not the grid itself: Up and Down step the time while editing a cell.
    const bool arrowsStepTime =
        focus != SG && focus != FrekvensEdit && focus != FrekvensEdit->lineEdit();
    if ((code == Qt::Key_Plus && keypad) || (code == Qt::Key_Up && arrowsStepTime)) {
        StepTimeBy(1);
    } else if ((code == Qt::Key_Minus && keypad) || (code == Qt::Key_Down && arrowsStepTime)) {
        StepTimeBy(-1);
    }
    return false;
}

void TForm1::StepTimeBy(int step) {
    TimeEdit->setText(ToUi(StepTime(ToCore(TimeEdit->text()), step)));
}

void TForm1::StepBandBy(int step) {
    SelectBand(StepBand(FrekvensEdit->currentIndex(), step, FrekvensEdit->count()));
}

void TForm1::SelectBand(int entry) {
    typedKhz_.reset();
    SetBandColour(FrekvensEdit, true);
    SelectEntry(FrekvensEdit, entry);
    // The typed call is worth what it is on the new band.
    RefreshCallMarks();
}

// --- Character filters ----------------------------------------------------------------------

bool TForm1::RefusedByFilter(QKeyEvent* key, EntryField field) {
    // Select-all and copy change nothing; a paste goes through the field's filter, and a call
    // too long is refused whole.
    if (key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::Copy))
        return false;
    if (key->matches(QKeySequence::Paste)) {
        if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
            Guard([&] { PasteInto(edit, field); });
        return true;
    }
    // An Alt key types no character in a field; Qt would insert its letter.
    if ((key->modifiers() & Qt::AltModifier) && !key->text().isEmpty())
        return true;
    const int typed = TypedChar(key);
    if (typed < 0)
        return false;
    // A letter the field takes in upper case passes; its validator changes its case.
    return !AcceptsChar(field, EntryChar(field, static_cast<char>(typed)));
}

void TForm1::PasteInto(QLineEdit* field, EntryField kind) {
    const auto staying =
        static_cast<std::size_t>(field->text().size() - field->selectedText().size());
    field->insert(ToUi(PastedText(kind, ToCore(QApplication::clipboard()->text()), staying)));
}

QMenu* TForm1::EntryFieldMenu(QLineEdit* field, EntryField kind) {
    // Only what works in the field: no undo, cut or delete past its filter.
    auto* menu = new QMenu(field);
    QAction* copy = menu->addAction(tr("&Copy"), field, &QLineEdit::copy);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(field->hasSelectedText() && field->echoMode() == QLineEdit::Normal);
    QAction* paste = menu->addAction(tr("&Paste"), this, [this, field, kind] {
        Guard([&] { PasteInto(field, kind); });
    });
    paste->setShortcut(QKeySequence::Paste);
    paste->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu->addSeparator();
    QAction* all = menu->addAction(tr("Select &All"), field, &QLineEdit::selectAll);
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(!field->text().isEmpty());
    return menu;
}

bool TForm1::TimeEditKeyPress(QKeyEvent* key) {
    return RefusedByFilter(key, EntryField::Time);
}

bool TForm1::TREditKeyPress(QKeyEvent* key) {
    // A report or number changed on the way: Enter goes on to the number received.
    if (IsEnter(key)) {
        MoveFocusTo(NrInput);
        return true;
    }
    return RefusedByFilter(key, EntryField::Number);
}

bool TForm1::NyNrEditKeyPress(QKeyEvent* key) {
    if (IsEnter(key)) {
        MoveFocusTo(NrInput);
        return true;
    }
    return RefusedByFilter(key, EntryField::Number);
}

bool TForm1::RREditKeyPress(QKeyEvent* key) {
    return RefusedByFilter(key, EntryField::Number);
}

bool TForm1::NrInputKeyPress(QKeyEvent* key) {
    if (TypedChar(key) == 0x1B)
        MoveFocusTo(CallWkdInput);
    return RefusedByFilter(key, EntryField::Received);
}

bool TForm1::CallWkdInputKeyPress(QKeyEvent* key) {
    // Space after a number takes it as a time or frequency; after a call it goes on to the
    // number unless the call is marked as a dupe.
    if (TypedChar(key) == ' ') {
        bool taken = false;
        emit CallSpace(&taken);
        if (taken)
            return true;
    }
    if (TypedChar(key) == ' ' && HasWindowColour(CallWkdInput))
        MoveFocusTo(NrInput);
    return RefusedByFilter(key, EntryField::Call);
}

bool TForm1::SGKeyPress(QKeyEvent* key) {
    return RefusedByFilter(key, EntryField::Grid);
}

// --- Call field -----------------------------------------------------------------------------

bool TForm1::CallWkdInputKeyDown(QKeyEvent* key) {
    if (IsEnter(key)) {
        MoveFocusTo(NrInput);
    } else if (key->key() == Qt::Key_Escape && !HasWindowColour(CallWkdInput)) {
        CallWkdInput->clear();
    }
    return false;
}

bool TForm1::CallWkdInputKeyUp(QKeyEvent*) {
    const std::string call = ToCore(CallWkdInput->text());
    const BandIndex band = BandFromFrequency(ToCore(ListText(FrekvensEdit)));
    SetBackground(CallWkdInput,
                  doc_.Scoring().IsDupe(call, band) ? DupeColour : WindowColour(CallWkdInput));
    // A number typed here is a time or a frequency, and keeps its note in the panel.
    if (call.size() > 2 && !IsCallFieldNumber(call)) {
        countryTable_.PrefixOf(call);
        SetPanelText(EntityPanel, ToUi(EntityStatusText(countryTable_.CurrentEntity())));
    }
    emit CallTyped();
    return false;
}

void TForm1::FrekvensEditChange() {
    typedKhz_.reset();
    SetBandColour(FrekvensEdit, true);
    MoveFocusTo(CallWkdInput);
    RefreshCallMarks();
}

void TForm1::TimeEditChange() {
    // The user, the time keys and the clock change the time on this page only; a time set
    // elsewhere by the program is followed by PrepareLogPage on arriving here.
    if (PageControl1->currentIndex() != LogInputPage)
        return;
    const std::string time = ToCore(TimeEdit->text());
    if (time.size() == 4)
        DateLabel->setText(ToUi(QsoDate(doc_.ContestDate(), time)));
}

// --- Commit ---------------------------------------------------------------------------------

QsoEntry TForm1::EntryFromControls() const {
    // A report typed after the received number is this QSO's; else the report field's.
    const ReceivedEntry received = SplitReceived(ToCore(NrInput->text()));
    return {FrequencyCell(typedKhz_, rigKhz_, ToCore(ListText(FrekvensEdit))),
            ToCore(TimeEdit->text()),
            ToCore(TREdit->text()),
            ToCore(NyNrEdit->text()),
            ToCore(CallWkdInput->text()),
            received.Rst.empty() ? ToCore(RREdit->text()) : received.Rst,
            received.Nr};
}

bool TForm1::NrInputKeyDown(QKeyEvent* key) {
    if (!IsEnter(key))
        return false;
    const QsoEntry entry = EntryFromControls();
    if (!CanCommit(entry, FrekvensEdit->currentIndex() >= 0))
        return false;
    if (const Message note = ReceivedNote(ToCore(NrInput->text()), ContestBox->currentIndex());
        !note.Empty()) {
        SetPanelText(EntityPanel, Translate(note));
        return false;
    }
    // Whole or not at all: whatever can fail is read before the log changes. The sent number
    // is what needs typing then, so its field gets the keys after the message.
    std::string nextNr;
    try {
        nextNr = NextSentNumber(entry.NrSent);
    } catch (const KeroltError&) {
        MoveFocusTo(NyNrEdit);
        throw;
    }
    // The station page as it stands is the QSO's own call and mode.
    SyncStation();
    // The fields empty first: the document's notice then finds no call typed.
    CallWkdInput->clear();
    NrInput->clear();
    NyNrEdit->setText(ToUi(nextNr));
    doc_.CommitQso(CommittedRow(doc_.Log().QsoCounter, entry));
    // A time or report the check will call a problem is logged as typed, and said at once.
    QStringList findings;
    for (const Message& finding : EntryFindings(entry, ContestBox->currentIndex()))
        findings << Translate(finding);
    if (!findings.isEmpty())
        SetPanelText(EntityPanel, findings.join(QStringLiteral("; ")));

    SG->setCurrentIndex(gridModel_->index(QsoGridModel::GridRow(doc_.Log().QsoCounter),
                                          static_cast<int>(ColCall)));
    // As for the backup's tab: only a hidden tab is worth the page control's repaint.
    if (!PageControl1->isTabVisible(CabrilloLogPage))
        PageControl1->setTabVisible(CabrilloLogPage, true);
    MoveFocusTo(CallWkdInput);
    return false;
}

void TForm1::RemoveStaleBackups() {
    // A backup cut short by a crash leaves its temporary file; nothing else would remove it.
    RemoveStaleTemporaries(BackupFile);
}

void TForm1::RefreshCallMarks() {
    const std::string call = ToCore(CallWkdInput->text());
    SetBackground(CallWkdInput, !call.empty() && doc_.Scoring().IsDupe(call, TypedBand())
                                    ? DupeColour
                                    : WindowColour(CallWkdInput));
    emit CallTyped();
}

// --- Grid -----------------------------------------------------------------------------------

void TForm1::Deletelastrow1Click() {
    if (doc_.Log().QsoRowCount() == 0)
        return;
    NyNrEdit->setText(ToUi(PreviousSentNumber(ToCore(NyNrEdit->text()))));
    doc_.RemoveLastQso();
}

void TForm1::SGExit() {
    // Each edit was taken, scored and backed up as it was made: leaving has nothing to do.
}

}  // namespace kerolt
