#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>

#include "common/TextFile.h"
#include "contest/MultList.h"
#include "ui/support/CoreText.h"
#include "ui/mainwindow/Unit1.h"

// The per-band multiplier lists and their file.

namespace kerolt {

namespace {

std::array<QListWidget*, BandCount> BandListWidgets(const TForm1& form) {
    return {form.List80, form.List40, form.List20, form.List15, form.List10};
}

}  // namespace

void TForm1::ShowMultLists() {
    // The lists come sorted from the core; the controls keep that order.
    const BandLists lists = BuildMultLists(doc_.Scoring().MultTable());
    const auto widgets = BandListWidgets(*this);
    for (std::size_t band = 0; band < widgets.size(); ++band) {
        widgets[band]->clear();
        widgets[band]->addItems(ToUi(lists[band]));
    }
}

void TForm1::SaveMultList1Click() {
    const std::optional<QString> fileName = prompts_.SaveFile(SaveDialog2, QString());
    if (!fileName)
        return;
    // The file shows the lists as the page shows them, not the table as it is now.
    BandLists lists;
    const auto widgets = BandListWidgets(*this);
    for (std::size_t band = 0; band < widgets.size(); ++band) {
        for (int i = 0; i < widgets[band]->count(); ++i)
            lists[band].push_back(ToCore(widgets[band]->item(i)->text()));
    }
    WriteLines(QFile::encodeName(*fileName).toStdString(),
               MultListFileLines(ToCore(CallEdit->text()), lists));
}

}  // namespace kerolt
