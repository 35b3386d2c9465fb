// Not a test: a program the rig test runs on its own, to see what a whole process does.
//   WindowProbe settings [--as-the-user]  builds a window the way every window test builds it,
//       gives it the rig the user's settings hold, as the program does at start, and prints
//       "rig MODEL shown|hidden". With --as-the-user the settings are the user's own place,
//       as in the program, not the test's.
//   WindowProbe exit HOST:PORT  opens the rig at HOST:PORT as "NET rigctl", closes the window
//       once the rig is being reached and ends: the exit of a program whose rig is still
//       inside Hamlib.

#include <QLabel>
#include <QStandardPaths>
#include <cstdio>

#include "UiTestSupport.h"
#include "ui/features/rig/RigControl.h"
#include "ui/features/rig/RigSettings.h"

using namespace kerolt;
using namespace kerolt::test;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2)
        return 2;
    if (args.contains(QStringLiteral("--as-the-user"))) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    Window w;
    if (!w.Open())
        return 3;
    if (args[1] == QLatin1String("settings")) {
        const RigSettings rig = LoadRigSettings();
        RigControl::Of(*w.Form).Apply(rig);
        std::printf("rig %d %s\n", rig.Model,
                    w.Form->findChild<QLabel*>("RigPanel")->isVisible() ? "shown" : "hidden");
        return 0;
    }
    if (args[1] == QLatin1String("exit") && args.size() > 2) {
        RigControl::Of(*w.Form).Apply({2, args[2], 0});
        QTest::qWait(200);
        return w.Form->close() ? 0 : 4;
    }
    return 2;
}
