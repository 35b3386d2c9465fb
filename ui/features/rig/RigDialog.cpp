#include "ui/features/rig/RigDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <algorithm>

#include "ui/features/rig/Rig.h"

namespace kerolt {

namespace {

constexpr int Speeds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

}  // namespace

RigDialog::RigDialog(const RigSettings& current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Rig"));
    ModelBox = new QComboBox;
    ModelBox->addItem(tr("Off", "no rig"), 0);
    for (const RigModel& model : RigModels()) ModelBox->addItem(model.Name, model.Model);
    ModelBox->setCurrentIndex(std::max(0, ModelBox->findData(current.Model)));

    PortEdit = new QLineEdit(current.Port);
    PortEdit->setPlaceholderText(tr("/dev/ttyUSB0 or localhost:4532"));

    SpeedBox = new QComboBox;
    SpeedBox->addItem(tr("The rig's own", "serial speed"), 0);
    for (const int speed : Speeds) SpeedBox->addItem(QString::number(speed), speed);
    SpeedBox->setCurrentIndex(std::max(0, SpeedBox->findData(current.Speed)));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Model", "rig model"), ModelBox);
    form->addRow(tr("&Port", "serial port or network address"), PortEdit);
    form->addRow(tr("&Speed", "serial speed in baud"), SpeedBox);
    form->addRow(buttons);
}

RigSettings RigDialog::Chosen() const {
    return {ModelBox->currentData().toInt(), PortEdit->text().trimmed(),
            SpeedBox->currentData().toInt()};
}

}  // namespace kerolt
