#include "ui/Unit1.h"

// The file commands: opening a log, saving it, and the question before the window closes.

namespace kerolt {

void TForm1::Open1Click() {}

void TForm1::Save1Click() {}

bool TForm1::FormCloseQuery() {
    return true;
}

}  // namespace kerolt
