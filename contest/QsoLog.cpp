#include "contest/QsoLog.h"

#include "common/Text.h"

namespace kerolt {

std::string_view ShownCell(std::string_view cell) {
    return TrimView(cell);
}

const QsoLog::Row& QsoLog::Headings() {
    static const Row headings{"Row",  "Freq.", "Time", "RST",  "Nr",
                              "Call", "RST",   "NR",   "Mult", "P"};
    return headings;
}

QsoLog::QsoLog() {
    rows_.reserve(4096);
    rows_.push_back(Headings());
    rows_.emplace_back();
}

void QsoLog::SetRowCount(int n) {
    if (n < 2)
        n = 2;
    rows_.resize(static_cast<std::size_t>(n));
}

void QsoLog::AddRow() {
    rows_.emplace_back();
}

const std::string& QsoLog::Cell(int row, int col) const {
    static const std::string empty;
    if (row < 0 || row >= RowCount() || col < 0 || col >= QsoColumnCount)
        return empty;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void QsoLog::SetCell(int row, int col, std::string text) {
    if (row < 1 || row >= RowCount() || col < 0 || col >= QsoColumnCount)
        return;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(text);
}

void QsoLog::ClearRow(int row) {
    if (row < 1 || row >= RowCount())
        return;
    rows_[static_cast<std::size_t>(row)] = Row{};
}

int QsoLog::AppendQso(const Row& row) {
    AddRow();
    const int written = QsoCounter;
    for (int col = 0; col < QsoColumnCount; ++col)
        SetCell(written, col, row[static_cast<std::size_t>(col)]);
    ++QsoCounter;
    return written;
}

void QsoLog::SetQsos(const std::vector<Row>& rows) {
    rows_.resize(1);
    rows_.reserve(rows.size() + 2);
    for (const Row& row : rows) {
        rows_.push_back(row);
        rows_.back()[ColRow] = std::to_string(rows_.size() - 1);
    }
    rows_.emplace_back();
    QsoCounter = static_cast<int>(rows.size()) + 1;
}

bool QsoLog::RemoveLastQso() {
    if (RowCount() <= 2)
        return false;
    SetRowCount(RowCount() - 1);
    ClearRow(RowCount() - 1);
    --QsoCounter;
    return true;
}

}  // namespace kerolt
