#include <QAction>
#include <QColor>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <algorithm>

#include "cabrillo/LogCheck.h"
#include "cabrillo/QuickCheck.h"
#include "ui/CoreText.h"
#include "ui/Unit1.h"

// Check partial (the known calls near the one being typed), the log check's marks on the
// "Cabrillo log" page and its Check command.
namespace kerolt {

namespace {

const QColor ProblemColour(255, 190, 190);
const QColor NoteColour(255, 240, 170);

QString Counted(std::size_t n, const char* what) {
    return QStringLiteral("%1 %2%3")
        .arg(n)
        .arg(QLatin1String(what))
        .arg(n == 1 ? QString() : QStringLiteral("s"));
}

// The score summary's lines, all shown above the list.
constexpr int SummaryLines = 10;

// While the feature is on, the list keeps its place below the summary even when hidden: the
// summary does not jump as calls come and go, and the rows that fit are known beforehand.
// Without it the summary has the column to itself, as before.
void ReservePlace(QListWidget* list, QPlainTextEdit* summary, bool reserve) {
    QSizePolicy policy = list->sizePolicy();
    if (policy.retainSizeWhenHidden() == reserve)
        return;
    policy.setRetainSizeWhenHidden(reserve);
    list->setSizePolicy(policy);
    const int lines = QFontMetrics(summary->font()).lineSpacing() * SummaryLines;
    // The text layout takes a pixel or two beyond the margins; short of them a scroll bar shows.
    const int margins =
        2 * (summary->frameWidth() + static_cast<int>(summary->document()->documentMargin()) + 1);
    summary->setMaximumHeight(reserve ? lines + margins : QWIDGETSIZE_MAX);
}

// "*" worked in this log, "=" the call typed, "~" one character away from it.
QString PartialItemText(const PartialMatch& match) {
    const char kind = match.IsTyped ? '=' : match.OneAway ? '~' : ' ';
    return ToUi(std::string{match.InLog ? '*' : ' ', kind, ' '} + match.Call);
}

}  // namespace

void TForm1::SetCallList(CallList list) {
    callList_ = std::move(list);
    const bool found = callList_.Size() > 0;
    if (found && !setUpMenu_->actions().contains(CheckPartial1)) {
        setUpMenu_->addSeparator();
        setUpMenu_->addAction(CheckPartial1);
        // Emptied with the call field, also when the program empties it (a commit, Esc).
        connect(CallWkdInput, &QLineEdit::textChanged, this, [this](const QString& text) {
            if (text.trimmed().size() < 2 && PartialList->count() > 0)
                ShowPartialMatches();
        });
    }
    CheckPartial1->setVisible(found);
    CheckPartial1->setChecked(found);
    ShowPartialMatches();
}

void TForm1::CheckPartial1Click() {
    // The menu item has already turned its mark over; the search asks for it.
    ShowPartialMatches();
}

void TForm1::ShowPartialMatches() {
    ReservePlace(PartialList, ResList, CheckPartial1->isChecked() && callList_.Size() > 0);
    TabSheet2->layout()->activate();
    const QFontMetrics metrics(PartialList->font());
    const int rowHeight = metrics.lineSpacing();
    const auto rows =
        static_cast<std::size_t>(std::max(2, PartialList->contentsRect().height() / rowHeight));
    PartialMatches found = CheckPartialFor(CallWkdInput->text(), rows);
    // The last row tells how many more there are.
    if (found.More > 0 && found.Items.size() == rows) {
        found.Items.pop_back();
        ++found.More;
    }

    PartialList->clear();
    QFont bold = PartialList->font();
    bold.setBold(true);
    const auto add = [&](const QString& text, Qt::ItemFlags flags) {
        auto* item = new QListWidgetItem(text, PartialList);
        item->setFlags(flags);
        item->setSizeHint(QSize(metrics.horizontalAdvance(text) + 8, rowHeight));
        return item;
    };
    for (const PartialMatch& match : found.Items) {
        QListWidgetItem* item = add(PartialItemText(match), Qt::ItemIsEnabled);
        if (match.IsTyped)
            item->setFont(bold);
    }
    if (found.More > 0)
        add(QStringLiteral("+%1 more").arg(found.More), Qt::NoItemFlags);
    PartialList->setVisible(PartialList->count() > 0);
}

PartialMatches TForm1::CheckPartialFor(const QString& typed, std::size_t maxItems) const {
    if (!CheckPartial1->isChecked() || callList_.Size() == 0)
        return {};
    std::vector<std::string> logCalls;
    logCalls.reserve(static_cast<std::size_t>(log_.RowCount()));
    for (int row = 1; row < log_.RowCount(); ++row) {
        const std::string& call = log_.Cell(row, ColCall);
        if (!call.empty())
            logCalls.push_back(call);
    }
    return CheckPartial(callList_, ToCore(typed), logCalls, maxItems);
}

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
    const std::vector<Finding> findings =
        CheckCabrilloLog(lines, countryTable_, callList_.Size() > 0 ? &callList_ : nullptr);
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
            reasons << (isProblem ? QStringLiteral("problem: ") : QStringLiteral("note: ")) +
                           ToUi(findings[i].Message);
        }
        // The text stays as it is: the page's lines are what Save writes.
        if (item) {
            item->setBackground(problem ? ProblemColour : NoteColour);
            item->setToolTip(reasons.join(QLatin1Char('\n')));
        }
    }
    const std::size_t notes = findings.size() - problems;
    CheckSummary->setText(
        Counted(problems, "problem") + QStringLiteral(", ") + Counted(notes, "note") +
        (findings.empty() ? QString() : QStringLiteral(" (point at a marked line for why)")));
}

void TForm1::Check1Click() {
    prompts_.ShowInformation(ToUi(QuickCheckVerdict(CabrilloLines())));
}

}  // namespace kerolt
