#pragma once

// The callsign list of active contest stations (MASTER.SCP): which calls are known, and the
// known calls near a call being typed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kerolt {

class CallList {
  public:
    // One call a line; blank lines and lines starting with "#" are skipped. Calls are trimmed
    // and kept once each, in the order of their first line.
    static CallList FromLines(const std::vector<std::string>& lines);
    // The same from the whole text of a file (lines end at CR LF, LF or CR).
    static CallList FromText(std::string_view text);

    bool Contains(std::string_view call) const;
    // Contains the call, or its base call when it has a portable part (DM5RC/P, OH/DL1ABC).
    bool Knows(std::string_view call) const;
    std::size_t Size() const { return starts_.size(); }
    std::string_view At(std::size_t i) const;

    // Up to max calls (in list order) that contain text; returns how many calls contain it.
    std::size_t FindContaining(std::string_view text, std::size_t max,
                               std::vector<std::string_view>& found) const;

    // Known calls one changed, added or dropped character away from call, in list order.
    std::vector<std::string_view> Neighbours(std::string_view call) const;

  private:
    void Reserve(std::size_t calls, std::size_t bytes);
    void Grow();
    void Add(std::string_view line);
    std::size_t Lookup(std::string_view call) const;

    // "\nCALL\nCALL\n": one buffer for a fast substring search; starts_ index into it.
    std::string buffer_;
    std::vector<std::uint32_t> starts_;
    // Open addressing over call numbers + 1 (0 is an empty slot); size a power of two.
    std::vector<std::uint32_t> index_;
    // Every character some call holds: the ones an edit may put in.
    std::string alphabet_;
    // How often each character occurs: a search looks for the text's rarest one first.
    std::array<std::uint32_t, 256> charCounts_{};
};

// The call without its portable parts: the longest of its parts between slashes (DM5RC of
// DM5RC/P and DM5RC/QRP, DL1ABC of OH/DL1ABC); the first of equally long ones.
std::string_view BaseCall(std::string_view call);

// Letters, digits and single slashes between them, with at least one letter and one digit.
bool CanBeCall(std::string_view call);

// "MASTER.SCP" in the folder, else the packaged list; empty when neither exists.
std::string FindCallListFile(const std::string& folder = ".");
std::string FindCallListFile(const std::string& folder, const std::string& packagedFile);

// Reads the named list; an empty name gives the empty list. Raises "Cannot open file %s".
CallList LoadCallList(const std::string& fileName);

// One entry shown under the worked-call field.
struct PartialMatch {
    std::string Call;
    bool InLog = false;    // worked already in this log
    bool IsTyped = false;  // the typed text itself
    bool OneAway = false;  // one character away from the typed text, not containing it

    bool operator==(const PartialMatch&) const = default;
};

struct PartialMatches {
    std::vector<PartialMatch> Items;
    std::size_t More = 0;  // matches cut to keep within maxItems
};

// The calls that contain the typed text (at least 2 characters, else nothing): the log's own
// calls first (also those one character away), then the list's; when fewer than maxItems
// contain it, the list's calls one character away follow.
PartialMatches CheckPartial(const CallList& list, std::string_view typed,
                            const std::vector<std::string>& logCalls, std::size_t maxItems);

}  // namespace kerolt
