#include <QAction>
#include <QLineEdit>

#include "contest/EntryToken.h"
#include "ui/CoreText.h"
#include "ui/Unit1.h"

// A minute, a time or a frequency typed in the call field and ended by Space.

namespace kerolt {

bool TForm1::TakeCallNumber() {
    const CallNumber number = ReadCallNumber(ToCore(CallWkdInput->text()), ToCore(TimeEdit->text()),
                                             Realtime1->isChecked());
    switch (number.Kind) {
        case CallNumberKind::Call:
            return false;
        case CallNumberKind::Refused:
            // Nothing changes; typing over the selection puts it right.
            CallWkdInput->selectAll();
            break;
        case CallNumberKind::Time:
            TimeEdit->setText(ToUi(number.Time));
            CallWkdInput->clear();
            break;
        case CallNumberKind::Frequency:
            SelectBand(number.Band - 1);
            typedKhz_ = number.Khz;
            CallWkdInput->clear();
            break;
    }
    SetPanelText(EntityPanel, ToUi(number.Note));
    return true;
}

}  // namespace kerolt
