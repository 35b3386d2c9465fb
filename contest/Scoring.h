#pragma once

// The scoring engine: multipliers, dupes, points, per-band totals and the claimed score.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contest/ContestRules.h"
#include "contest/QsoLog.h"
#include "country/CTY.h"

namespace kerolt {

struct MultEntry {
    std::string Mult;  // cut to 6 characters
    std::int32_t Count = 0;
    BandIndex Band = 0;
};

struct DupeEntry {
    std::string Call;  // trimmed, cut to 11 characters
    BandIndex Band = 0;
};

struct BandTotal {
    std::int32_t Qsos = 0;
    std::int32_t Points = 0;
    std::int32_t Mults = 0;
};

// What the window shows after a scoring; an absent part leaves its control as it is.
struct ScoreDisplay {
    std::optional<std::vector<std::string>> Summary;  // ResList: the ten summary lines
    std::optional<std::string> ClaimedScore;          // ClamedScoreEdit
    std::optional<std::string> EntityText;            // status panel 4
};

inline constexpr const char* NotInContestText = "Not in contest";

// n in decimal, right-aligned in width characters, never cut.
std::string PadLeft(long long n, int width);

// Primary prefix and a blank, cut to 11, then the entity name, the whole cut to 37.
std::string EntityStatusText(const EntityRecord& entity);

class ScoringEngine {
public:
    ScoringEngine(CountryTable& table, const ContestState& state);

    void ClearMultTable();
    void ClearDupeTable();
    void ClearBandTotals();

    bool AddMult(BandIndex band, std::string_view mult);
    bool CheckAndAddDupe(std::string_view call, BandIndex band);
    bool IsDupe(std::string_view call, BandIndex band) const;

    // Scores one QSO into the stores; sets CurrentMult and CurrentPoints.
    void TallyQso(std::string_view call, BandIndex band);
    // As TallyQso, then recomputes the claimed score and tells what to show.
    ScoreDisplay ScoreQso(std::string_view call, BandIndex band);
    // Empties the stores and scores every QSO row again, rewriting its Mult and P cells.
    // The display always describes the re-scored log.
    ScoreDisplay RescoreLog(QsoLog& log);

    // The ten lines of the score table.
    std::vector<std::string> ScoreSummary() const;

    const std::vector<MultEntry>& MultTable() const { return multTable_; }
    const std::vector<DupeEntry>& DupeTable() const { return dupeTable_; }
    // Index 1..5 are the bands; index 0 stays zero.
    const std::array<BandTotal, 6>& BandTotals() const { return bandTotals_; }
    std::int32_t ClaimedScore() const { return claimedScore_; }
    const std::string& CurrentMult() const { return currentMult_; }
    const std::string& CurrentPoints() const { return currentPoints_; }

private:
    // (implementation detail: index members are added by the implementation)
    CountryTable& table_;
    const ContestState& state_;
    std::vector<MultEntry> multTable_;
    std::vector<DupeEntry> dupeTable_;
    std::array<BandTotal, 6> bandTotals_{};
    std::int32_t claimedScore_ = 0;
    std::string currentMult_;
    std::string currentPoints_;
};

}  // namespace kerolt
