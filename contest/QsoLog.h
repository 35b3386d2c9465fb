#pragma once

// The QSO log: rows of ten text cells. Row 0 holds the headings, QSO rows are 1..N and one
// empty row always follows the last QSO (row count N + 2).

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kerolt {

enum QsoColumn : int {
    ColRow = 0,
    ColFreq = 1,
    ColTime = 2,
    ColRstSent = 3,
    ColNrSent = 4,
    ColCall = 5,
    ColRstRcvd = 6,
    ColNrRcvd = 7,
    ColMult = 8,
    ColPoints = 9,
};

inline constexpr int QsoColumnCount = 10;

// What the grid shows of a cell: its value without the blanks that pad a file's column, so
// that a row read from a file and a row typed look alike. The cell itself keeps its text.
std::string_view ShownCell(std::string_view cell);

class QsoLog {
  public:
    using Row = std::array<std::string, QsoColumnCount>;

    // "Row", "Freq.", "Time", "RST", "Nr", "Call", "RST", "NR", "Mult", "P".
    static const Row& Headings();

    // The heading row and one empty row; QsoCounter 1.
    QsoLog();

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // New rows are empty; the heading row always stays. n below 2 counts as 2.
    void SetRowCount(int n);
    // One more empty row at the end.
    void AddRow();

    // Empty text for a cell outside the table.
    const std::string& Cell(int row, int col) const;
    // Ignored for a cell outside the table or in the heading row.
    void SetCell(int row, int col, std::string text);
    const Row& RowAt(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    void ClearRow(int row);

    // A commit: one more row, row QsoCounter filled with row (its number included), QsoCounter
    // one up. Returns the row written.
    int AppendQso(const Row& row);
    // The log holds exactly rows as its QSOs, numbered 1.. in column 0, and the empty row after
    // them; QsoCounter follows.
    void SetQsos(const std::vector<Row>& rows);
    // The last row goes and the last QSO's row, emptied, becomes the empty row at the end;
    // QsoCounter one down. False, and nothing changes, when the log holds no QSO.
    bool RemoveLastQso();

    // Number of QSO rows N (row count minus 2, never below 0).
    int QsoRowCount() const { return RowCount() > 2 ? RowCount() - 2 : 0; }

    // The number of the next QSO row.
    int QsoCounter = 1;

  private:
    std::vector<Row> rows_;
};

}  // namespace kerolt
