#pragma once

// "SetUp, Rig...": the rig model from Hamlib's list ("Off" for none), its port or host:port,
// and its speed.

#include <QDialog>

#include "ui/features/rig/RigSettings.h"

class QComboBox;
class QLineEdit;

namespace kerolt {

class RigDialog : public QDialog {
    Q_OBJECT
  public:
    explicit RigDialog(const RigSettings& current, QWidget* parent = nullptr);
    RigSettings Chosen() const;

    QComboBox* ModelBox = nullptr;
    QLineEdit* PortEdit = nullptr;
    QComboBox* SpeedBox = nullptr;
};

}  // namespace kerolt
