#include "ui/features/callentry/PartialCalls.h"

#include <QAction>
#include <QBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <algorithm>

#include "ui/support/CoreText.h"
#include "ui/widgets/Fonts.h"
#include "ui/mainwindow/Unit1.h"

namespace kerolt {

namespace {

// "*" worked in this log, "=" the call typed, "~" one character away from it.
QString PartialItemText(const PartialMatch& match) {
    const char kind = match.IsTyped ? '=' : match.OneAway ? '~' : ' ';
    return ToUi(std::string{match.InLog ? '*' : ' ', kind, ' '} + match.Call);
}

}  // namespace

PartialCalls::PartialCalls(TForm1& form) : QObject(&form), form_(form) {
    // The list stands below the summary; hidden until it has calls to show.
    PartialList = new QListWidget;
    PartialList->setObjectName(QStringLiteral("PartialList"));
    PartialList->setFont(PixelFont(QStringLiteral("Courier New"), 12));
    PartialList->setFocusPolicy(Qt::NoFocus);
    PartialList->setSelectionMode(QAbstractItemView::NoSelection);
    PartialList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PartialList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // It takes what the summary's lines leave below them.
    PartialList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    PartialList->setToolTip(tr("* worked in this log, = the call typed, ~ one character away"));
    PartialList->hide();
    form.BesideGridBox()->addWidget(PartialList, 1);

    // Joins the menu when a callsign list arrives; until then it is not there.
    CheckPartial1 = new QAction(tr("Check &partial"), this);
    CheckPartial1->setObjectName(QStringLiteral("CheckPartial1"));
    CheckPartial1->setCheckable(true);
    CheckPartial1->setVisible(false);
    connect(CheckPartial1, &QAction::triggered, this,
            [this] { form_.Guard([this] { CheckPartial1Click(); }); });

    connect(&form, &TForm1::CallTyped, this,
            [this] { form_.Guard([this] { ShowPartialMatches(); }); });
    // Emptied with the call field, also when the program empties it (a commit, Esc).
    connect(&form, &TForm1::CallChanged, this, [this] {
        if (form_.TypedCall().trimmed().size() < 2 && PartialList->count() > 0)
            form_.Guard([this] { ShowPartialMatches(); });
    });
}

void PartialCalls::SetCallList(CallList list) {
    callList_ = std::move(list);
    const bool found = callList_.Size() > 0;
    QMenu* setUp = form_.SetUpMenu();
    if (found && !setUp->actions().contains(CheckPartial1)) {
        setUp->addSeparator();
        setUp->addAction(CheckPartial1);
    }
    CheckPartial1->setVisible(found);
    CheckPartial1->setChecked(found);
    ShowPartialMatches();
}

void PartialCalls::CheckPartial1Click() {
    // The menu item has already turned its mark over; the search asks for it.
    ShowPartialMatches();
}

void PartialCalls::ReservePlace(bool reserve) {
    // The summary does not jump as calls come and go, and the rows that fit are known
    // beforehand. Without the feature the summary has the column to itself.
    QSizePolicy policy = PartialList->sizePolicy();
    if (policy.retainSizeWhenHidden() == reserve)
        return;
    policy.setRetainSizeWhenHidden(reserve);
    PartialList->setSizePolicy(policy);
    form_.KeepSummaryToItsLines(reserve);
}

void PartialCalls::ShowPartialMatches() {
    ReservePlace(CheckPartial1->isChecked() && callList_.Size() > 0);
    PartialList->parentWidget()->layout()->activate();
    const QFontMetrics metrics(PartialList->font());
    const int rowHeight = metrics.lineSpacing();
    const auto rows =
        static_cast<std::size_t>(std::max(2, PartialList->contentsRect().height() / rowHeight));
    PartialMatches found = CheckPartialFor(form_.TypedCall(), rows);
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
        add(tr("+%n more", "calls not shown", static_cast<int>(found.More)), Qt::NoItemFlags);
    PartialList->setVisible(PartialList->count() > 0);
}

PartialMatches PartialCalls::CheckPartialFor(const QString& typed, std::size_t maxItems) const {
    if (!CheckPartial1->isChecked() || callList_.Size() == 0)
        return {};
    const QsoLog& log = form_.Log();
    std::vector<std::string> logCalls;
    logCalls.reserve(static_cast<std::size_t>(log.RowCount()));
    for (int row = 1; row < log.RowCount(); ++row) {
        const std::string& call = log.Cell(row, ColCall);
        if (!call.empty())
            logCalls.push_back(call);
    }
    return CheckPartial(callList_, ToCore(typed), logCalls, maxItems);
}

}  // namespace kerolt
