#include "ui/features/rig/RigSettings.h"

#include <QSettings>

namespace kerolt {

namespace {

QSettings UserSettings() {
    return QSettings(QStringLiteral("Kerolt"), QStringLiteral("Kerolt"));
}

const QString ModelKey = QStringLiteral("Rig/Model");
const QString PortKey = QStringLiteral("Rig/Port");
const QString SpeedKey = QStringLiteral("Rig/Speed");

}  // namespace

RigSettings LoadRigSettings() {
    const QSettings settings = UserSettings();
    return {settings.value(ModelKey, 0).toInt(), settings.value(PortKey).toString(),
            settings.value(SpeedKey, 0).toInt()};
}

void SaveRigSettings(const RigSettings& rig) {
    QSettings settings = UserSettings();
    settings.setValue(ModelKey, rig.Model);
    settings.setValue(PortKey, rig.Port);
    settings.setValue(SpeedKey, rig.Speed);
}

}  // namespace kerolt
