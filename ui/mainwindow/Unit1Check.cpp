#include <QColor>
#include <QLabel>
#include <QListWidget>

#include "cabrillo/LogCheck.h"
#include "ui/support/CoreLines.h"
#include "ui/support/CoreText.h"
#include "ui/features/callentry/PartialCalls.h"
#include "ui/mainwindow/Unit1.h"

// The log check's marks on the "Cabrillo log" page and its Check command.
namespace kerolt {

namespace {

const QColor ProblemColour(255, 190, 190);
const QColor NoteColour(255, 240, 170);

}  // namespace

void TForm1::ShowLogCheck(const std::vector<std::string>& lines) {
    if (lines.empty()) {
        CheckSummary->clear();
        return;
    }
    // The items outlive a check (only changed lines are replaced): earlier marks go first.
    for (int i = 0; i < CabrilloLog->count(); ++i) {
        QListWidgetItem* item = CabrilloLog->item(i);
        if (item->data(Qt::BackgroundRole).isValid()) {
            item->setData(Qt::BackgroundRole, QVariant());
            item->setToolTip(QString());
        }
    }
    const CallList& known = partials_->KnownCalls();
    const std::vector<Finding> findings =
        CheckCabrilloLog(lines, countryTable_, known.Size() > 0 ? &known : nullptr);
    std::size_t problems = 0;
    // A line's findings come together: the check returns them in line order.
    for (std::size_t i = 0; i < findings.size();) {
        QListWidgetItem* item = CabrilloLog->item(findings[i].Line - 1);
        bool problem = false;
        QStringList reasons;
        for (; i < findings.size() && item == CabrilloLog->item(findings[i].Line - 1); ++i) {
            const bool isProblem = findings[i].Level == FindingLevel::Problem;
            problem = problem || isProblem;
            problems += isProblem ? 1 : 0;
            reasons << Translate(isProblem
                                     ? Message(KT("Check", "problem: %1"), {findings[i].Message})
                                     : Message(KT("Check", "note: %1"), {findings[i].Message}));
        }
        // The text stays as it is: the page's lines are what Save writes.
        if (item) {
            item->setBackground(problem ? ProblemColour : NoteColour);
            item->setToolTip(reasons.join(QLatin1Char('\n')));
        }
    }
    const std::size_t notes = findings.size() - problems;
    const QString problemCount =
        (problems == 1 ? tr("%1 problem") : tr("%1 problems")).arg(problems);
    const QString noteCount = (notes == 1 ? tr("%1 note") : tr("%1 notes")).arg(notes);
    //: The check's summary: the problems counted, then the notes
    CheckSummary->setText((findings.empty() ? tr("%1, %2")
                                            : tr("%1, %2 (point at a marked line for why)"))
                              .arg(problemCount, noteCount));
}

void TForm1::Check1Click() {
    // The document's text as it stands, with the same check as the page and --check.
    RebuildCabrilloLog();
    const CallList& known = partials_->KnownCalls();
    prompts_.ShowInformation(TranslateLines(CheckVerdict(CheckCabrilloLog(
        doc_.CabrilloLines(), countryTable_, known.Size() > 0 ? &known : nullptr))));
}

}  // namespace kerolt
