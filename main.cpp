// Kerolt's start-up: the command-line modes without a window, else the country table before
// anything else, then the application, the main window, the About box and the help window
// (both hidden), then the event loop; the call list of contest stations once the window shows.

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QTimer>
#include <chrono>
#include <iostream>
#include <optional>
#include <string>

#include "adif/AdifWriter.h"
#include "cabrillo/LogCheck.h"
#include "calls/CallList.h"
#include "common/KeroltError.h"
#include "common/Version.h"
#include "country/CTY.h"
#include "ui/support/Clock.h"
#include "ui/support/CoreText.h"
#include "ui/support/Language.h"
#include "ui/widgets/Fonts.h"
#include "ui/features/callentry/PartialCalls.h"
#include "ui/support/Prompts.h"
#include "ui/features/rig/RigControl.h"
#include "ui/features/rig/RigSettings.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/windows/Unit2.h"
#include "ui/windows/Unit3.h"

namespace {

// --help, --version, --check FILE and --adif FILE [-o OUT], handled before any window exists;
// nothing when the window is to start. Unknown options are left to Qt's own (-platform and the
// like).
std::optional<int> RunCommandLine(int& argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kerolt"));
    QCoreApplication::setApplicationVersion(QLatin1String(kerolt::ProgramVersion));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Manual Cabrillo input for SAC"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Check the Cabrillo log FILE: one \"FILE:LINE: problem|note: message\" "
                       "line per finding; exit 1 on a problem, 2 when the file cannot be read."),
        QStringLiteral("FILE"));
    parser.addOption(check);
    const QCommandLineOption adif(
        QStringLiteral("adif"),
        QStringLiteral("Write the Cabrillo log FILE as ADIF, to standard output or to the -o "
                       "file; QSO lines that cannot be read and QSOs without a valid call, date "
                       "or time are left out and named on standard error. Exit 1 when something "
                       "was left out, 2 when the log cannot be read or the output written."),
        QStringLiteral("FILE"));
    parser.addOption(adif);
    const QCommandLineOption output(QStringLiteral("o"),
                                    QStringLiteral("The ADIF file that --adif writes."),
                                    QStringLiteral("OUT"));
    parser.addOption(output);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    if (parser.isSet(adif)) {
        return kerolt::RunAdifExport(
            QFile::encodeName(parser.value(adif)).toStdString(),
            QFile::encodeName(parser.value(output)).toStdString(),
            std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()), std::cout,
            std::cerr);
    }
    if (!parser.isSet(check))
        return std::nullopt;

    const std::string fileName = QFile::encodeName(parser.value(check)).toStdString();
    try {
        kerolt::CountryTable countryTable = kerolt::LoadCountryTable();
        const kerolt::CallList known = kerolt::LoadCallList(kerolt::FindCallListFile());
        return kerolt::RunLogCheck(fileName, countryTable, &known, std::cout, std::cerr);
    } catch (const std::exception& e) {
        // Whatever stops the check (a file error, memory) is told, never a crash.
        std::cerr << e.what() << '\n';
        return 2;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> exitCode = RunCommandLine(argc, argv))
        return *exitCode;

    kerolt::CountryTable countryTable;
    std::optional<std::string> loadError;
    try {
        countryTable = kerolt::LoadCountryTable();
    } catch (const std::exception& e) {
        loadError = e.what();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kerolt"));
    QApplication::setApplicationVersion(QLatin1String(kerolt::ProgramVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("kerolt"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kerolt.png")));
    kerolt::RegisterFontSubstitutes();
    // The language before any window exists; the command-line modes above stay English.
    kerolt::InstallLanguage(
        kerolt::StartLanguage(kerolt::SavedLanguage(), kerolt::DesktopLanguage()));

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
    // After a crash the unsaved log waits in Last.log; asked once the window is up.
    QTimer::singleShot(0, &form1, [&form1] { form1.OfferBackup(); });
    kerolt::RigControl::Of(form1).Apply(kerolt::LoadRigSettings());
    // The call list of contest stations arrives once the window is up, so it never delays it.
    QTimer::singleShot(0, &form1, [&form1] {
        form1.Guard([&form1] {
            form1.Partials().SetCallList(kerolt::LoadCallList(kerolt::FindCallListFile()));
        });
    });
    return QApplication::exec();
}
