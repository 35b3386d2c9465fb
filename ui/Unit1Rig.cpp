#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>

#include "contest/RigRules.h"
#include "ui/CoreText.h"
#include "ui/Rig.h"
#include "ui/RigSettings.h"
#include "ui/Unit1.h"

// The rig: its menu item, its status panel, and the band selector following it.

namespace kerolt {

void TForm1::BuildRig() {
    RigPanel = new QLabel;
    RigPanel->setObjectName(QStringLiteral("RigPanel"));
    RigPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    RigPanel->hide();
    statusBar()->addWidget(RigPanel);

    rig_ = new Rig(this);
    connect(rig_, &Rig::Changed, this, Slot(&TForm1::RigChanged));
    connect(Rig1, &QAction::triggered, this, Slot(&TForm1::Rig1Click));
}

void TForm1::ApplyRig(const RigSettings& settings) {
    // The rig panel takes its room from the file panel, so the window keeps its width.
    if (settings.On() == RigPanel->isHidden()) {
        RigPanel->setVisible(settings.On());
        FitStatusPanels();
    }
    rig_->Start(settings);
}

void TForm1::SetRigPollInterval(int milliseconds) {
    rig_->SetPollInterval(milliseconds);
}

void TForm1::Rig1Click() {
    const std::optional<RigSettings> chosen = prompts_.ChooseRig(LoadRigSettings());
    if (!chosen)
        return;
    SaveRigSettings(*chosen);
    ApplyRig(*chosen);
}

void TForm1::RigChanged(int followBand) {
    // The rig moved: its frequency goes before one typed earlier.
    if (followBand != NoBand) {
        typedKhz_.reset();
        SelectBand(followBand - 1);
    }
    RigPanel->setText(ToUi(RigPanelText(rig_->Reading(), ContestBox->currentIndex())));
}

}  // namespace kerolt
