#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTabWidget>

#include "cabrillo/CabrilloReader.h"
#include "common/KeroltError.h"
#include "common/TextFile.h"
#include "common/Version.h"
#include "contest/ContestRules.h"
#include "ui/support/Clock.h"
#include "ui/support/CoreText.h"
#include "ui/widgets/ComboLists.h"
#include "ui/widgets/QsoGridModel.h"
#include "ui/mainwindow/Unit1.h"

// The window as a view of the log document: the views follow each change, the station
// controls feed it, the title and the backup follow it, and a new log or Last.log replace it.

namespace kerolt {

namespace {

constexpr const char* BackupFile = "Last.log";
const QString BackupUnsavedKey = QStringLiteral("Backup/Unsaved");

QSettings UserSettings() {
    return QSettings(QStringLiteral("Kerolt"), QStringLiteral("Kerolt"));
}

}  // namespace

void TForm1::ConnectStationSync() {
    doc_.StartWith(StationDataFromControls());
    const auto sync = [this] { Guard([this] { SyncStation(); }); };
    for (QLineEdit* edit : {CallEdit, EmailEdit, OperatorsEdit, NameEdit, AdrEdit1, AdrEdit2,
                            AdrEdit3, ClubEdit})
        connect(edit, &QLineEdit::textChanged, this, sync);
    for (QComboBox* list : {ContestBox, AssistedComboBox, BandComboBox, OperatorComboBox,
                            PowerComboBox, TransmitterComboBox, StationComboBox, OverlayComboBox}) {
        connect(list, &QComboBox::currentTextChanged, this, sync);
        connect(list, &QComboBox::currentIndexChanged, this, sync);
    }
    // The QSOs are dated in the contest shown, from the moment it is chosen.
    connect(ContestBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!writingStation_)
            Guard([this] { FollowContestDate(); });
    });
    connect(Memo1, &QPlainTextEdit::textChanged, this, sync);
    doc_.SetListener([this](const DocumentChange& change) { OnDocumentChanged(change); });
    gridModel_->SetCellEditor(
        [this](int row, int col, const QString& text) {
            bool taken = false;
            Guard([&] { taken = EditGridCell(row, col, text); });
            return taken;
        },
        [this](int row, int col) { return doc_.CellIsBad(row, col); });
}

void TForm1::SyncStation() {
    if (writingStation_)
        return;
    doc_.SetStation(StationDataFromControls());
}

void TForm1::RebuildCabrilloLog() {
    SyncStation();
    SetCabrilloLines(doc_.CabrilloLines());
}

bool TForm1::EditGridCell(int logRow, int col, const QString& text) {
    const Message refusal = doc_.EditCell(logRow, col, ToCore(text));
    if (refusal.Empty())
        return true;
    SetPanelText(EntityPanel, Translate(Message(KT("Document", "Not taken: %1"), {refusal})));
    return false;
}

void TForm1::OnDocumentChanged(const DocumentChange& change) {
    if (!change.SavedOnly) {
        if (change.Reset) {
            gridModel_->LogReset();
        } else {
            gridModel_->Follow(change.FirstRow, change.LastRow);
            for (const int row : change.ScoredRows) gridModel_->LogRowsChanged(row, row);
        }
        {
            // The claimed score is the document's; writing it is no change of the user's.
            const bool writing = writingStation_;
            writingStation_ = true;
            ShowScore(doc_.Score());
            writingStation_ = writing;
        }
        SetCabrilloLines(doc_.CabrilloLines());
        if (PageControl1->currentIndex() == MultListPage)
            ShowMultLists();
        RefreshCallMarks();
    }
    ShowDocumentName();
    // A backup that fails is told, and the change stands.
    if (AutoSave1->isChecked())
        Guard([this] { BackUpLog(); });
    emit DocumentChanged();
}

void TForm1::ShowDocumentName() {
    const QString file = ToUi(doc_.FileName());
    // Qt shows "[*]" as "*" while the document is changed, and not at all otherwise.
    const QString caption =
        tr("Kerolt Ver %1 - Manual Cabrillo input for SAC").arg(QLatin1String(ProgramVersion));
    setWindowTitle(file.isEmpty() ? caption + QStringLiteral("[*]")
                                  : QFileInfo(file).fileName() + QStringLiteral("[*] - ") + caption);
    setWindowModified(doc_.Modified());
    SetPanelText(FilePanel, file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath());
}

void TForm1::BackUpLog() {
    // The atomic writer keeps the previous backup whole when this one fails.
    WriteLines(BackupFile, doc_.CabrilloLines());
    // Asked first: setTabVisible lays out and repaints the whole page control even when the
    // tab is shown already.
    if (doc_.Log().QsoRowCount() > 0 && !PageControl1->isTabVisible(MultListPage))
        PageControl1->setTabVisible(MultListPage, true);
    // A later start offers the backup only when it holds what no saved file does.
    if (doc_.Modified() != backupUnsavedNoted_) {
        backupUnsavedNoted_ = doc_.Modified();
        QSettings settings = UserSettings();
        settings.setValue(BackupUnsavedKey, backupUnsavedNoted_);
        settings.sync();
    }
}

void TForm1::New1Click() {
    if (!MaySaveFirst(SaveOccasion::New))
        return;
    // The station page stays; the log and its date start again, in this year's contest.
    openedContestDate_.clear();
    xQsoLines_.clear();  // they go with the QSOs
    const LogPageDefaults defaults =
        ::kerolt::PrepareLogPage(ContestBox->currentIndex(), clock_.Year());
    doc_.Replace(StationDataFromControls(), {}, defaults.ContestDate, std::string(), false);
    NyNrEdit->setText(QStringLiteral("1"));
    PageControl1->setTabVisible(CabrilloLogPage, true);
}

void TForm1::OfferBackup() {
    Guard([this] { OfferBackupNow(); });
}

void TForm1::OfferBackupNow() {
    if (!UserSettings().value(BackupUnsavedKey, true).toBool())
        return;
    std::vector<std::string> lines;
    try {
        lines = ReadLines(BackupFile);
    } catch (const KeroltError&) {
        return;  // no backup
    }
    const int qsos = BackupQsoCount(lines);
    if (qsos == 0)
        return;
    const QDateTime written = QFileInfo(QLatin1String(BackupFile)).lastModified().toUTC();
    const QString question =
        (qsos == 1 ? tr("Last.log holds %1 QSO in no saved file, written %2 UTC. Open it?")
                   : tr("Last.log holds %1 QSOs in no saved file, written %2 UTC. Open it?"))
            .arg(qsos)
            .arg(written.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (prompts_.Question(question, QStringLiteral("Last.log"), QuestionButtons::YesNo) !=
        Answer::Yes)
        return;
    // The backup is in no saved file: it opens changed, with no file of its own.
    ShowOpenedFile(ReadCabrilloLog(lines, BackupFile), std::string(), true);
}

void TForm1::SelectLastQsoBand() {
    const QsoLog& log = doc_.Log();
    if (log.QsoRowCount() == 0)
        return;
    const BandIndex band = BandFromFrequency(log.Cell(log.QsoRowCount(), ColFreq));
    if (IsContestBand(band))
        SelectBand(static_cast<int>(band) - 1);
}

}  // namespace kerolt
