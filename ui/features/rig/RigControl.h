#pragma once

// The rig: the "SetUp, Rig..." command, the rig's panel in the status bar, the settings it is
// kept in and the worker that reads it. The band selector follows the rig, and a QSO committed
// on the rig's band carries its frequency.

#include <QObject>

class QAction;
class QLabel;

namespace kerolt {

class Rig;
struct RigSettings;
class TForm1;

class RigControl : public QObject {
    Q_OBJECT
  public:
    // Places its command and panel in form and lives as long as form.
    explicit RigControl(TForm1& form);

    // The rig control of form.
    static RigControl& Of(TForm1& form);

    // Polls the rig of settings from now on (none: the rig panel goes away).
    void Apply(const RigSettings& settings);
    // How often a rig applied after this is read; the window's own is about once a second.
    void SetPollInterval(int milliseconds);

  private:
    void Choose();
    // A reading or a lost rig: the band selector follows a rig that moved, the panel shows it.
    void Changed(int followBand);

    TForm1& form_;
    QAction* command_ = nullptr;
    QLabel* panel_ = nullptr;
    Rig* rig_ = nullptr;
};

}  // namespace kerolt
