#include "ui/widgets/QsoGridModel.h"

#include <QColor>
#include <QCoreApplication>
#include <algorithm>

#include "ui/support/CoreText.h"

namespace kerolt {

namespace {

struct Heading {
    const char* Source;
    const char* Comment;
};

// The log keeps its headings in English; the grid shows them in the window's language. The
// sent and the received RST and number share their words, so each column tells which it is.
constexpr Heading Headings[QsoColumnCount] = {
    QT_TRANSLATE_NOOP3("QsoGrid", "Row", "the QSO's number in the log"),
    QT_TRANSLATE_NOOP3("QsoGrid", "Freq.", "frequency or band"),
    QT_TRANSLATE_NOOP3("QsoGrid", "Time", "UTC"),
    QT_TRANSLATE_NOOP3("QsoGrid", "RST", "sent"),
    QT_TRANSLATE_NOOP3("QsoGrid", "Nr", "serial number sent"),
    QT_TRANSLATE_NOOP3("QsoGrid", "Call", "the station worked"),
    QT_TRANSLATE_NOOP3("QsoGrid", "RST", "received"),
    QT_TRANSLATE_NOOP3("QsoGrid", "NR", "serial number received"),
    QT_TRANSLATE_NOOP3("QsoGrid", "Mult", "multiplier"),
    QT_TRANSLATE_NOOP3("QsoGrid", "P", "points"),
};

}  // namespace

QString GridHeading(int column, std::string_view logHeading) {
    // A heading the grid does not know of is shown as the log has it.
    if (column < 0 || column >= QsoColumnCount || logHeading != Headings[column].Source)
        return ToUi(logHeading);
    return QCoreApplication::translate("QsoGrid", Headings[column].Source,
                                       Headings[column].Comment);
}

QsoGridModel::QsoGridModel(const QsoLog& log, QObject* parent)
    : QAbstractTableModel(parent), log_(log), shownRows_(log.RowCount() - 1) {}

int QsoGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int QsoGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : QsoColumnCount;
}

QVariant QsoGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::BackgroundRole) {
        // A value the rules refuse, as it came from a file, stands out until corrected.
        if (bad_ && bad_(index.row() + 1, index.column()))
            return QColor(255, 190, 190);
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const std::string& cell = log_.Cell(index.row() + 1, index.column());
    // The editor gets the cell as it is; the grid shows it as a typed one.
    return ToUi(role == Qt::DisplayRole ? ShownCell(cell) : std::string_view(cell));
}

bool QsoGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !edit_)
        return false;
    // The editor tells the view of the change itself.
    return edit_(index.row() + 1, index.column(), value.toString());
}

QVariant QsoGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return GridHeading(section, log_.Cell(0, section));
}

Qt::ItemFlags QsoGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

void QsoGridModel::Follow(int firstLogRow, int lastLogRow) {
    const int rows = log_.RowCount() - 1;
    if (rows > shownRows_) {
        beginInsertRows(QModelIndex(), shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    } else if (rows < shownRows_) {
        beginRemoveRows(QModelIndex(), rows, shownRows_ - 1);
        shownRows_ = rows;
        endRemoveRows();
    }
    // The empty row at the end changes with every commit or deleted row.
    LogRowsChanged(firstLogRow, std::min(lastLogRow, rows));
    LogRowsChanged(rows, rows);
}

void QsoGridModel::LogReset() {
    beginResetModel();
    shownRows_ = log_.RowCount() - 1;
    endResetModel();
}

void QsoGridModel::LogRowsChanged(int firstLogRow, int lastLogRow) {
    if (lastLogRow < firstLogRow)
        return;
    // Cell by cell for one row: the view repaints a range of cells as its whole viewport.
    if (firstLogRow == lastLogRow) {
        for (int col = 0; col < QsoColumnCount; ++col) {
            const QModelIndex cell = index(GridRow(firstLogRow), col);
            emit dataChanged(cell, cell);
        }
        return;
    }
    emit dataChanged(index(GridRow(firstLogRow), 0),
                     index(GridRow(lastLogRow), QsoColumnCount - 1));
}

void QsoGridModel::HeadingsChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, QsoColumnCount - 1);
}

}  // namespace kerolt
