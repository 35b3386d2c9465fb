#include <QKeyEvent>

#include "ui/Unit1.h"

// The log input page: page keys, the entry fields, the commit, the grid and the backup.

namespace kerolt {

void TForm1::ConnectLogInputHandlers() {}

bool TForm1::FormKeyDown(QKeyEvent*) {
    return false;
}

void TForm1::Deletelastrow1Click() {}

}  // namespace kerolt
