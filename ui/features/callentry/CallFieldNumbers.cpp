#include "ui/features/callentry/CallFieldNumbers.h"

#include "contest/EntryToken.h"
#include "ui/support/CoreText.h"
#include "ui/mainwindow/Unit1.h"

namespace kerolt {

CallFieldNumbers::CallFieldNumbers(TForm1& form) : QObject(&form), form_(form) {
    connect(&form, &TForm1::CallSpace, this,
            [this](bool* taken) { form_.Guard([&] { *taken = TakeCallNumber(); }); });
}

bool CallFieldNumbers::TakeCallNumber() {
    const CallNumber number =
        ReadCallNumber(ToCore(form_.TypedCall()), ToCore(form_.TypedTime()), form_.RealtimeOn());
    switch (number.Kind) {
        case CallNumberKind::Call:
            return false;
        case CallNumberKind::Refused:
            // Nothing changes; typing over the selection puts it right.
            form_.SelectTypedCall();
            break;
        case CallNumberKind::Time:
            form_.SetTypedTime(ToUi(number.Time));
            form_.ClearTypedCall();
            break;
        case CallNumberKind::Frequency:
            form_.SelectBand(number.Band - 1);
            form_.KeepTypedKhz(number.Khz);
            form_.ClearTypedCall();
            break;
    }
    form_.SetPanelText(EntityPanel, Translate(number.Note));
    return true;
}

}  // namespace kerolt
