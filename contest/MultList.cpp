#include "contest/MultList.h"

#include <algorithm>

#include "common/Text.h"

namespace kerolt {

namespace {

constexpr std::size_t CellWidth = 8;

}  // namespace

std::string MultListItem(const MultEntry& entry) {
    std::string item = entry.Mult;
    if (item.size() < 3)
        item.resize(3, ' ');
    return item + ' ' + std::to_string(entry.Count);
}

BandLists BuildMultLists(const std::vector<MultEntry>& multTable) {
    BandLists lists;
    for (const MultEntry& entry : multTable) {
        if (IsContestBand(entry.Band))
            lists[entry.Band - Band80].push_back(MultListItem(entry));
    }
    // Sorted here rather than by the list controls, so that the screen and the file agree.
    for (auto& list : lists)
        std::stable_sort(list.begin(), list.end(),
                         [](const std::string& a, const std::string& b) { return TextLess(a, b); });
    return lists;
}

std::vector<std::string> MultListFileLines(std::string_view call, const BandLists& lists) {
    std::size_t rows = 0;
    for (const auto& list : lists) rows = std::max(rows, list.size());
    std::vector<std::string> lines;
    lines.reserve(rows + 4);
    lines.push_back("Mult List for " + std::string(call));
    lines.emplace_back("80m     40m     20m     15m     10m");
    lines.emplace_back("---     ---     ---     ---     ---");
    // The row after the longest list is all blanks and ends the file.
    for (std::size_t r = 0; r <= rows; ++r) {
        std::string line;
        line.reserve(CellWidth * lists.size());
        for (const auto& list : lists) {
            if (r < list.size()) {
                line += Cut(list[r] + std::string(CellWidth - 1, ' '), CellWidth);
            } else {
                line.append(CellWidth, ' ');
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace kerolt
