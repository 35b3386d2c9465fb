#include "country/CTY.h"

#include <algorithm>

#include "common/Text.h"
#include "common/TextFile.h"

namespace kerolt {

namespace {

constexpr std::size_t PrefixCapacity = 10;
constexpr std::size_t NameCapacity = 26;
constexpr std::size_t ContinentCapacity = 2;
// The primary prefix starts in this column of an entity line; a "*" in it or the next two
// columns marks an entity that is not loaded.
constexpr long PrefixColumn = 70;

bool IsMarkedNotLoaded(std::string_view line) {
    for (long col = PrefixColumn; col < PrefixColumn + 3; ++col) {
        if (CharAt(line, col) == '*')
            return true;
    }
    return false;
}

EntityRecord ReadEntityLine(std::string_view line) {
    EntityRecord entity;
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos)
        entity.Name = Cut(line.substr(0, colon), NameCapacity);
    entity.Continent = Copy(line, 37, static_cast<long>(ContinentCapacity));
    // The prefix runs from its column to the ":" that closes the line. Blanks around it (a
    // hand-edited file) are never part of a prefix.
    std::string_view rest = TrimRightView(line);
    if (rest.size() >= static_cast<std::size_t>(PrefixColumn)) {
        rest.remove_prefix(PrefixColumn - 1);
        if (rest.back() == ':')
            rest.remove_suffix(1);
        entity.PrimaryPrefix = Cut(TrimView(rest), PrefixCapacity);
    }
    return entity;
}

// The character that closes a per-token value opened by c: zones "(..)" "[..]", position
// "<..>", country code "{..}", time offset "~..~". None of them is part of the prefix.
char CloserOf(char c) {
    switch (c) {
        case '(':
            return ')';
        case '[':
            return ']';
        case '<':
            return '>';
        case '{':
            return '}';
        case '~':
            return '~';
        default:
            return '\0';
    }
}

void AppendToken(std::string_view token, std::int32_t entity, std::vector<PrefixEntry>& out) {
    token = TrimView(token);
    bool wholeCall = false;
    if (!token.empty() && token.front() == '=') {
        wholeCall = true;
        token.remove_prefix(1);
    }
    // An empty token (",," or a lone "=") could never match a call.
    if (token.empty())
        return;
    // A whole call stays whole: cut, it could no longer equal the call it names.
    if (!wholeCall)
        token = token.substr(0, PrefixCapacity);
    out.push_back(PrefixEntry{std::string(token), entity, wholeCall});
}

// The tokens of one alias line: "    CK7QO(3)[2],=VE7ABC<49.0/123.0>,VE7;".
void ReadAliasLine(std::string_view line, std::int32_t entity, std::vector<PrefixEntry>& out) {
    std::string_view body = TrimView(line);
    // The closing "," or ";" says only whether the list goes on; a line without one (a file
    // cut short) still gives all its tokens.
    if (!body.empty() && (body.back() == ',' || body.back() == ';'))
        body.remove_suffix(1);
    const std::size_t n = body.size();
    std::size_t i = 0;
    while (i < n) {
        // The prefix text is what comes before the token's first bracketed value.
        const std::size_t start = i;
        while (i < n && body[i] != ',' && body[i] != ';' && CloserOf(body[i]) == '\0') ++i;
        const std::string_view token = body.substr(start, i - start);
        // Its values, in any order, and anything else up to the separator.
        while (i < n && body[i] != ',' && body[i] != ';') {
            const char closer = CloserOf(body[i]);
            if (closer == '\0') {
                ++i;
                continue;
            }
            const std::size_t close = body.find(closer, i + 1);
            // An unclosed value runs to the end of the line.
            i = close == std::string_view::npos ? n : close + 1;
        }
        AppendToken(token, entity, out);
        if (i < n && body[i] == ';')
            break;
        ++i;
    }
}

// 32-bit FNV-1a; one character at a time, so the hashes of all beginnings of a call come in
// one pass.
constexpr std::uint32_t HashSeed = 2166136261u;
std::uint32_t HashStep(std::uint32_t h, char c) {
    return (h ^ static_cast<unsigned char>(c)) * 16777619u;
}
std::uint32_t Hash(std::string_view s) {
    std::uint32_t h = HashSeed;
    for (const char c : s) h = HashStep(h, c);
    return h;
}

// Whether entry e replaces the best match so far, of length bestLen, for call c. While the
// best match has at most two characters any beginning of c may replace it; after that only
// an entry that spells the whole call. A whole-call entry matches only the whole call.
bool Improves(const PrefixEntry& e, std::string_view c, std::size_t bestLen) {
    const std::size_t len = e.Text.size();
    if (len <= bestLen || len > c.size() || e.Text[0] != c[0])
        return false;
    if (e.WholeCall || bestLen >= 3)
        return len == c.size() && c == e.Text;
    return c.compare(0, len, e.Text) == 0;
}

}  // namespace

const EntityRecord& UnknownEntity() {
    static const EntityRecord unknown{"***", "Unknown", ""};
    return unknown;
}

std::string NormalizePortableCall(std::string_view call) {
    std::string c(call);
    const std::size_t slash = c.find('/');
    // "/" at position 1 to 3 is a prefix written in front (DL/SM5ABC), not an area.
    if (slash == std::string::npos || slash < 3)
        return c;
    if (slash + 1 >= c.size() || !IsDigit(c[slash + 1]))
        return c;
    if (IsDigit(c[2])) {
        c[2] = c[slash + 1];
    } else if (IsDigit(c[1])) {
        c[1] = c[slash + 1];
    }
    return c;
}

CountryTable::CountryTable()
    : entities_(1), prefixes_{PrefixEntry{"", 0, false}, PrefixEntry{"", 0, false}} {}

CountryTable CountryTable::FromLines(const std::vector<std::string>& lines) {
    CountryTable table;
    table.loaded_ = true;
    table.entities_.clear();
    table.prefixes_.clear();

    // Room for the whole file up front: a token per separator is an upper bound.
    std::size_t entityRoom = 1;
    std::size_t prefixRoom = 2;
    for (const auto& line : lines) {
        if (!line.empty() && line[0] == ' ') {
            prefixRoom += 1 + static_cast<std::size_t>(std::count_if(
                                  line.begin(), line.end(), [](char c) { return c == ','; }));
        } else {
            ++entityRoom;
        }
    }
    table.entities_.reserve(entityRoom);
    table.prefixes_.reserve(prefixRoom);

    std::int32_t current = -1;  // alias lines before the first entity belong to none
    bool skipping = false;      // inside the alias lines of an entity that is not loaded
    for (const auto& line : lines) {
        // Blank lines (or a DOS end-of-file mark) neither start an entity nor end one.
        if (IsBlankText(line))
            continue;
        if (line[0] == ' ') {
            if (!skipping && current >= 0)
                ReadAliasLine(line, current, table.prefixes_);
            continue;
        }
        // Every marked entity line is tested, also one that directly follows another's
        // alias lines.
        skipping = IsMarkedNotLoaded(line);
        if (skipping)
            continue;
        table.entities_.push_back(ReadEntityLine(line));
        current = static_cast<std::int32_t>(table.entities_.size() - 1);
    }

    table.prefixCount_ = static_cast<std::int32_t>(table.prefixes_.size());
    const auto unknown = static_cast<std::int32_t>(table.entities_.size());
    table.entities_.push_back(UnknownEntity());
    table.prefixes_.push_back(PrefixEntry{"", unknown, false});
    table.prefixes_.push_back(PrefixEntry{"", unknown, false});
    table.BuildIndex();
    return table;
}

void CountryTable::BuildIndex() {
    std::size_t size = 16;
    while (size < 2 * static_cast<std::size_t>(prefixCount_)) size *= 2;
    index_.assign(size, IndexSlot{});
    const std::size_t mask = size - 1;
    for (std::int32_t i = 0; i < prefixCount_; ++i) {
        const PrefixEntry& e = prefixes_[static_cast<std::size_t>(i)];
        const std::uint32_t h = Hash(e.Text);
        std::size_t s = h & mask;
        for (;; s = (s + 1) & mask) {
            IndexSlot& slot = index_[s];
            if (slot.plain < 0 && slot.whole < 0) {
                slot.hash = h;
                break;
            }
            if (slot.hash != h)
                continue;
            const std::int32_t key = slot.plain >= 0 ? slot.plain : slot.whole;
            if (prefixes_[static_cast<std::size_t>(key)].Text == e.Text)
                break;
        }
        std::int32_t& earliest = e.WholeCall ? index_[s].whole : index_[s].plain;
        if (earliest < 0)
            earliest = i;
    }
}

const CountryTable::IndexSlot* CountryTable::FindSlot(std::string_view text,
                                                      std::uint32_t hash) const {
    if (index_.empty())
        return nullptr;
    const std::size_t mask = index_.size() - 1;
    for (std::size_t s = hash & mask;; s = (s + 1) & mask) {
        const IndexSlot& slot = index_[s];
        if (slot.plain < 0 && slot.whole < 0)
            return nullptr;
        if (slot.hash != hash)
            continue;
        const std::int32_t key = slot.plain >= 0 ? slot.plain : slot.whole;
        if (prefixes_[static_cast<std::size_t>(key)].Text == text)
            return &slot;
    }
}

const EntityRecord& CountryTable::EntityOf(std::int32_t entry) const {
    return entities_[static_cast<std::size_t>(prefixes_[static_cast<std::size_t>(entry)].Entity)];
}

const EntityRecord& CountryTable::Find(std::string_view normalizedCall) const {
    const std::string_view c = normalizedCall;
    // Only entries whose text begins the call can ever match. Of each text only the earliest
    // entry counts; at the whole call a plain and a whole-call entry match alike, so the
    // earlier of the two stands for both.
    std::int32_t candidates[PrefixCapacity + 1];
    std::size_t count = 0;
    std::uint32_t h = HashSeed;
    for (std::size_t len = 1; len <= c.size(); ++len) {
        h = HashStep(h, c[len - 1]);
        const bool wholeCall = len == c.size();
        if (len > PrefixCapacity && !wholeCall)
            continue;
        const IndexSlot* slot = FindSlot(c.substr(0, len), h);
        if (slot == nullptr)
            continue;
        std::int32_t entry = slot->plain;
        if (wholeCall && slot->whole >= 0 && (entry < 0 || slot->whole < entry)) {
            entry = slot->whole;
        }
        if (entry >= 0)
            candidates[count++] = entry;
    }
    // Then the walk's own rule over the candidates, in list order (a handful: insertion).
    for (std::size_t k = 1; k < count; ++k) {
        const std::int32_t entry = candidates[k];
        std::size_t j = k;
        for (; j > 0 && candidates[j - 1] > entry; --j) candidates[j] = candidates[j - 1];
        candidates[j] = entry;
    }
    std::int32_t best = prefixCount_;
    std::size_t bestLen = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const PrefixEntry& e = prefixes_[static_cast<std::size_t>(candidates[k])];
        if (Improves(e, c, bestLen)) {
            best = candidates[k];
            bestLen = e.Text.size();
        }
    }
    return EntityOf(best);
}

const EntityRecord& CountryTable::FindByWalk(std::string_view normalizedCall) const {
    std::int32_t best = prefixCount_;
    std::size_t bestLen = 0;
    const auto end = static_cast<std::int32_t>(prefixes_.size());
    for (std::int32_t i = 0; i < end; ++i) {
        const PrefixEntry& e = prefixes_[static_cast<std::size_t>(i)];
        if (Improves(e, normalizedCall, bestLen)) {
            best = i;
            bestLen = e.Text.size();
        }
    }
    return EntityOf(best);
}

std::string CountryTable::LocationCall(std::string_view call) const {
    const std::size_t slash = call.find('/');
    if (slash == std::string_view::npos || slash < 3)
        return std::string(call);
    const std::size_t end = std::min(call.find('/', slash + 1), call.size());
    const std::string_view suffix = call.substr(slash + 1, end - slash - 1);
    static constexpr std::string_view Modifiers[] = {"P", "M", "MM", "AM", "QRP", "A"};
    const bool modifier = std::find(std::begin(Modifiers), std::end(Modifiers), suffix) !=
                          std::end(Modifiers);
    if (suffix.empty() || suffix.size() >= slash || modifier ||
        (suffix.size() == 1 && IsDigit(suffix[0])))
        return std::string(call);
    const EntityRecord& entity = Find(suffix);
    if (entity.PrimaryPrefix.empty() || entity.PrimaryPrefix == UnknownEntity().PrimaryPrefix)
        return std::string(call);
    std::string located(suffix);
    located += '/';
    located += call.substr(0, slash);
    located += call.substr(end);
    return located;
}

std::string CountryTable::PrefixOf(std::string_view call) {
    if (call.empty())
        return "-";
    currentEntity_ = Find(NormalizePortableCall(LocationCall(call)));
    return currentEntity_.PrimaryPrefix;
}

std::string CountryTable::ContinentOf(std::string_view call) {
    if (call.empty())
        return "";
    currentEntity_ = Find(NormalizePortableCall(LocationCall(call)));
    return currentEntity_.Continent;
}

std::string FindCountryFile(const std::string& folder, const std::string& packagedFile) {
    return FindDataFile(folder, {"CTY.DAT", "cty.dat"}, packagedFile);
}

std::string FindCountryFile(const std::string& folder) {
    return FindCountryFile(folder, KEROLT_PACKAGED_CTY);
}

CountryTable LoadCountryFile(const std::string& fileName) {
    if (fileName.empty())
        return CountryTable();
    return CountryTable::FromLines(ReadLines(fileName));
}

CountryTable LoadCountryTable(const std::string& folder) {
    return LoadCountryFile(FindCountryFile(folder));
}

}  // namespace kerolt
