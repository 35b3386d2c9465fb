#include "cabrillo/ApplyStation.h"

#include "common/Text.h"
#include "contest/StationRules.h"

namespace kerolt {

namespace {

void SetText(const std::optional<std::string>& value, std::string& field) {
    if (value)
        field = *value;
}

std::string EntryText(const std::vector<std::string>& entries, int index) {
    return index < 0 ? std::string() : entries[static_cast<std::size_t>(index)];
}

// A list shows the entry's own text; an empty value thereby selects the empty overlay entry.
// The list's own name, as Kerolt writes a list never picked from, shows that name again.
void SetEntry(const std::optional<std::string>& value, const std::vector<std::string>& entries,
              Category category, std::string& field) {
    if (!value)
        return;
    const std::string_view prompt = CategoryOf(category).Prompt;
    const int entry = FindEntryIgnoringCase(entries, *value);
    field = entry < 0 && !prompt.empty() && EqualIgnoringCase(*value, prompt)
                ? std::string(prompt)
                : EntryText(entries, entry);
}

std::string Prompt(Category category) {
    return std::string(CategoryOf(category).Prompt);
}

}  // namespace

bool IsAnotherStation(const CabrilloFile& file, std::string_view pageCall) {
    const std::optional<std::string>& fileCall = file.Station.CallEdit;
    return fileCall && !IsBlankText(*fileCall) && !IsBlankText(pageCall) &&
           !EqualIgnoringCase(Trim(*fileCall), Trim(pageCall));
}

StationData ClearedForFile(const CabrilloFile& file, StationData current) {
    if (!IsAnotherStation(file, current.CallEdit))
        return current;
    StationData cleared;
    cleared.CallEdit = current.CallEdit;
    cleared.ContestBox = Prompt(Category::Contest);
    cleared.ContestIndex = NoContest;
    cleared.AssistedComboBox = Prompt(Category::Assisted);
    cleared.BandComboBox = Prompt(Category::Band);
    cleared.OperatorComboBox = Prompt(Category::Operator);
    cleared.PowerComboBox = Prompt(Category::Power);
    cleared.TransmitterComboBox = Prompt(Category::Transmitter);
    cleared.StationComboBox = Prompt(Category::Station);
    cleared.OverlayComboBox = Prompt(Category::Overlay);
    cleared.ClamedScoreEdit = current.ClamedScoreEdit;
    cleared.Memo1 = current.Memo1;
    return cleared;
}

StationData ApplyCabrilloStation(const CabrilloFile& file, StationData current,
                                 const StationLists& lists) {
    current = ClearedForFile(file, std::move(current));
    const CabrilloStation& s = file.Station;
    SetText(s.CallEdit, current.CallEdit);
    if (s.ContestBox) {
        const int contest = FindEntryIgnoringCase(lists.Contest, *s.ContestBox);
        current.ContestIndex = contest < 0 ? NoContest : contest;
        SetEntry(s.ContestBox, lists.Contest, Category::Contest, current.ContestBox);
    }
    SetEntry(s.AssistedComboBox, lists.Assisted, Category::Assisted, current.AssistedComboBox);
    SetEntry(s.BandComboBox, lists.Band, Category::Band, current.BandComboBox);
    SetEntry(s.OperatorComboBox, lists.Operator, Category::Operator, current.OperatorComboBox);
    SetEntry(s.PowerComboBox, lists.Power, Category::Power, current.PowerComboBox);
    SetEntry(s.TransmitterComboBox, lists.Transmitter, Category::Transmitter, current.TransmitterComboBox);
    SetEntry(s.StationComboBox, lists.Station, Category::Station, current.StationComboBox);
    SetEntry(s.OverlayComboBox, lists.Overlay, Category::Overlay, current.OverlayComboBox);
    SetText(s.EmailEdit, current.EmailEdit);
    SetText(s.NameEdit, current.NameEdit);
    SetText(s.AdrEdit1, current.AdrEdit1);
    SetText(s.AdrEdit2, current.AdrEdit2);
    SetText(s.AdrEdit3, current.AdrEdit3);
    SetText(s.OperatorsEdit, current.OperatorsEdit);
    SetText(s.ClubEdit, current.ClubEdit);
    current.Memo1 = file.Memo1;
    current.KeptHeaderLines = file.KeptHeaderLines;
    current.XQsoLines = file.XQsoLines;
    return current;
}

}  // namespace kerolt
