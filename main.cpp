// Kerolt's start-up: the country table before anything else, then the application, the main
// window, the About box and the help window (both hidden), then the event loop.

#include <QApplication>
#include <QIcon>
#include <optional>
#include <string>

#include "common/KeroltError.h"
#include "country/CTY.h"
#include "ui/Clock.h"
#include "ui/CoreText.h"
#include "ui/Fonts.h"
#include "ui/Prompts.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

int main(int argc, char* argv[]) {
    kerolt::CountryTable countryTable;
    std::optional<std::string> loadError;
    try {
        countryTable = kerolt::LoadCountryTable();
    } catch (const std::exception& e) {
        loadError = e.what();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kerolt"));
    QApplication::setApplicationVersion(QStringLiteral("2.31"));
    QGuiApplication::setDesktopFileName(QStringLiteral("kerolt"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kerolt.png")));
    kerolt::RegisterFontSubstitutes();

    kerolt::QtPrompts prompts;
    if (loadError) {
        // A country file that cannot be read ends the program before its window opens.
        prompts.ShowError(kerolt::ToUi(*loadError));
        return 1;
    }

    kerolt::SystemClock clock;
    kerolt::TForm1 form1(countryTable, prompts, clock);
    prompts.SetParent(&form1);
    kerolt::TAboutBox aboutBox;
    kerolt::TForm3 form3;
    form1.SetSecondaryWindows(&aboutBox, &form3);

    form1.show();
    return QApplication::exec();
}
