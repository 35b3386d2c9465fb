#include "ui/widgets/PageControl.h"

#include <QKeyEvent>
#include <QStyle>
#include <QWheelEvent>
#include <cstdlib>

namespace kerolt {

int NextShownTab(const QTabBar* bar, int from, int step, bool wrap) {
    const int count = bar->count();
    int index = from;
    for (int tried = 1; tried < count; ++tried) {
        index += step;
        if (index < 0 || index >= count) {
            if (!wrap)
                return -1;
            index = (index + count) % count;
        }
        if (bar->isTabVisible(index) && bar->isTabEnabled(index))
            return index;
    }
    return -1;
}

void PageTabBar::wheelEvent(QWheelEvent* event) {
    // Qt's own wheel handling steps onto hidden tabs; one notch (or its worth of small
    // touchpad steps) moves one shown tab, without going round.
    if (!style()->styleHint(QStyle::SH_TabBar_AllowWheelScrolling, nullptr, this)) {
        QTabBar::wheelEvent(event);
        return;
    }
    const QPoint angle = event->angleDelta();
    wheelAngle_ += std::abs(angle.y()) >= std::abs(angle.x()) ? angle.y() : angle.x();
    if (std::abs(wheelAngle_) >= QWheelEvent::DefaultDeltasPerStep) {
        const int next = NextShownTab(this, currentIndex(), wheelAngle_ > 0 ? -1 : 1, false);
        wheelAngle_ = 0;
        if (next >= 0)
            setCurrentIndex(next);
    }
    event->accept();
}

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new PageTabBar(this));
}

bool PageControl::TakePageKey(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    const bool page = key == Qt::Key_PageUp || key == Qt::Key_PageDown;
    if (!ctrl || (!tab && !page))
        return false;
    const bool back = key == Qt::Key_Backtab || key == Qt::Key_PageUp ||
                      (tab && (event->modifiers() & Qt::ShiftModifier));
    const int next = NextShownTab(tabBar(), currentIndex(), back ? -1 : 1, true);
    if (next >= 0)
        setCurrentIndex(next);
    event->accept();
    return true;
}

void PageControl::keyPressEvent(QKeyEvent* event) {
    if (!TakePageKey(event))
        QTabWidget::keyPressEvent(event);
}

}  // namespace kerolt
