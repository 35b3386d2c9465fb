#include <QLabel>
#include <QStatusBar>
#include <algorithm>

#include "contest/Scoring.h"
#include "ui/support/CoreText.h"
#include "ui/support/EventHook.h"
#include "ui/mainwindow/Unit1.h"

// The status bar's panels measured in the bar's own font, so that their texts fit whatever the
// font and the screen's scale: each fixed text's panel as wide as its longest text, the entity
// panel as wide as the widest entity of the country table, the file panel the rest.

namespace kerolt {

namespace {

// What the note panel fits to: its width for entities, and the most the bar gives it.
constexpr const char* FitWidthProperty = "kerolt_fitWidth";
constexpr const char* RoomProperty = "kerolt_room";

// The file's path keeps at least this much of the bar.
constexpr int FilePanelLeast = 100;
// What the panels cannot have of the window's width: the gaps between them and the grip.
constexpr int BarSlack = 40;

// What a panel needs to show text whole, in its own font and frame.
int Needed(const QLabel* panel, const QString& text) {
    QLabel measure(text);
    measure.setFont(panel->font());
    measure.setFrameStyle(panel->frameStyle());
    return measure.sizeHint().width();
}

}  // namespace

void TForm1::BuildStatusPanels() {
    QLabel* filePanel = panels_[FilePanel];
    filePanel->setMinimumWidth(FilePanelLeast);
    filePanel->setMaximumWidth(QWIDGETSIZE_MAX);
    // A long path is cut, never widens the window.
    filePanel->setSizePolicy(QSizePolicy::Ignored, filePanel->sizePolicy().verticalPolicy());
    statusBar()->removeWidget(filePanel);
    statusBar()->insertWidget(0, filePanel, 1);
    filePanel->show();
    panels_[EntityPanel]->setWordWrap(true);
    EventHook::Install(statusBar(), QEvent::FontChange, [this](QEvent*) {
        FitStatusPanels();
        return false;
    });
    FitStatusPanels();
}

void TForm1::AddStatusPanel(QLabel* panel, const QString& widestText) {
    statusBar()->addWidget(panel);
    addedPanels_.emplace_back(panel, widestText);
    FitStatusPanels();
}

void TForm1::FitStatusPanels() {
    QLabel* autoSave = panels_[AutoSavePanel];
    QLabel* realtime = panels_[RealtimePanel];
    QLabel* entity = panels_[EntityPanel];
    autoSave->setFixedWidth(
        std::max(Needed(autoSave, tr("AutoSave: On")), Needed(autoSave, tr("AutoSave: Off"))));
    realtime->setFixedWidth(
        std::max(Needed(realtime, tr("Realtime: On")), Needed(realtime, tr("Realtime: Off"))));
    int taken = autoSave->width() + realtime->width();
    for (const auto& [panel, widestText] : addedPanels_) {
        panel->setFixedWidth(Needed(panel, widestText));
        if (!panel->isHidden())
            taken += panel->width();
    }

    const QFontMetrics metrics(entity->font());
    QString widest = QLatin1String(NotInContestText);
    for (const EntityRecord& record : countryTable_.Entities()) {
        const QString text = ToUi(EntityStatusText(record));
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
            widest = text;
    }
    const int room = width() - FilePanelLeast - BarSlack - taken;
    entity->setProperty(FitWidthProperty, std::min(Needed(entity, widest), room));
    entity->setProperty(RoomProperty, room);
    FitNotePanel();
}

void TForm1::FitNotePanel() {
    QLabel* entity = panels_[EntityPanel];
    // Before the panels are first fitted the panel keeps the width it was built with.
    if (!entity->property(FitWidthProperty).isValid())
        return;
    const int fit = entity->property(FitWidthProperty).toInt();
    const int room = std::max(fit, entity->property(RoomProperty).toInt());
    const int needed = Needed(entity, entity->text());
    const int width = std::clamp(needed, fit, room);
    entity->setFixedWidth(width);
    // A wrapped note makes the bar as high as its lines.
    entity->setMinimumHeight(needed > width ? entity->heightForWidth(width) : 0);
}

}  // namespace kerolt
