#pragma once

// The main window's page control. A page whose tab is hidden is out of the user's reach:
// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp step through the shown tabs only,
// round from the last to the first, and the mouse wheel over the tabs skips hidden ones.

#include <QTabBar>
#include <QTabWidget>

namespace kerolt {

// The shown, enabled tab next to from in direction step (+1 or -1), or -1 when there is none;
// with wrap the search goes round the ends.
int NextShownTab(const QTabBar* bar, int from, int step, bool wrap);

class PageTabBar : public QTabBar {
  public:
    using QTabBar::QTabBar;

  protected:
    void wheelEvent(QWheelEvent* event) override;

  private:
    int wheelAngle_ = 0;
};

class PageControl : public QTabWidget {
  public:
    explicit PageControl(QWidget* parent = nullptr);

    // Steps the page for Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown or Ctrl+PageUp; false for any
    // other key. For controls that would take these keys for themselves.
    bool TakePageKey(QKeyEvent* event);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kerolt
