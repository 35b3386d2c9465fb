#include "ui/Unit1.h"

namespace kerolt {

TForm1::TForm1(CountryTable& countryTable, QWidget* parent)
    : QMainWindow(parent), countryTable_(countryTable) {
    setWindowTitle("Kerolt Ver 2.31 - Manual Cabrillo input for SAC");
    setFixedWidth(610);
    setMinimumHeight(305);
    resize(610, 330);
}

}  // namespace kerolt
