#pragma once

// ADIF for logbooks and QSL services, and a log from another logger's ADIF file: the File
// menu's "Import ADIF..." and "Export ADIF...".

#include <QObject>

#include "ui/support/Prompts.h"

class QAction;

namespace kerolt {

class Clock;
class TForm1;

class AdifCommands : public QObject {
    Q_OBJECT
  public:
    // Joins form's File menu after the save commands; clock dates the export.
    AdifCommands(TForm1& form, Clock& clock);

    void ExportAdif1Click();
    // A new log from an ADIF file, applied as an opened log; the QSOs not taken are named.
    void ImportAdif1Click();

  private:
    TForm1& form_;
    Clock& clock_;
    QAction* ImportAdif1 = nullptr;
    QAction* ExportAdif1 = nullptr;
    FileDialogSettings AdifDialog{QStringLiteral("adi"), QStringLiteral("*.adi|*.adi"), QString()};
};

}  // namespace kerolt
