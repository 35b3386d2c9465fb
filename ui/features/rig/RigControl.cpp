#include "ui/features/rig/RigControl.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "contest/RigRules.h"
#include "ui/support/CoreText.h"
#include "ui/features/rig/Rig.h"
#include "ui/features/rig/RigSettings.h"
#include "ui/mainwindow/Unit1.h"

namespace kerolt {

RigControl::RigControl(TForm1& form) : QObject(&form), form_(form) {
    setObjectName(QStringLiteral("RigControl"));
    QMenu* setUp = form.SetUpMenu();
    setUp->addSeparator();
    command_ = setUp->addAction(tr("R&ig..."));
    command_->setObjectName(QStringLiteral("Rig1"));

    panel_ = new QLabel;
    panel_->setObjectName(QStringLiteral("RigPanel"));
    panel_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel_->hide();
    form.AddStatusPanel(panel_, QStringLiteral("28500 USB (not CW)"));

    rig_ = new Rig(this);
    connect(rig_, &Rig::Changed, this,
            [this](int followBand) { form_.Guard([&] { Changed(followBand); }); });
    connect(command_, &QAction::triggered, this, [this] { form_.Guard([this] { Choose(); }); });
}

RigControl& RigControl::Of(TForm1& form) {
    return *form.findChild<RigControl*>(QString(), Qt::FindDirectChildrenOnly);
}

void RigControl::Apply(const RigSettings& settings) {
    // The rig panel takes its room from the file panel, so the window keeps its width.
    if (settings.On() == panel_->isHidden()) {
        panel_->setVisible(settings.On());
        form_.FitStatusPanels();
    }
    rig_->Start(settings);
}

void RigControl::SetPollInterval(int milliseconds) {
    rig_->SetPollInterval(milliseconds);
}

void RigControl::Choose() {
    const std::optional<RigSettings> chosen = form_.Dialogs().ChooseRig(LoadRigSettings());
    if (!chosen)
        return;
    SaveRigSettings(*chosen);
    Apply(*chosen);
}

void RigControl::Changed(int followBand) {
    form_.SetRigKhz(rig_->Khz());
    // The rig moved: its frequency goes before one typed earlier.
    if (followBand != NoBand)
        form_.SelectBand(followBand - 1);
    panel_->setText(
        Translate(RigPanelText(rig_->Reading(), form_.StationDataFromControls().ContestIndex)));
}

}  // namespace kerolt
