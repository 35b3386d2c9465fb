#pragma once

#include <QTableView>

namespace kerolt {

// The grid of QSOs. A row added or taken away at the end lays the rows out again, and the
// table view would then repaint all it shows; only the rows from the end's old place down can
// differ, so only they are repainted.
class QsoGridView : public QTableView {
  public:
    using QTableView::QTableView;
    void setModel(QAbstractItemModel* model) override;
    void doItemsLayout() override;

  protected:
    void changeEvent(QEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void EndChanged(int first);
    void UpdateFrom(int row);

    static constexpr int AnyRow = -1;
    // The first row an end's change since the last layout touched; AnyRow when the layout
    // may move any row.
    int endFrom_ = AnyRow;
    bool endOnly_ = false;
    // The first row of the end laid out and not yet painted; a scroll moves it.
    int unpaintedFrom_ = AnyRow;
    // Whether the layout scrolled while the repaint was held off.
    bool holding_ = false;
    bool scrolledWhileHeld_ = false;
};

}  // namespace kerolt
