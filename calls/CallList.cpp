#include "calls/CallList.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/KeroltError.h"
#include "common/Text.h"
#include "common/TextFile.h"

namespace kerolt {

namespace {

std::uint32_t Hash(std::string_view s) {
    std::uint32_t h = 2166136261u;
    for (const char c : s) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

// True when b is a with one character changed, added or dropped.
bool IsOneAway(std::string_view a, std::string_view b) {
    if (a.size() < b.size())
        std::swap(a, b);
    if (a.size() - b.size() > 1)
        return false;
    std::size_t i = 0;
    while (i < b.size() && a[i] == b[i]) ++i;
    if (a.size() == b.size())
        return i < a.size() && a.substr(i + 1) == b.substr(i + 1);
    return a.substr(i + 1) == b.substr(i);
}

}  // namespace

void CallList::Reserve(std::size_t calls, std::size_t bytes) {
    buffer_.reserve(bytes + 1);
    buffer_.assign(1, '\n');
    starts_.reserve(calls);
    std::size_t size = 16;
    while (size < calls * 2) size *= 2;
    index_.assign(size, 0);
}

void CallList::Grow() {
    std::vector<std::uint32_t> index(std::max<std::size_t>(16, index_.size() * 2), 0);
    const std::size_t mask = index.size() - 1;
    for (std::size_t id = 0; id < starts_.size(); ++id) {
        std::size_t slot = Hash(At(id)) & mask;
        while (index[slot] != 0) slot = (slot + 1) & mask;
        index[slot] = static_cast<std::uint32_t>(id + 1);
    }
    index_ = std::move(index);
}

void CallList::Add(std::string_view line) {
    const std::string call = Trim(line);
    if (call.empty() || call[0] == '#' || call.find('\n') != std::string::npos)
        return;
    // The index keeps a free slot whatever the file holds, so a probe always ends.
    if ((starts_.size() + 1) * 2 > index_.size())
        Grow();
    const std::size_t mask = index_.size() - 1;
    std::size_t slot = Hash(call) & mask;
    for (; index_[slot] != 0; slot = (slot + 1) & mask) {
        if (At(index_[slot] - 1) == call)
            return;
    }
    starts_.push_back(static_cast<std::uint32_t>(buffer_.size()));
    buffer_ += call;
    buffer_ += '\n';
    index_[slot] = static_cast<std::uint32_t>(starts_.size());
    for (const char c : call) {
        if (charCounts_[static_cast<unsigned char>(c)]++ == 0)
            alphabet_ += c;
    }
}

CallList CallList::FromLines(const std::vector<std::string>& lines) {
    std::size_t bytes = 0;
    for (const std::string& line : lines) bytes += line.size() + 1;
    CallList list;
    list.Reserve(lines.size(), bytes);
    for (const std::string& line : lines) list.Add(line);
    return list;
}

CallList CallList::FromText(std::string_view text) {
    CallList list;
    const auto ends = [&](char c) {
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
    };
    list.Reserve(std::max(ends('\n'), ends('\r')) + 1, text.size());
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        list.Add(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return list;
}

std::string_view CallList::At(std::size_t i) const {
    const std::size_t begin = starts_[i];
    const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] - 1 : buffer_.size() - 1;
    return std::string_view(buffer_).substr(begin, end - begin);
}

std::size_t CallList::Lookup(std::string_view call) const {
    if (index_.empty() || call.empty())
        return Size();
    const std::size_t mask = index_.size() - 1;
    for (std::size_t slot = Hash(call) & mask; index_[slot] != 0; slot = (slot + 1) & mask) {
        if (At(index_[slot] - 1) == call)
            return index_[slot] - 1;
    }
    return Size();
}

bool CallList::Contains(std::string_view call) const {
    return Lookup(call) < Size();
}

bool CallList::Knows(std::string_view call) const {
    return Contains(call) || Contains(BaseCall(call));
}

std::string_view BaseCall(std::string_view call) {
    std::string_view base;
    while (true) {
        const std::size_t slash = call.find('/');
        const std::string_view part = call.substr(0, slash);
        if (part.size() > base.size())
            base = part;
        if (slash == std::string_view::npos)
            return base;
        call.remove_prefix(slash + 1);
    }
}

bool CanBeCall(std::string_view call) {
    bool digit = false, letter = false;
    for (const char c : call) {
        const char u = UpperAscii(c);
        digit = digit || IsDigit(c);
        letter = letter || (u >= 'A' && u <= 'Z');
        if (!IsDigit(c) && c != '/' && !(u >= 'A' && u <= 'Z'))
            return false;
    }
    return digit && letter && call.front() != '/' && call.back() != '/' &&
           call.find("//") == std::string_view::npos;
}

std::size_t CallList::FindContaining(std::string_view text, std::size_t max,
                                     std::vector<std::string_view>& found) const {
    if (text.empty() || text.find('\n') != std::string_view::npos)
        return 0;
    const std::string_view all(buffer_);
    // Stop only where the text's rarest character stands, and compare the whole text there.
    std::size_t rare = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (charCounts_[static_cast<unsigned char>(text[i])] <
            charCounts_[static_cast<unsigned char>(text[rare])])
            rare = i;
    }
    std::size_t count = 0;
    // The buffer starts with a line end, so a hit's start is never before the buffer.
    for (std::size_t at = all.find(text[rare], rare); at != std::string_view::npos;) {
        const std::size_t start = at - rare;
        if (all.compare(start, text.size(), text) != 0) {
            at = all.find(text[rare], at + 1);
            continue;
        }
        // Count each call once, however often it holds the text.
        const std::size_t begin = all.rfind('\n', start) + 1;
        const std::size_t end = all.find('\n', start + text.size());
        if (count++ < max)
            found.push_back(all.substr(begin, end - begin));
        at = all.find(text[rare], end + 1 + rare);
    }
    return count;
}

std::vector<std::string_view> CallList::Neighbours(std::string_view call) const {
    std::vector<std::size_t> ids;
    std::string edit;
    const auto tryEdit = [&] {
        const std::size_t id = Lookup(edit);
        if (id < Size() && edit != call)
            ids.push_back(id);
    };
    for (std::size_t i = 0; i <= call.size(); ++i) {
        for (const char c : alphabet_) {
            edit.assign(call.substr(0, i)).append(1, c).append(call.substr(i));
            tryEdit();
            if (i < call.size() && c != call[i]) {
                edit.assign(call).at(i) = c;
                tryEdit();
            }
        }
        if (i < call.size()) {
            edit.assign(call.substr(0, i)).append(call.substr(i + 1));
            tryEdit();
        }
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    std::vector<std::string_view> calls;
    calls.reserve(ids.size());
    for (const std::size_t id : ids) calls.push_back(At(id));
    return calls;
}

std::string FindCallListFile(const std::string& folder, const std::string& packagedFile) {
    return FindDataFile(folder, {"MASTER.SCP"}, packagedFile);
}

std::string FindCallListFile(const std::string& folder) {
    return FindCallListFile(folder, KEROLT_MASTER_SCP);
}

CallList LoadCallList(const std::string& fileName) {
    if (fileName.empty())
        return CallList();
    // Read in one piece: the list is loaded while the window starts, so it must be quick.
    std::error_code ec;
    std::ifstream in(fileName, std::ios::binary);
    const auto size = std::filesystem::file_size(fileName, ec);
    if (!in || ec)
        ThrowCannotOpen(fileName);
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad())
        ThrowCannotOpen(fileName);
    text.resize(static_cast<std::size_t>(in.gcount()));
    return CallList::FromText(text);
}

PartialMatches CheckPartial(const CallList& list, std::string_view typed,
                            const std::vector<std::string>& logCalls, std::size_t maxItems) {
    PartialMatches result;
    const std::string key = UpperAscii(TrimView(typed));
    if (key.size() < 2)
        return result;

    // The log's calls first: a call worked before is the likeliest one being typed again.
    // Every later candidate contains the key or is one away from it, so a candidate that was
    // worked is among these few.
    std::vector<PartialMatch> logItems;
    const auto worked = [&](std::string_view call) {
        return std::any_of(logItems.begin(), logItems.end(),
                           [&](const PartialMatch& m) { return m.Call == call; });
    };
    std::size_t logAlsoListed = 0;
    for (const std::string& cell : logCalls) {
        const std::string_view call = TrimView(cell);
        const bool contains = call.find(key) != std::string_view::npos;
        if ((!contains && !IsOneAway(call, key)) || worked(call))
            continue;
        if (contains && list.Contains(call))
            ++logAlsoListed;
        logItems.push_back({std::string(call), true, call == key, !contains});
    }

    std::vector<std::string_view> found;
    const std::size_t listed = list.FindContaining(key, maxItems + logItems.size(), found);
    const std::size_t matches = logItems.size() + listed - logAlsoListed;
    for (const PartialMatch& item : logItems) {
        if (result.Items.size() < maxItems)
            result.Items.push_back(item);
    }
    for (const std::string_view call : found) {
        if (result.Items.size() < maxItems && !worked(call))
            result.Items.push_back({std::string(call), false, call == key, false});
    }
    result.More = matches - result.Items.size();

    if (matches < maxItems) {
        for (const std::string_view call : list.Neighbours(key)) {
            if (worked(call) || call.find(key) != std::string_view::npos)
                continue;
            if (result.Items.size() < maxItems)
                result.Items.push_back({std::string(call), false, false, true});
            else
                ++result.More;
        }
    }
    return result;
}

}  // namespace kerolt
