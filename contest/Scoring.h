#pragma once

// The scoring engine: multipliers, dupes, points, per-band totals and the claimed score.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/Message.h"
#include "contest/ContestRules.h"
#include "contest/QsoLog.h"
#include "country/CTY.h"

namespace kerolt {

struct MultEntry {
    std::string Mult;  // cut to 6 characters
    std::int32_t Count = 0;
    BandIndex Band = NoBand;

    bool operator==(const MultEntry&) const = default;
};

struct DupeEntry {
    std::string Call;  // DupeKey of the worked call
    BandIndex Band = NoBand;

    bool operator==(const DupeEntry&) const = default;
};

struct BandTotal {
    std::int32_t Qsos = 0;
    std::int32_t Points = 0;
    std::int32_t Mults = 0;

    bool operator==(const BandTotal&) const = default;
};

// What the window shows after a scoring; an absent part leaves its control as it is.
struct ScoreDisplay {
    std::optional<std::vector<std::string>> Summary;  // ResList: the ten summary lines
    std::optional<std::string> ClaimedScore;          // ClamedScoreEdit
    std::optional<std::string> EntityText;            // status panel 4
};

inline constexpr const char* NotInContestText = "Not in contest";

// Where a QSO stands in the contest: whether it scores at all, and why not.
enum class QsoStanding { NoCall, ScandinavianPair, NotInContest, Scored };

// How one QSO scores against the stores as they stand, before it is logged.
struct QsoScore {
    QsoStanding Standing = QsoStanding::NoCall;
    // The multiplier the QSO counts toward; empty when it counts toward none.
    std::string Mult;
    bool NewMult = false;
    bool Dupe = false;
    // Received number zero where the "000" rule holds: no points, no multiplier.
    bool ZeroNumber = false;
    // The country file knows no entity of the call: points by the rule, never a multiplier.
    bool NoCountry = false;
    int Points = 0;
};

// The short verdict shown while a call is typed: "DUPE", "NEW MULT OH2", "2 pts", or
// "0 pts: " and the reason, "3 pts: no country found"; empty for no call and for a number
// (a time or a frequency typed in the call field).
Message VerdictText(const QsoScore& score);

// Whether a received number scores in the contest of a contest date (YYYY-MM-DD): from the
// contest of ScoringEngine::ZeroNumberRuleYear on, a zero ("0", "000") gives no points and no
// multiplier; a date without a year follows today's rules. Every other number scores.
bool ReceivedNumberScores(std::string_view nrRcvd, std::string_view contestDate);

// n in decimal, right-aligned in width characters (at most 20 blanks are put in front), never
// cut.
std::string PadLeft(long long n, int width);

// What makes two QSOs on one band the same station, for the scoring, the results and the
// check alike: the call trimmed and cut to MaxCallLength, the most a call field or the QSO
// line holds, so that every call that can be logged is compared whole.
std::string DupeKey(std::string_view call);

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

    // From this year's contest on (the year of ContestDate; a date without a year follows
    // today's rules), a QSO whose received number is zero ("0", "000") gives no points and no
    // multiplier, though it is logged and so makes a later QSO with the station a dupe.
    static constexpr int ZeroNumberRuleYear = 2018;

    // How the QSO would score now; changes no store (the country table's CurrentEntity becomes
    // the call's entity).
    QsoScore Evaluate(std::string_view call, BandIndex band, std::string_view nrRcvd) const;
    // VerdictText of Evaluate: what Enter would give the typed QSO.
    Message CallVerdict(std::string_view call, BandIndex band, std::string_view nrRcvd) const;

    // Scores one QSO into the stores; sets CurrentMult and CurrentPoints.
    void TallyQso(std::string_view call, BandIndex band, std::string_view nrRcvd);
    // As TallyQso, then recomputes the claimed score and tells what to show. A QSO that is not
    // in the contest changes nothing and only sets EntityText to "Not in contest".
    ScoreDisplay ScoreQso(std::string_view call, BandIndex band, std::string_view nrRcvd);
    // ScoreQso of a logged row's call, band and received number, then its Mult and P cells written.
    ScoreDisplay ScoreRow(QsoLog& log, int row);
    // Empties the stores and scores QSO rows 1..N (N = row count - 2) again, rewriting their
    // Mult and P cells. The summary and the claimed score always describe the re-scored log
    // (an empty log gives the zero state); EntityText is that of the last row, absent for an
    // empty log.
    ScoreDisplay RescoreLog(QsoLog& log);
    // RescoreLog's result after one QSO row's cells changed, or after the last row went (row is
    // then the old row count): only the rows that share the row's old or new call or
    // multiplier on its band are scored again. Falls back to RescoreLog when the stores were
    // not filled by RescoreLog and ScoreRow from this log in this contest state.
    // rescored, when given, gets the other rows whose Mult or P cells were written (all rows
    // when the whole log was scored again).
    ScoreDisplay RescoreRow(QsoLog& log, int row, std::vector<int>* rescored = nullptr);

    // The ten lines of the score table.
    std::vector<std::string> ScoreSummary() const;

    const std::vector<MultEntry>& MultTable() const { return multTable_; }
    const std::vector<DupeEntry>& DupeTable() const { return dupeTable_; }
    // Indexed by band; index NoBand stays zero.
    const std::array<BandTotal, BandCount + 1>& BandTotals() const { return bandTotals_; }
    // (sum of Mults) x (sum of Points) as a 32-bit integer, as of the last ScoreQso or
    // RescoreLog.
    std::int32_t ClaimedScore() const { return claimedScore_; }
    const std::string& CurrentMult() const { return currentMult_; }
    const std::string& CurrentPoints() const { return currentPoints_; }

  private:
    // What a QSO row's scoring found, kept so that a changed row needs no lookup of the others.
    struct RowScore {
        QsoStanding Standing = QsoStanding::NoCall;
        BandIndex Band = NoBand;
        std::string DupeKey;  // band and dupe key, when scored
        std::string MultKey;  // band and stored multiplier, when it counts toward one
        std::string Mult;
        int Points = 0;  // before a dupe or a zero number takes them
        bool ZeroNumber = false;
        bool Dupe = false;
        bool NewMult = false;
    };

    // Evaluate without the stores: Dupe and NewMult false, Points before they are taken.
    QsoScore EvaluateAlone(std::string_view call, BandIndex band, std::string_view nrRcvd) const;
    RowScore RowScoreOf(const QsoScore& alone, BandIndex band, std::string_view call) const;
    // Scores one QSO; false when it is not in the contest.
    bool Tally(std::string_view call, BandIndex band, std::string_view nrRcvd,
               RowScore* kept = nullptr);
    void AddTotal(const RowScore& score, int sign);
    void ApplyRowScore(QsoLog& log, int row, const RowScore& score);
    bool RowScoresFit(int rows) const;
    void ForgetRowScores() { rowScoresValid_ = false; }
    bool IsNewMult(BandIndex band, std::string_view mult) const;
    void UpdateClaimedScore();

    CountryTable& table_;
    const ContestState& state_;
    std::vector<MultEntry> multTable_;
    std::vector<DupeEntry> dupeTable_;
    std::array<BandTotal, BandCount + 1> bandTotals_{};
    std::int32_t claimedScore_ = 0;
    std::string currentMult_;
    std::string currentPoints_;
    // Beside the tables, keyed by band and stored text: the entry an in-order scan would find.
    std::unordered_map<std::string, std::size_t> multIndex_;
    std::unordered_set<std::string> dupeIndex_;
    // The rows RescoreLog and ScoreRow scored, in log order, and the state they were scored in.
    std::vector<RowScore> rowScores_;
    bool rowScoresValid_ = false;
    ContestState rowScoresState_;
};

}  // namespace kerolt
