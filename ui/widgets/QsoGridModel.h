#pragma once

// The QSO grid SG is a view of the one QsoLog: row 0 of the log gives the headings, the log's
// rows 1.. are the grid's rows. Nothing is copied; edits in the grid write the log's cells.

#include <QAbstractTableModel>

#include "contest/QsoLog.h"

namespace kerolt {

class QsoGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit QsoGridModel(QsoLog& log, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Grid row of a log row (the log's row 1 is the grid's row 0).
    static int GridRow(int logRow) { return logRow - 1; }

    // The log's commit and deleted last row, told to the view as they happen.
    int AppendQso(const QsoLog::Row& row);
    bool RemoveLastQso();

    // Tell the view that the log changed behind its back: rows added or removed, or cells.
    void LogReset();
    void LogRowsChanged(int firstLogRow, int lastLogRow);
    void HeadingsChanged();

    QsoLog& Log() { return log_; }

  private:
    QsoLog& log_;
};

}  // namespace kerolt
