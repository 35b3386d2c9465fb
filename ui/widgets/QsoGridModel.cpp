#include "ui/widgets/QsoGridModel.h"

#include "ui/support/CoreText.h"

namespace kerolt {

QsoGridModel::QsoGridModel(QsoLog& log, QObject* parent) : QAbstractTableModel(parent), log_(log) {}

int QsoGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : log_.RowCount() - 1;
}

int QsoGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : QsoColumnCount;
}

QVariant QsoGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const std::string& cell = log_.Cell(index.row() + 1, index.column());
    // The editor gets the cell as it is; the grid shows it as a typed one.
    return ToUi(role == Qt::DisplayRole ? ShownCell(cell) : std::string_view(cell));
}

bool QsoGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    log_.SetCell(index.row() + 1, index.column(), ToCore(value.toString()));
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant QsoGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return ToUi(log_.Cell(0, section));
}

Qt::ItemFlags QsoGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

int QsoGridModel::AppendQso(const QsoLog::Row& row) {
    const int gridRows = rowCount();
    beginInsertRows(QModelIndex(), gridRows, gridRows);
    const int written = log_.AppendQso(row);
    endInsertRows();
    LogRowsChanged(written, written);
    return written;
}

bool QsoGridModel::RemoveLastQso() {
    if (log_.QsoRowCount() == 0)
        return false;
    const int last = rowCount() - 1;
    beginRemoveRows(QModelIndex(), last, last);
    log_.RemoveLastQso();
    endRemoveRows();
    LogRowsChanged(log_.RowCount() - 1, log_.RowCount() - 1);
    return true;
}

void QsoGridModel::LogReset() {
    beginResetModel();
    endResetModel();
}

void QsoGridModel::LogRowsChanged(int firstLogRow, int lastLogRow) {
    if (lastLogRow < firstLogRow)
        return;
    emit dataChanged(index(GridRow(firstLogRow), 0),
                     index(GridRow(lastLogRow), QsoColumnCount - 1));
}

void QsoGridModel::HeadingsChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, QsoColumnCount - 1);
}

}  // namespace kerolt
