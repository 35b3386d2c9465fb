#include <QApplication>
#include <QMessageBox>
#include <optional>

#include "common/KeroltError.h"
#include "country/CTY.h"
#include "ui/Unit1.h"

int main(int argc, char* argv[]) {
    // The country table is loaded before anything else exists.
    kerolt::CountryTable countryTable;
    std::optional<std::string> loadError;
    try {
        countryTable = kerolt::LoadCountryTable();
    } catch (const kerolt::KeroltError& e) {
        loadError = e.what();
    }

    QApplication app(argc, argv);
    if (loadError) {
        // An unreadable country file ends the start-up before any window opens.
        QMessageBox::critical(nullptr, "Kerolt", QString::fromLatin1(loadError->c_str()));
        return 1;
    }
    kerolt::TForm1 form1(countryTable);
    form1.show();
    return app.exec();
}
