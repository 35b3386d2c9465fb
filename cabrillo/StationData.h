#pragma once

// The texts of the station page's controls, as the Cabrillo writer needs them.

#include <string>
#include <vector>

#include "contest/ContestRules.h"

namespace kerolt {

struct StationData {
    std::string CallEdit;
    std::string ContestBox;        // the text the contest list shows
    int ContestIndex = NoContest;  // its selected entry
    std::string AssistedComboBox;
    std::string BandComboBox;
    std::string OperatorComboBox;
    std::string PowerComboBox;
    std::string TransmitterComboBox;
    std::string StationComboBox;  // CATEGORY-STATION: written only when an entry is chosen
    std::string OverlayComboBox;
    std::string EmailEdit;
    std::string OperatorsEdit;
    std::string ClamedScoreEdit;
    std::string NameEdit;
    std::string AdrEdit1;
    std::string AdrEdit2;
    std::string AdrEdit3;
    std::string ClubEdit;
    std::vector<std::string> Memo1;  // soapbox lines
    // A file's header lines that no field holds, whole and in their order: written after the
    // program's own header lines.
    std::vector<std::string> KeptHeaderLines;
    // A file's X-QSO lines, whole: written after the QSO lines, never scored.
    std::vector<std::string> XQsoLines;

    bool operator==(const StationData&) const = default;
};

}  // namespace kerolt
