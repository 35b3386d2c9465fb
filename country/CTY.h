#pragma once

// Unit CTY: the country table loaded from the country file, and the callsign lookup.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kerolt {

// One country entity. Texts are cut to 10, 26 and 2 characters when stored.
struct EntityRecord {
    std::string PrimaryPrefix;
    std::string Name;
    std::string Continent;

    bool operator==(const EntityRecord&) const = default;
};

// One prefix or alias of an entity. WholeCall marks a token written "=CALL" in the file: it
// matches only a normalised call that equals it, never as a prefix of a longer call.
struct PrefixEntry {
    std::string Text;  // a prefix is cut to 10 characters; a whole call is kept whole
    std::int32_t Entity = 0;
    bool WholeCall = false;
};

// "***", "Unknown", no continent: what a call that no prefix matches resolves to.
const EntityRecord& UnknownEntity();

// SM5ABC/7 -> SM7ABC/7: a "/" at position 4 or later followed by a digit replaces the call's
// area digit (the third character if it is a digit, else the second if it is one).
std::string NormalizePortableCall(std::string_view call);

class CountryTable {
  public:
    // The table with no country file loaded: every non-empty call yields the empty record.
    CountryTable();

    // Builds the table from the lines of a country file.
    static CountryTable FromLines(const std::vector<std::string>& lines);

    // The call written with its location in front, where a suffix gives it: by the country
    // file's convention a part after the first "/" (at position 4 or later) that is shorter
    // than the call before it and is itself a country prefix is where the station is
    // (W1AW/OH gives OH/W1AW, OH2XX/W1 gives W1/OH2XX, K1ABC/VE3/P gives VE3/K1ABC/P). The
    // modifiers P, M, MM, AM, QRP and A and a lone digit (an area) are no location: such a call,
    // and any other, comes back as it is. Both lookups and the scoring's area rule take it.
    std::string LocationCall(std::string_view call) const;

    // Primary prefix of the call's entity; "-" for an empty call (CurrentEntity untouched).
    std::string PrefixOf(std::string_view call);
    // Continent of the call's entity; empty for an empty call (CurrentEntity untouched).
    std::string ContinentOf(std::string_view call);
    // The entity found by the latest lookup of a non-empty call; all empty before any.
    const EntityRecord& CurrentEntity() const { return currentEntity_; }

    // The entity of an already normalised call, through the index, without touching
    // CurrentEntity.
    const EntityRecord& Find(std::string_view normalizedCall) const;
    // The same by walking the whole prefix list in order: the reference for the index.
    const EntityRecord& FindByWalk(std::string_view normalizedCall) const;

    bool Loaded() const { return loaded_; }
    // Loaded entities followed by UnknownEntity (when loaded).
    const std::vector<EntityRecord>& Entities() const { return entities_; }
    // Loaded prefix entries followed by the two closing entries.
    const std::vector<PrefixEntry>& Prefixes() const { return prefixes_; }
    // P: the number of loaded prefix entries.
    std::int32_t PrefixCount() const { return prefixCount_; }

  private:
    // One distinct prefix text: the earliest plain entry and the earliest whole-call entry
    // that spell it (-1 for none). Later entries of the same text can never win a lookup,
    // so they need no place in the index. The text itself is read from the entry.
    struct IndexSlot {
        std::uint32_t hash = 0;
        std::int32_t plain = -1;
        std::int32_t whole = -1;
    };

    void BuildIndex();
    const IndexSlot* FindSlot(std::string_view text, std::uint32_t hash) const;
    const EntityRecord& EntityOf(std::int32_t entry) const;

    bool loaded_ = false;
    std::vector<EntityRecord> entities_;
    std::vector<PrefixEntry> prefixes_;
    std::int32_t prefixCount_ = 0;
    EntityRecord currentEntity_;
    // Open addressing over the distinct prefix texts; the size is a power of two.
    std::vector<IndexSlot> index_;
};

// The country file of the working directory: "CTY.DAT", else "cty.dat", else the packaged
// file. Empty when none exists.
std::string FindCountryFile(const std::string& folder = ".");
// The same with another packaged file as the last resort.
std::string FindCountryFile(const std::string& folder, const std::string& packagedFile);

// Loads the country file found by FindCountryFile. None found: the empty table, no error.
// A file that exists but cannot be read raises "Cannot open file %s".
CountryTable LoadCountryTable(const std::string& folder = ".");
// Loads the named country file; an empty name gives the empty table.
CountryTable LoadCountryFile(const std::string& fileName);

}  // namespace kerolt
