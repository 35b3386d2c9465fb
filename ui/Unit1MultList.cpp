#include "ui/Unit1.h"

// Page changes, the per-band multiplier lists and their file, and the Check command.

namespace kerolt {

void TForm1::PageControl1Change() {}

void TForm1::SaveMultList1Click() {}

void TForm1::Check1Click() {}

}  // namespace kerolt
