#pragma once

// The rig chosen under "SetUp, Rig...", kept in the user's settings for the next start.

#include <QString>

namespace kerolt {

struct RigSettings {
    int Model = 0;  // Hamlib's model number; 0 is no rig
    QString Port;  // a serial device, or host:port for a rig on the network; empty: the model's own
    int Speed = 0;  // serial bits per second; 0: the model's own
    bool On() const { return Model != 0; }
};

RigSettings LoadRigSettings();
void SaveRigSettings(const RigSettings& settings);

}  // namespace kerolt
