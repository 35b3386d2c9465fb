#pragma once

// Small country files in the real layout, so exact cases do not drift with new data.

#include <string>
#include <string_view>
#include <vector>

#include "country/CTY.h"

namespace kerolt::test {

// An entity line: name up to ":", continent in columns 37-38, primary prefix from column 70
// to the closing ":".
inline std::string EntityLine(std::string_view name, std::string_view continent,
                              std::string_view primaryPrefix) {
    std::string line = std::string(name) + ":";
    line.resize(26, ' ');
    return line + "14:  18:  " + std::string(continent) +
           ":   61.20:   -15.00:    -1.0:  " + std::string(primaryPrefix) + ":";
}

inline std::vector<std::string> SyntheticCountryLines() {
    const struct {
        const char *name, *continent, *prefix, *aliases;
    } entities[] = {
        {"Sweden", "EU", "SM", "7S,8S,SA,SK,SM"},
        {"Finland", "EU", "OH", "OF,OG,OH"},
        {"Aland Islands", "EU", "OH0", "OH0"},
        {"Market Reef", "EU", "OJ0", "OJ0"},
        {"Norway", "EU", "LA", "LA,LB"},
        {"Denmark", "EU", "OZ", "OU,OZ"},
        {"Iceland", "EU", "TF", "TF"},
        {"Greenland", "NA", "OX", "OX,XP"},
        {"Faroe Islands", "EU", "OY", "OY"},
        {"Jan Mayen", "EU", "JX", "JX"},
        {"Svalbard", "EU", "JW", "JW"},
        {"Fed. Rep. of Germany", "EU", "DL", "DA,DK,DL"},
        {"United States of America", "NA", "K", "AA,K,N,W"},
        {"Guantanamo Bay", "NA", "KG4", "KG4"},
        {"Japan", "AS", "JA", "JA,JH"},
        {"Canada", "NA", "VE", "VA,VE"},
        {"Long Prefix Land", "AF", "VERYLONG", "VQ9"},
    };
    std::vector<std::string> lines;
    for (const auto& e : entities) {
        lines.push_back(EntityLine(e.name, e.continent, e.prefix));
        lines.push_back(std::string("    ") + e.aliases + ";");
    }
    return lines;
}

inline CountryTable SyntheticCountryTable() {
    return CountryTable::FromLines(SyntheticCountryLines());
}

}  // namespace kerolt::test
