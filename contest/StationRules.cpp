#include "contest/StationRules.h"

#include "common/Text.h"

#include <array>

#include "contest/ContestRules.h"

namespace kerolt {

namespace {

constexpr std::size_t MinimumCallLength = 3;
constexpr int SingleOpEntry = 0;

std::vector<CategoryValue> OpenToAll(const std::vector<std::string>& texts) {
    std::vector<CategoryValue> values;
    for (const std::string& text : texts) values.push_back({text, true, true});
    return values;
}

std::vector<CategoryRule> BuildTable() {
    constexpr bool Yes = true, No = false;
    return {
        {Category::Contest, "CONTEST", "Contest", OpenToAll(ContestEntries())},
        {Category::Assisted, "CATEGORY-ASSISTED", "Category-Assisted",
         OpenToAll({"NON-ASSISTED", "ASSISTED"})},
        // LOW-BAND (80 and 40 m) is the single-band choice of the non-Scandinavians.
        {Category::Band,
         "CATEGORY-BAND",
         "Category-Band",
         {{"ALL", Yes, Yes},
          {"80M", Yes, No},
          {"40M", Yes, No},
          {"20M", Yes, No},
          {"15M", Yes, No},
          {"10M", Yes, No},
          {std::string(LowBandEntry), No, Yes}}},
        {Category::Mode, "CATEGORY-MODE", "", OpenToAll({"CW", "SSB"})},
        {Category::Operator, "CATEGORY-OPERATOR", "Category-Operator",
         OpenToAll({"SINGLE-OP", "MULTI-OP", "CHECKLOG"})},
        {Category::Power, "CATEGORY-POWER", "Category-Power", OpenToAll({"HIGH", "LOW", "QRP"})},
        {Category::Transmitter,
         "CATEGORY-TRANSMITTER",
         "Category-Transmitter",
         {{"ONE", Yes, Yes}, {"UNLIMITED", Yes, No}}},
        {Category::Station, "CATEGORY-STATION", "Category-Station",
         OpenToAll({"FIXED", "MOBILE", "PORTABLE", "EXPEDITION", "EXPLORER"})},
        {Category::Overlay,
         "CATEGORY-OVERLAY",
         "Category-Overlay",
         {{"", Yes, Yes},
          {"ROOKIE", Yes, No},
          {"TB-WIRES", Yes, No},
          {"CLASSIC", Yes, No},
          {"WIRE-ONLY", Yes, No}}},
    };
}

}  // namespace

const std::vector<CategoryRule>& CategoryTable() {
    static const std::vector<CategoryRule> table = BuildTable();
    return table;
}

const CategoryRule& CategoryOf(Category id) {
    return CategoryTable()[static_cast<std::size_t>(id)];
}

const std::vector<std::string>& CategoryEntries(Category id) {
    static const auto entries = [] {
        std::array<std::vector<std::string>, static_cast<std::size_t>(Category::Overlay) + 1> all;
        for (const CategoryRule& rule : CategoryTable()) {
            for (const CategoryValue& v : rule.Values)
                all[static_cast<std::size_t>(rule.Id)].push_back(v.Text);
        }
        return all;
    }();
    return entries[static_cast<std::size_t>(id)];
}

std::vector<std::string> CategoryEntries(Category id, bool scandinavian) {
    std::vector<std::string> entries;
    for (const CategoryValue& v : CategoryOf(id).Values) {
        if (scandinavian ? v.Scandinavian : v.Others)
            entries.push_back(v.Text);
    }
    return entries;
}

const std::vector<std::string>& AssistedEntries() {
    return CategoryEntries(Category::Assisted);
}

const std::vector<std::string>& BandEntries() {
    return CategoryEntries(Category::Band);
}

const std::vector<std::string>& OperatorEntries() {
    return CategoryEntries(Category::Operator);
}

const std::vector<std::string>& TransmitterEntries() {
    return CategoryEntries(Category::Transmitter);
}

const std::vector<std::string>& PowerEntries() {
    return CategoryEntries(Category::Power);
}

bool WritesCategoryLine(Category id, std::string_view value) {
    if (id == Category::Station && IsBlankText(value))
        return false;
    return (id != Category::Overlay && id != Category::Station) ||
           !EqualIgnoringCase(Trim(value), CategoryOf(id).Prompt);
}

const std::vector<std::string>& OverlayEntries() {
    return CategoryEntries(Category::Overlay);
}

ClassChoices ChoicesForClass(bool scandinavian) {
    return {!scandinavian, CategoryEntries(Category::Band, scandinavian),
            CategoryEntries(Category::Overlay, scandinavian),
            CategoryEntries(Category::Transmitter, scandinavian)};
}

std::vector<std::string> TransmitterChoices(int operatorIndex) {
    if (operatorIndex == SingleOpEntry)
        return {TransmitterEntries().front()};
    return TransmitterEntries();
}

bool LogInputAvailable(int contestIndex, std::size_t callLength) {
    return contestIndex >= 0 && callLength >= MinimumCallLength;
}

}  // namespace kerolt
