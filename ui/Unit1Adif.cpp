#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include "adif/AdifImport.h"
#include "adif/AdifWriter.h"
#include "common/TextFile.h"
#include "ui/Clock.h"
#include "ui/CoreText.h"
#include "ui/Unit1.h"

// ADIF for logbooks and QSL services, and a log from another logger's ADIF file.

namespace kerolt {

void TForm1::ExportAdif1Click() {
    if (const std::string refusal = AdifExportRefusal(ToCore(CallEdit->text()), log_);
        !refusal.empty()) {
        prompts_.ShowInformation(ToUi(refusal));
        return;
    }
    // Beside the log the window shows, else in the working folder.
    const QString log = PanelText(FilePanel);
    const QDir folder = log.isEmpty() ? QDir::current() : QFileInfo(log).absoluteDir();
    const std::optional<QString> chosen = prompts_.SaveFile(
        AdifDialog, folder.filePath(ToUi(ProposedAdifName(ToCore(CallEdit->text())))));
    if (!chosen)
        return;
    const AdifLog adif =
        BuildAdifLog(StationDataFromControls(), log_, state_.ContestDate, clock_.UtcNow());
    WriteLines(NativeName(*chosen), adif.Lines);
    if (!adif.LeftOut.empty())
        prompts_.ShowInformation(ToUi(LeftOutMessage(adif.LeftOut)));
}

void TForm1::ImportAdif1Click() {
    if (!MaySaveFirst(SaveOccasion::Opening))
        return;
    const std::optional<QString> chosen = prompts_.OpenFile(AdifDialog);
    if (!chosen)
        return;
    // The whole file is read and sorted before anything changes.
    const AdifImport import = LoadAdifFile(NativeName(*chosen), StationDataFromControls());
    if (!import.File.Rows.empty()) {
        ShowOpenedFile(import.File);
        RebuildCabrilloLog();
        SetPanelText(FilePanel, QFileInfo(*chosen).absoluteFilePath());
        // The imported log exists in no Cabrillo file yet.
        logSaved_ = false;
    }
    if (!import.Message.empty())
        prompts_.ShowInformation(ToUi(import.Message));
}

}  // namespace kerolt
