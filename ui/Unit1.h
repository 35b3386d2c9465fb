#pragma once

#include <QMainWindow>

#include "country/CTY.h"

namespace kerolt {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(CountryTable& countryTable, QWidget* parent = nullptr);

private:
    CountryTable& countryTable_;
};

}  // namespace kerolt
