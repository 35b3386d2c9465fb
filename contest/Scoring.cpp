#include "contest/Scoring.h"

#include <algorithm>
#include <numeric>

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
    : table_(table), state_(state), rowScoresValid_(true), rowScoresState_(state) {
    multTable_.reserve(ReservedMults);
    dupeTable_.reserve(ReservedDupes);
    multIndex_.reserve(ReservedMults);
    dupeIndex_.reserve(ReservedDupes);
}

void ScoringEngine::ClearMultTable() {
    ForgetRowScores();
    multTable_.clear();
    multIndex_.clear();
}

void ScoringEngine::ClearDupeTable() {
    ForgetRowScores();
    dupeTable_.clear();
    dupeIndex_.clear();
}

void ScoringEngine::ClearBandTotals() {
    ForgetRowScores();
    bandTotals_ = {};
    claimedScore_ = 0;
}

bool ScoringEngine::AddMult(BandIndex band, std::string_view mult) {
    const std::optional<std::string_view> stored = StoredMult(mult);
    if (!stored)
        return false;
    ForgetRowScores();
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
    ForgetRowScores();
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

QsoScore ScoringEngine::Evaluate(std::string_view call, BandIndex band,
                                 std::string_view nrRcvd) const {
    QsoScore score = EvaluateAlone(call, band, nrRcvd);
    if (score.Standing != QsoStanding::Scored)
        return score;
    score.NewMult = !score.Mult.empty() && IsNewMult(band, score.Mult);
    score.Dupe = IsDupe(call, band);
    if (score.Dupe || score.ZeroNumber)
        score.Points = 0;
    return score;
}

QsoScore ScoringEngine::EvaluateAlone(std::string_view rawCall, BandIndex band,
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
    return score;
}

ScoringEngine::RowScore ScoringEngine::RowScoreOf(const QsoScore& alone, BandIndex band,
                                                  std::string_view call) const {
    RowScore kept;
    kept.Standing = alone.Standing;
    kept.Band = band;
    if (alone.Standing != QsoStanding::Scored)
        return kept;
    kept.DupeKey = IndexKey(band, DupeKey(call));
    if (const std::optional<std::string_view> stored = StoredMult(alone.Mult);
        stored && !alone.Mult.empty())
        kept.MultKey = IndexKey(band, *stored);
    kept.Mult = alone.Mult;
    kept.Points = alone.Points;
    kept.ZeroNumber = alone.ZeroNumber;
    return kept;
}

Message ScoringEngine::CallVerdict(std::string_view call, BandIndex band,
                                   std::string_view nrRcvd) const {
    if (IsCallFieldNumber(Trim(call)))
        return {};
    return VerdictText(Evaluate(call, band, nrRcvd));
}

bool ScoringEngine::Tally(std::string_view call, BandIndex band, std::string_view nrRcvd,
                          RowScore* kept) {
    const QsoScore alone = EvaluateAlone(call, band, nrRcvd);
    QsoScore score = alone;
    if (score.Standing == QsoStanding::Scored) {
        score.NewMult = !score.Mult.empty() && IsNewMult(band, score.Mult);
        score.Dupe = IsDupe(call, band);
        if (score.Dupe || score.ZeroNumber)
            score.Points = 0;
    }
    if (kept) {
        *kept = RowScoreOf(alone, band, call);
        kept->Dupe = score.Dupe;
        kept->NewMult = score.NewMult;
    }
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
    ForgetRowScores();
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
    // A commit adds the next row to those kept, when they are the log's until then.
    const bool kept = RowScoresFit(row - 1);
    RowScore score;
    ScoreDisplay display;
    if (Tally(log.Cell(row, ColCall), BandFromFrequency(log.Cell(row, ColFreq)),
              log.Cell(row, ColNrRcvd), &score)) {
        UpdateClaimedScore();
        display.Summary = ScoreSummary();
        display.ClaimedScore = std::to_string(claimedScore_);
        display.EntityText = EntityStatusText(table_.CurrentEntity());
    } else {
        display.EntityText = NotInContestText;
    }
    log.SetCell(row, ColMult, currentMult_);
    log.SetCell(row, ColPoints, currentPoints_);
    if (kept && row == log.QsoRowCount()) {
        rowScores_.push_back(std::move(score));
        rowScoresValid_ = true;
    }
    return display;
}

ScoreDisplay ScoringEngine::RescoreLog(QsoLog& log) {
    ClearDupeTable();
    ClearMultTable();
    ClearBandTotals();

    ScoreDisplay display;
    const int lastRow = log.QsoRowCount();
    bool lastInContest = false;
    rowScores_.assign(static_cast<std::size_t>(lastRow), RowScore{});
    for (int row = 1; row <= lastRow; ++row) {
        lastInContest = Tally(log.Cell(row, ColCall), BandFromFrequency(log.Cell(row, ColFreq)),
                              log.Cell(row, ColNrRcvd), &rowScores_[row - 1U]);
        log.SetCell(row, ColMult, currentMult_);
        log.SetCell(row, ColPoints, currentPoints_);
    }
    rowScoresValid_ = true;
    rowScoresState_ = state_;
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

bool ScoringEngine::RowScoresFit(int rows) const {
    return rowScoresValid_ && rowScores_.size() == static_cast<std::size_t>(rows) &&
           rowScoresState_.OwnScandinavian == state_.OwnScandinavian &&
           rowScoresState_.OwnEuropean == state_.OwnEuropean &&
           rowScoresState_.ContestDate == state_.ContestDate;
}

void ScoringEngine::AddTotal(const RowScore& score, int sign) {
    if (score.Standing != QsoStanding::Scored || !IsContestBand(score.Band))
        return;
    BandTotal& total = bandTotals_[score.Band];
    total.Qsos += sign;
    total.Points += sign * (score.Dupe || score.ZeroNumber ? 0 : score.Points);
    if (score.NewMult)
        total.Mults += sign;
}

void ScoringEngine::ApplyRowScore(QsoLog& log, int row, const RowScore& score) {
    const bool scored = score.Standing == QsoStanding::Scored;
    log.SetCell(row, ColMult, scored && score.NewMult ? score.Mult : std::string());
    log.SetCell(row, ColPoints,
                scored ? std::to_string(score.Dupe || score.ZeroNumber ? 0 : score.Points)
                       : std::string());
}

ScoreDisplay ScoringEngine::RescoreRow(QsoLog& log, int row, std::vector<int>* rescored) {
    const int lastRow = log.QsoRowCount();
    const bool removed = row == lastRow + 1;
    if (row < 1 || !RowScoresFit(removed ? row : lastRow)) {
        if (rescored) {
            rescored->resize(static_cast<std::size_t>(lastRow));
            std::iota(rescored->begin(), rescored->end(), 1);
        }
        return RescoreLog(log);
    }
    const std::size_t changed = static_cast<std::size_t>(row) - 1;

    // The row's old part in the totals goes; its new score has no dupe or multiplier yet.
    AddTotal(rowScores_[changed], -1);
    const RowScore old = std::move(rowScores_[changed]);
    RowScore now;
    if (!removed) {
        const BandIndex band = BandFromFrequency(log.Cell(row, ColFreq));
        const std::string& call = log.Cell(row, ColCall);
        now = RowScoreOf(EvaluateAlone(call, band, log.Cell(row, ColNrRcvd)), band, call);
    }
    rowScores_[changed] = now;

    // Only rows keyed as the row was or is now can change: at most two of each kind.
    std::vector<std::string> dupeKeys;
    std::vector<std::string> multKeys;
    for (const RowScore* score : {&old, static_cast<const RowScore*>(&now)}) {
        if (!score->DupeKey.empty() &&
            std::find(dupeKeys.begin(), dupeKeys.end(), score->DupeKey) == dupeKeys.end())
            dupeKeys.push_back(score->DupeKey);
        if (!score->MultKey.empty() &&
            std::find(multKeys.begin(), multKeys.end(), score->MultKey) == multKeys.end())
            multKeys.push_back(score->MultKey);
    }
    const auto keyOf = [](const std::vector<std::string>& keys, const std::string& key) {
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (keys[k] == key)
                return static_cast<int>(k);
        }
        return -1;
    };
    // Where each key's first row puts its entry in the tables, which keep first rows' order.
    std::array<std::ptrdiff_t, 2> dupeAt{-1, -1};
    std::array<std::ptrdiff_t, 2> multAt{-1, -1};
    std::array<std::int32_t, 2> multCount{0, 0};
    std::ptrdiff_t firstsSeen = 0;
    std::ptrdiff_t multsSeen = 0;
    for (std::size_t j = 0; j < rowScores_.size(); ++j) {
        RowScore& score = rowScores_[j];
        if (score.Standing != QsoStanding::Scored)
            continue;
        bool dupe = score.Dupe;
        bool newMult = score.NewMult;
        if (const int k = keyOf(dupeKeys, score.DupeKey); k >= 0) {
            dupe = dupeAt[k] >= 0;
            if (!dupe)
                dupeAt[k] = firstsSeen;
        }
        if (const int k = score.MultKey.empty() ? -1 : keyOf(multKeys, score.MultKey); k >= 0) {
            newMult = multAt[k] < 0;
            if (newMult)
                multAt[k] = multsSeen;
            ++multCount[k];
        }
        if (j == changed || dupe != score.Dupe || newMult != score.NewMult) {
            if (j != changed)
                AddTotal(score, -1);
            score.Dupe = dupe;
            score.NewMult = newMult;
            AddTotal(score, 1);
            ApplyRowScore(log, static_cast<int>(j) + 1, score);
            if (rescored && j != changed)
                rescored->push_back(static_cast<int>(j) + 1);
        }
        firstsSeen += score.Dupe ? 0 : 1;
        multsSeen += score.NewMult ? 1 : 0;
    }
    if (removed) {
        rowScores_.pop_back();
    } else if (now.Standing != QsoStanding::Scored) {
        ApplyRowScore(log, row, now);
    }

    // The tables: the keys' entries out, then in again where their first rows now are.
    for (const std::string& key : dupeKeys) {
        const DupeEntry entry{key.substr(1), static_cast<BandIndex>(key[0])};
        if (const auto found = std::find(dupeTable_.begin(), dupeTable_.end(), entry);
            found != dupeTable_.end())
            dupeTable_.erase(found);
        dupeIndex_.erase(key);
    }
    std::vector<std::size_t> order{0, 1};
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return dupeAt[a] < dupeAt[b];
    });
    for (const std::size_t k : order) {
        if (k < dupeKeys.size() && dupeAt[k] >= 0) {
            dupeTable_.insert(dupeTable_.begin() + dupeAt[k],
                              DupeEntry{dupeKeys[k].substr(1),
                                        static_cast<BandIndex>(dupeKeys[k][0])});
            dupeIndex_.insert(dupeKeys[k]);
        }
    }
    for (const std::string& key : multKeys) {
        const auto found =
            std::find_if(multTable_.begin(), multTable_.end(), [&](const MultEntry& entry) {
                return entry.Band == static_cast<BandIndex>(key[0]) &&
                       std::string_view(entry.Mult) == std::string_view(key).substr(1);
            });
        if (found != multTable_.end())
            multTable_.erase(found);
    }
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return multAt[a] < multAt[b]; });
    for (const std::size_t k : order) {
        if (k < multKeys.size() && multAt[k] >= 0)
            multTable_.insert(multTable_.begin() + multAt[k],
                              MultEntry{multKeys[k].substr(1), multCount[k],
                                        static_cast<BandIndex>(multKeys[k][0])});
    }
    if (!multKeys.empty()) {
        multIndex_.clear();
        for (std::size_t i = 0; i < multTable_.size(); ++i)
            multIndex_.emplace(IndexKey(multTable_[i].Band, multTable_[i].Mult), i);
    }

    // The entity panel and the table's current entity tell of the last row, as RescoreLog
    // leaves them: the last call looked up is that of the last row with a call.
    ScoreDisplay display;
    if (!rowScores_.empty()) {
        int looked = static_cast<int>(rowScores_.size());
        while (looked > 0 && Trim(log.Cell(looked, ColCall)).empty()) --looked;
        if (looked > 0 && (looked != row || removed))
            EvaluateAlone(log.Cell(looked, ColCall), BandFromFrequency(log.Cell(looked, ColFreq)),
                          log.Cell(looked, ColNrRcvd));
        const bool lastInContest = rowScores_.back().Standing == QsoStanding::Scored;
        display.EntityText =
            lastInContest ? EntityStatusText(table_.CurrentEntity()) : NotInContestText;
    }
    if (!rowScores_.empty()) {
        const RowScore& last = rowScores_.back();
        const bool scored = last.Standing == QsoStanding::Scored;
        currentMult_ = scored && last.NewMult ? last.Mult : std::string();
        currentPoints_ =
            scored ? std::to_string(last.Dupe || last.ZeroNumber ? 0 : last.Points) : std::string();
    }
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
