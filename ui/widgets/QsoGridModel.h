#pragma once

// The QSO grid SG is a view of the one QsoLog: row 0 of the log gives the headings, the log's
// rows 1.. are the grid's rows. Nothing is copied; an edit in the grid goes to its editor (the
// document), which takes or refuses it.

#include <QAbstractTableModel>
#include <functional>
#include <string_view>

#include "contest/QsoLog.h"

namespace kerolt {

// The heading of column as the grid shows it, from the log's heading row.
QString GridHeading(int column, std::string_view logHeading);

class QsoGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // edit takes a cell's new text (log row, column, text) or refuses it; bad tells whether a
    // cell holds what the rules refuse.
    using CellEditor = std::function<bool(int, int, const QString&)>;
    using CellCheck = std::function<bool(int, int)>;
    explicit QsoGridModel(const QsoLog& log, QObject* parent = nullptr);
    void SetCellEditor(CellEditor edit, CellCheck bad) {
        edit_ = std::move(edit);
        bad_ = std::move(bad);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Grid row of a log row (the log's row 1 is the grid's row 0).
    static int GridRow(int logRow) { return logRow - 1; }

    // The log changed: rows added or removed at the end are told as such, then the cells of
    // the log rows first..last.
    void Follow(int firstLogRow, int lastLogRow);
    // The log was replaced: the view starts again.
    void LogReset();
    void LogRowsChanged(int firstLogRow, int lastLogRow);
    void HeadingsChanged();

    const QsoLog& Log() const { return log_; }

  private:
    const QsoLog& log_;
    int shownRows_ = 0;  // the grid rows the view was told of
    CellEditor edit_;
    CellCheck bad_;
};

}  // namespace kerolt
