#include "ui/widgets/QsoGridView.h"

#include <QEvent>
#include <QPaintEvent>
#include <algorithm>

namespace kerolt {

void QsoGridView::setModel(QAbstractItemModel* model) {
    if (QAbstractItemModel* old = this->model())
        disconnect(old, nullptr, this, nullptr);
    QTableView::setModel(model);
    endOnly_ = false;
    if (model == nullptr)
        return;
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                EndChanged(!parent.isValid() && last == this->model()->rowCount() - 1 ? first
                                                                                      : AnyRow);
            });
    connect(model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex& parent, int first, int) {
                EndChanged(!parent.isValid() && first == this->model()->rowCount() ? first
                                                                                   : AnyRow);
            });
    const auto any = [this] { EndChanged(AnyRow); };
    connect(model, &QAbstractItemModel::modelReset, this, any);
    connect(model, &QAbstractItemModel::layoutChanged, this, any);
    connect(model, &QAbstractItemModel::rowsMoved, this, any);
    connect(model, &QAbstractItemModel::columnsInserted, this, any);
    connect(model, &QAbstractItemModel::columnsRemoved, this, any);
    connect(model, &QAbstractItemModel::columnsMoved, this, any);
}

void QsoGridView::EndChanged(int first) {
    // Only changes at the end since the last layout keep the rows above in place.
    if (first == AnyRow) {
        endOnly_ = false;
        endFrom_ = AnyRow;
        return;
    }
    if (!endOnly_ && endFrom_ == AnyRow) {
        endOnly_ = true;
        endFrom_ = first;
    } else if (endOnly_) {
        endFrom_ = std::min(endFrom_, first);
    }
}

void QsoGridView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles) {
    // The base class leaves cells changed before a pending layout to its whole repaint.
    if (endOnly_ && topLeft.isValid())
        endFrom_ = std::min(endFrom_, topLeft.row());
    QTableView::dataChanged(topLeft, bottomRight, roles);
}

void QsoGridView::changeEvent(QEvent* event) {
    // A new font or style moves every row.
    EndChanged(AnyRow);
    QTableView::changeEvent(event);
}

void QsoGridView::doItemsLayout() {
    const bool endOnly = endOnly_;
    const int from = endFrom_;
    endOnly_ = false;
    endFrom_ = AnyRow;
    QWidget* area = viewport();
    if (!endOnly || !area->updatesEnabled()) {
        QTableView::doItemsLayout();
        return;
    }
    // Held off by the attribute alone: setUpdatesEnabled would repaint all when turned back.
    area->setAttribute(Qt::WA_UpdatesDisabled, true);
    holding_ = true;
    scrolledWhileHeld_ = false;
    const QPoint offset(horizontalOffset(), verticalOffset());
    QTableView::doItemsLayout();
    holding_ = false;
    area->setAttribute(Qt::WA_UpdatesDisabled, false);
    // A viewport with editors in it scrolls them even while held: repaint all then.
    if (scrolledWhileHeld_ && !area->children().isEmpty()) {
        area->update();
        return;
    }
    // The layout may move the rows, keeping the last one at the bottom, and the held viewport
    // did not scroll its picture of them.
    const QPoint moved = offset - QPoint(horizontalOffset(), verticalOffset());
    if (!moved.isNull())
        area->scroll(moved.x(), moved.y());
    unpaintedFrom_ = from;
    UpdateFrom(from);
}

void QsoGridView::UpdateFrom(int row) {
    QWidget* area = viewport();
    const int rows = model()->rowCount();
    int top = 0;
    if (row < rows)
        top = rowViewportPosition(row);
    else if (rows > 0)
        top = rowViewportPosition(rows - 1) + rowHeight(rows - 1);
    top = std::max(0, top);
    if (top < area->height())
        area->update(QRect(0, top, area->width(), area->height() - top));
}

void QsoGridView::scrollContentsBy(int dx, int dy) {
    if (holding_)
        scrolledWhileHeld_ = true;
    QTableView::scrollContentsBy(dx, dy);
    // What was asked before the scroll stands where the rows were.
    if (unpaintedFrom_ != AnyRow)
        UpdateFrom(unpaintedFrom_);
}

void QsoGridView::paintEvent(QPaintEvent* event) {
    unpaintedFrom_ = AnyRow;
    QTableView::paintEvent(event);
}

}  // namespace kerolt
