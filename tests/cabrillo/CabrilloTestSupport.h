#pragma once

// Small builders shared by the Cabrillo tests.

#include <string>
#include <vector>

#include "cabrillo/StationData.h"
#include "contest/QsoLog.h"

namespace kerolt::testing {

inline QsoLog::Row QsoRow(std::string freq, std::string time, std::string rstSent,
                          std::string nrSent, std::string call, std::string rstRcvd,
                          std::string nrRcvd) {
    QsoLog::Row row;
    row[ColFreq] = std::move(freq);
    row[ColTime] = std::move(time);
    row[ColRstSent] = std::move(rstSent);
    row[ColNrSent] = std::move(nrSent);
    row[ColCall] = std::move(call);
    row[ColRstRcvd] = std::move(rstRcvd);
    row[ColNrRcvd] = std::move(nrRcvd);
    return row;
}

// A log holding the rows as QSO rows 1..N, with the trailing empty row.
inline QsoLog LogOf(const std::vector<QsoLog::Row>& rows) {
    QsoLog log;
    log.SetRowCount(static_cast<int>(rows.size()) + 2);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        log.SetCell(row, ColRow, std::to_string(row));
        for (int c = ColFreq; c <= ColNrRcvd; ++c) log.SetCell(row, c, rows[r][c]);
    }
    log.QsoCounter = static_cast<int>(rows.size()) + 1;
    return log;
}

// The station page as it stands in a fresh window: every list shows its placeholder.
inline StationData FreshStation() {
    StationData s;
    s.ContestBox = "Contest";
    s.AssistedComboBox = "Category-Assisted";
    s.BandComboBox = "Category-Band";
    s.OperatorComboBox = "Category-Operator";
    s.PowerComboBox = "Category-Power";
    s.TransmitterComboBox = "Category-Transmitter";
    s.StationComboBox = "Category-Station";
    s.OverlayComboBox = "Category-Overlay";
    return s;
}

inline StationData SampleStation(int contest) {
    StationData s;
    s.CallEdit = "SM5QQQ";
    s.ContestIndex = contest;
    s.ContestBox = ContestEntries()[static_cast<std::size_t>(contest)];
    s.AssistedComboBox = "NON-ASSISTED";
    s.BandComboBox = "ALL";
    s.OperatorComboBox = "SINGLE-OP";
    s.PowerComboBox = "LOW";
    s.TransmitterComboBox = "ONE";
    s.OverlayComboBox = "";
    s.EmailEdit = "sm5qqq@example.org";
    s.OperatorsEdit = "SM5QQQ";
    s.ClamedScoreEdit = "1234";
    s.NameEdit = "Sven Svensson";
    s.AdrEdit1 = "Storgatan 1";
    s.AdrEdit2 = "123 45 Stad";
    s.AdrEdit3 = "Sweden";
    s.ClubEdit = "SK0QQ";
    s.Memo1 = {"Fine conditions", "", " 73 "};
    return s;
}

}  // namespace kerolt::testing
