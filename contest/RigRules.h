#pragma once

// What a rig's reading means to the log: the contest band of a frequency, whether the rig's
// mode fits the contest, the status panel's text, the frequency a committed QSO carries, and
// when the band selector follows the rig.

#include <optional>
#include <string>
#include <string_view>

#include "common/Message.h"
#include "contest/ContestRules.h"

namespace kerolt {

// A rig's frequency and mode as the rig reports them: Hz, and a mode name such as "CW",
// "CWR", "USB" or "PKTLSB".
struct RigReading {
    double Hz = 0;
    std::string Mode;
};

// The nearest whole kHz of a frequency in Hz; 0 for a negative or absurd reading.
long KhzFromHz(double hz);

// Whether a rig mode can make QSOs of the contest: CW (either sideband) for SAC-CW, LSB or USB
// for SAC-SSB; any mode while no contest is chosen.
bool ModeFitsContest(int contestEntry, std::string_view mode);

// The rig's status panel: "no rig" without a reading, else kHz and mode ("14025 CW"), with
// the contest's mode in brackets when the rig's does not fit ("14025 USB (not CW)").
Message RigPanelText(const std::optional<RigReading>& reading, int contestEntry);

// The frequency cell of a committed QSO: the rig's kHz when the rig is on the band the
// selector shows, else the selector's band text (a band chosen by hand, a rig outside the
// contest bands, no rig), so that the cell always names the band the QSO is scored on.
std::string FrequencyCell(std::optional<long> rigKhz, std::string_view bandEntry);
// The same with a frequency typed by hand (whole kHz), which goes before the rig's while it is
// on the band the selector shows: the user typed it after the rig last moved.
std::string FrequencyCell(std::optional<long> typedKhz, std::optional<long> rigKhz,
                          std::string_view bandEntry);

// The band selector follows the rig when the rig moves, and only then: a band chosen by hand
// stays until the rig's frequency changes.
class RigBandFollower {
  public:
    // The band to select for a reading: the reading's band when the frequency differs from the
    // last one seen and lies on a contest band; nothing otherwise.
    std::optional<BandIndex> Follow(long khz);
    // The rig was lost: its first reading after that is a move.
    void Forget() { lastKhz_.reset(); }

  private:
    std::optional<long> lastKhz_;
};

}  // namespace kerolt
