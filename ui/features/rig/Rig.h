#pragma once

// The rig through Hamlib. Hamlib's calls wait for the radio, so they run in a thread of their
// own, the program's only other thread: a small worker that opens the rig, reads its frequency
// and mode on a timer and hands each reading back as a queued signal. The window never waits
// for the rig; a rig that is off, unplugged or slow only leaves the window without a reading,
// and the worker tries to open it again at the next poll.

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "contest/RigRules.h"
#include "ui/features/rig/RigSettings.h"

class QThread;

namespace kerolt {

class RigWorker;

// One model of Hamlib's list: its number and "maker model".
struct RigModel {
    int Model;
    QString Name;
};
// Hamlib's rig models, by name.
std::vector<RigModel> RigModels();

// Lives in the window's thread and owns the worker's thread. Going away it never waits long:
// a thread still inside Hamlib is left to end, and delete itself, on its own.
class Rig : public QObject {
    Q_OBJECT
  public:
    explicit Rig(QObject* parent = nullptr);
    ~Rig() override;

    // Polls the rig of settings from now on, or nothing for no rig. The reading is gone until
    // the new rig answers.
    void Start(const RigSettings& settings);
    void SetPollInterval(int milliseconds);

    bool On() const { return on_; }
    // The last reading, while the rig answers.
    const std::optional<RigReading>& Reading() const { return reading_; }
    std::optional<long> Khz() const;

  signals:
    // A reading came or the rig was lost; followBand is the band the selector moves to
    // (NoBand: it stays).
    void Changed(int followBand);

  private:
    void Arrived(int generation, double hz, const QString& mode);
    void Lost(int generation);

    QThread* thread_ = nullptr;
    RigWorker* worker_ = nullptr;
    bool on_ = false;
    // Readings of a rig given up on may still be on their way; they carry an older number.
    int generation_ = 0;
    int intervalMs_ = 1000;
    std::optional<RigReading> reading_;
    RigBandFollower follower_;
};

}  // namespace kerolt
