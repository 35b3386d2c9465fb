#include "ui/features/adif/AdifCommands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "adif/AdifImport.h"
#include "adif/AdifWriter.h"
#include "common/TextFile.h"
#include "ui/support/Clock.h"
#include "ui/support/CoreLines.h"
#include "ui/support/CoreText.h"
#include "ui/mainwindow/Unit1.h"

namespace kerolt {

AdifCommands::AdifCommands(TForm1& form, Clock& clock)
    : QObject(&form), form_(form), clock_(clock) {
    ImportAdif1 = new QAction(tr("&Import ADIF..."), this);
    ImportAdif1->setObjectName(QStringLiteral("ImportAdif1"));
    ExportAdif1 = new QAction(tr("&Export ADIF..."), this);
    ExportAdif1->setObjectName(QStringLiteral("ExportAdif1"));
    // A group of their own after the save commands and their separator.
    QMenu* file = form.FileMenu();
    const QList<QAction*> items = file->actions();
    qsizetype save = 0;
    while (save < items.size() && items[save]->objectName() != QLatin1String("Save1")) ++save;
    QAction* before = items.value(save + 2);  // none: at the end
    file->insertActions(before, {ImportAdif1, ExportAdif1});
    file->insertSeparator(before);

    connect(ImportAdif1, &QAction::triggered, this,
            [this] { form_.Guard([this] { ImportAdif1Click(); }); });
    connect(ExportAdif1, &QAction::triggered, this,
            [this] { form_.Guard([this] { ExportAdif1Click(); }); });
}

void AdifCommands::ExportAdif1Click() {
    const StationData station = form_.StationDataFromControls();
    if (const Message refusal = AdifExportRefusal(station.CallEdit, form_.Log());
        !refusal.Empty()) {
        form_.Dialogs().ShowInformation(Translate(refusal));
        return;
    }
    // Beside the log the window shows, else in the working folder.
    const QString log = form_.PanelText(FilePanel);
    const QDir folder = log.isEmpty() ? QDir::current() : QFileInfo(log).absoluteDir();
    const std::optional<QString> chosen = form_.Dialogs().SaveFile(
        AdifDialog, folder.filePath(ToUi(ProposedAdifName(station.CallEdit))));
    if (!chosen)
        return;
    const AdifLog adif =
        BuildAdifLog(station, form_.Log(), form_.State().ContestDate, clock_.UtcNow());
    WriteLines(NativeName(*chosen), adif.Lines);
    if (!adif.LeftOut.empty())
        form_.Dialogs().ShowInformation(TranslateLines(LeftOutMessage(adif.LeftOut)));
}

void AdifCommands::ImportAdif1Click() {
    if (!form_.MaySaveFirst(TForm1::SaveOccasion::Opening))
        return;
    const std::optional<QString> chosen = form_.Dialogs().OpenFile(AdifDialog);
    if (!chosen)
        return;
    // The whole file is read and sorted before anything changes.
    const AdifImport import = LoadAdifFile(NativeName(*chosen), form_.StationDataFromControls());
    // The imported log exists in no Cabrillo file yet: it comes from the ADIF file, changed.
    if (!import.File.Rows.empty())
        form_.ShowOpenedFile(import.File, NativeName(QFileInfo(*chosen).absoluteFilePath()), true);
    if (!import.Message.empty())
        form_.Dialogs().ShowInformation(TranslateLines(import.Message));
}

}  // namespace kerolt
