#include <QAction>
#include <QLineEdit>

#include "ui/widgets/PageControl.h"
#include "ui/mainwindow/Unit1.h"

// Arriving at and leaving the pages: each page's own work lives in the file of its page.

namespace kerolt {

void TForm1::OnCurrentPageChanged(int index) {
    const int leaving = currentPage_;
    currentPage_ = index;
    if (leaving != index)
        Guard([&] { PageControl1Changing(leaving); });
    Guard([this] { PageControl1Change(); });
}

void TForm1::PageControl1Changing(int leavingPage) {
    if (leavingPage == DataInputPage)
        PrepareLogPage();
}

void TForm1::PageControl1Change() {
    switch (PageControl1->currentIndex()) {
        case LogInputPage:
            CallWkdInput->setFocus();
            break;
        case CabrilloLogPage:
            RebuildCabrilloLog();
            break;
        case MultListPage:
            ShowMultLists();
            break;
        default:
            break;
    }
}

}  // namespace kerolt
