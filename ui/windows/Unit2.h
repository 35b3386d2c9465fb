#pragma once

// Unit2: the About box, a non-modal dialog that OK, Enter or its close button hide again.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace kerolt {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    void OKButtonClick();

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;
};

}  // namespace kerolt
