#include "contest/Scoring.h"

#include "common/Text.h"
#include "contest/EntryToken.h"
#include "contest/LogEntry.h"
#include "contest/LogYear.h"

namespace kerolt {

namespace {

constexpr std::size_t MultCapacity = 6;
// Room for a large multi-operator log before the stores have to grow.
constexpr std::size_t ReservedMults = 1501;
constexpr std::size_t ReservedDupes = 3001;

// The band leads the key so that no text can imitate another band's entry.
std::string IndexKey(BandIndex band, std::string_view storedText) {
    std::string key;
    key.reserve(storedText.size() + 1);
    key.push_back(static_cast<char>(band));
    key.append(storedText);
    return key;
}

// The multiplier as the table stores it; none for an unresolved call. Guantanamo counts as the
// K multiplier.
std::optional<std::string_view> StoredMult(std::string_view mult) {
    if (mult == "***")
        return std::nullopt;
    if (mult == "KG4")
        mult = "K";
    return mult.substr(0, MultCapacity);
}

// "0", "000", ...: what is logged when a station gives no serial number.
bool IsZeroNumber(std::string_view nr) {
    const std::string number = Trim(nr);
    return !number.empty() && number.find_first_not_of('0') == std::string::npos;
}

}  // namespace

std::string PadLeft(long long n, int width) {
    std::string text = std::to_string(n);
    if (static_cast<long long>(text.size()) < width) {
        std::size_t blanks = static_cast<std::size_t>(width) - text.size();
        if (blanks > 20)
            blanks = 20;
        text.insert(0, blanks, ' ');
    }
    return text;
}

std::string DupeKey(std::string_view call) {
    return Cut(Trim(call), MaxCallLength);
}

std::string EntityStatusText(const EntityRecord& entity) {
    return Cut(Cut(entity.PrimaryPrefix + " ", 11) + entity.Name, 37);
}

ScoringEngine::ScoringEngine(CountryTable& table, const ContestState& state)
    : table_(table), state_(state) {
    multTable_.reserve(ReservedMults);
    dupeTable_.reserve(ReservedDupes);
    multIndex_.reserve(ReservedMults);
    dupeIndex_.reserve(ReservedDupes);
}

void ScoringEngine::ClearMultTable() {
    multTable_.clear();
    multIndex_.clear();
}

void ScoringEngine::ClearDupeTable() {
    dupeTable_.clear();
    dupeIndex_.clear();
}

void ScoringEngine::ClearBandTotals() {
    bandTotals_ = {};
    claimedScore_ = 0;
}

bool ScoringEngine::AddMult(BandIndex band, std::string_view mult) {
    const std::optional<std::string_view> stored = StoredMult(mult);
    if (!stored)
        return false;
    std::string key = IndexKey(band, *stored);
    if (const auto found = multIndex_.find(key); found != multIndex_.end()) {
        ++multTable_[found->second].Count;
        return false;
    }
    multIndex_.emplace(std::move(key), multTable_.size());
    multTable_.push_back(MultEntry{std::string(*stored), 1, band});
    return true;
}

bool ScoringEngine::IsNewMult(BandIndex band, std::string_view mult) const {
    const std::optional<std::string_view> stored = StoredMult(mult);
    return stored && !multIndex_.contains(IndexKey(band, *stored));
}

bool ScoringEngine::CheckAndAddDupe(std::string_view call, BandIndex band) {
    const std::string stored = DupeKey(call);
    if (!dupeIndex_.insert(IndexKey(band, stored)).second)
        return true;
    dupeTable_.push_back(DupeEntry{stored, band});
    return false;
}

bool ScoringEngine::IsDupe(std::string_view call, BandIndex band) const {
    return dupeIndex_.contains(IndexKey(band, DupeKey(call)));
}

bool ReceivedNumberScores(std::string_view nrRcvd, std::string_view contestDate) {
    return !IsZeroNumber(nrRcvd) || ContestYear(contestDate, ScoringEngine::ZeroNumberRuleYear) <
                                        ScoringEngine::ZeroNumberRuleYear;
}

QsoScore ScoringEngine::Evaluate(std::string_view rawCall, BandIndex band,
                                 std::string_view nrRcvd) const {
    // A call read from a file keeps the blanks that pad its column. They must not decide the
    // entity (an entry that spells a whole call matches only that call) nor the call area, so
    // an opened log scores as it did when typed.
    const std::string call = TrimRight(rawCall);
    QsoScore score;
    // A row whose call was erased in the grid is no QSO: no phantom multiplier, no points.
    if (Trim(call).empty())
        return score;

    const std::string prefix = table_.PrefixOf(call);
    score.NoCountry = prefix == UnknownEntity().PrimaryPrefix;
    if (state_.OwnScandinavian) {
        if (IsScandinavianPrefix(prefix)) {
            score.Standing = QsoStanding::ScandinavianPair;
            return score;
        }
        // The entity PrefixOf found, as ContinentOf would find it again.
        score.Points = table_.CurrentEntity().Continent == "EU" ? 2 : 3;
        score.Mult = prefix;
    } else {
        if (!IsScandinavianPrefix(prefix)) {
            score.Standing = QsoStanding::NotInContest;
            return score;
        }
        // The call as the lookup read it: the location in front, the area digit in place.
        const std::string located = NormalizePortableCall(table_.LocationCall(call));
        if (located.find('/') == 2) {
            score.Mult = prefix + "0";
        } else if (prefix == "OH0" || prefix == "OJ0") {
            score.Mult = prefix;
        } else {
            // The call area digit of an ordinary call.
            score.Mult = prefix;
            const char area = CharAt(located, static_cast<long>(prefix.size()) + 1);
            if (prefix.size() < located.size())
                score.Mult.push_back(area);
        }
        score.Points = !state_.OwnEuropean && (band == Band80 || band == Band40) ? 3 : 1;
    }
    score.Standing = QsoStanding::Scored;
    score.ZeroNumber = !ReceivedNumberScores(nrRcvd, state_.ContestDate);
    if (score.ZeroNumber)
        score.Mult.clear();
    score.NewMult = !score.Mult.empty() && IsNewMult(band, score.Mult);
    score.Dupe = IsDupe(call, band);
    if (score.Dupe || score.ZeroNumber)
        score.Points = 0;
    return score;
}

Message ScoringEngine::CallVerdict(std::string_view call, BandIndex band,
                                   std::string_view nrRcvd) const {
    if (IsCallFieldNumber(Trim(call)))
        return {};
    return VerdictText(Evaluate(call, band, nrRcvd));
}

bool ScoringEngine::Tally(std::string_view call, BandIndex band, std::string_view nrRcvd) {
    const QsoScore score = Evaluate(call, band, nrRcvd);
    currentMult_.clear();
    currentPoints_.clear();
    if (score.Standing != QsoStanding::Scored)
        return false;

    if (!score.Mult.empty())
        AddMult(band, score.Mult);
    CheckAndAddDupe(call, band);
    if (score.NewMult)
        currentMult_ = score.Mult;
    currentPoints_ = std::to_string(score.Points);

    if (IsContestBand(band)) {
        BandTotal& total = bandTotals_[band];
        ++total.Qsos;
        total.Points += score.Points;
        if (score.NewMult)
            ++total.Mults;
    }
    return true;
}

void ScoringEngine::TallyQso(std::string_view call, BandIndex band, std::string_view nrRcvd) {
    Tally(call, band, nrRcvd);
}

void ScoringEngine::UpdateClaimedScore() {
    long long mults = 0;
    long long points = 0;
    for (const BandTotal& total : bandTotals_) {
        mults += total.Mults;
        points += total.Points;
    }
    // The score is a 32-bit integer; the product is formed in 64 bits and wrapped to 32 the
    // way 32-bit arithmetic wraps, without the undefined signed overflow.
    const auto product =
        static_cast<unsigned long long>(mults) * static_cast<unsigned long long>(points);
    claimedScore_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(product));
}

ScoreDisplay ScoringEngine::ScoreQso(std::string_view call, BandIndex band,
                                     std::string_view nrRcvd) {
    ScoreDisplay display;
    if (!Tally(call, band, nrRcvd)) {
        display.EntityText = NotInContestText;
        return display;
    }
    UpdateClaimedScore();
    display.Summary = ScoreSummary();
    display.ClaimedScore = std::to_string(claimedScore_);
    display.EntityText = EntityStatusText(table_.CurrentEntity());
    return display;
}

ScoreDisplay ScoringEngine::ScoreRow(QsoLog& log, int row) {
    ScoreDisplay display =
        ScoreQso(log.Cell(row, ColCall), BandFromFrequency(log.Cell(row, ColFreq)),
                 log.Cell(row, ColNrRcvd));
    log.SetCell(row, ColMult, currentMult_);
    log.SetCell(row, ColPoints, currentPoints_);
    return display;
}

ScoreDisplay ScoringEngine::RescoreLog(QsoLog& log) {
    ClearDupeTable();
    ClearMultTable();
    ClearBandTotals();

    ScoreDisplay display;
    const int lastRow = log.QsoRowCount();
    bool lastInContest = false;
    for (int row = 1; row <= lastRow; ++row) {
        lastInContest = Tally(log.Cell(row, ColCall), BandFromFrequency(log.Cell(row, ColFreq)),
                              log.Cell(row, ColNrRcvd));
        log.SetCell(row, ColMult, currentMult_);
        log.SetCell(row, ColPoints, currentPoints_);
    }
    // The entity panel tells of the last row, as scoring it alone would.
    if (lastRow > 0)
        display.EntityText =
            lastInContest ? EntityStatusText(table_.CurrentEntity()) : NotInContestText;

    // Whatever the last row was, the score shown is the re-scored log's, so that no stale
    // claimed score reaches the Cabrillo file.
    UpdateClaimedScore();
    display.Summary = ScoreSummary();
    display.ClaimedScore = std::to_string(claimedScore_);
    return display;
}

Message VerdictText(const QsoScore& score) {
    switch (score.Standing) {
        case QsoStanding::NoCall:
            return {};
        case QsoStanding::ScandinavianPair:
            return Message(KT("Score", "0 pts: Scandinavian with Scandinavian"));
        case QsoStanding::NotInContest:
            return Message(KT("Score", "0 pts: not in the contest"));
        case QsoStanding::Scored:
            break;
    }
    // A dupe after a "000" QSO still brings the multiplier that QSO could not.
    if (score.NewMult)
        return Message(KT("Score", "NEW MULT %1"), {score.Mult});
    if (score.Dupe)
        return Message(KT("Score", "DUPE"));
    if (score.ZeroNumber)
        return Message(KT("Score", "0 pts: received 000"));
    const std::string points = std::to_string(score.Points);
    if (score.NoCountry)
        return score.Points == 1 ? Message(KT("Score", "%1 pt: no country found"), {points})
                                 : Message(KT("Score", "%1 pts: no country found"), {points});
    return score.Points == 1 ? Message(KT("Score", "%1 pt"), {points})
                             : Message(KT("Score", "%1 pts"), {points});
}

std::vector<std::string> ScoringEngine::ScoreSummary() const {
    std::vector<std::string> lines;
    lines.reserve(10);
    lines.emplace_back("Band  QSO  Pnt  Mul");
    lines.emplace_back("====  ===  ===  ===");
    long long qsos = 0;
    long long points = 0;
    long long mults = 0;
    for (int band = Band80; band <= BandCount; ++band) {
        const BandTotal& total = bandTotals_[static_cast<std::size_t>(band)];
        std::string line = " ";  // appended: g++ 12 at -O3 warns falsely on " " + string
        line += BandName(static_cast<BandIndex>(band));
        lines.push_back(line + PadLeft(total.Qsos, 5) + PadLeft(total.Points, 5) +
                        PadLeft(total.Mults, 5));
        qsos += total.Qsos;
        points += total.Points;
        mults += total.Mults;
    }
    lines.emplace_back("====  ===  ===   ==");
    lines.push_back("    " + PadLeft(qsos, 5) + PadLeft(points, 5) + PadLeft(mults, 5));
    lines.push_back("Score:" + PadLeft(claimedScore_, 7));
    return lines;
}

}  // namespace kerolt
