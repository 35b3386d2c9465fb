#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include "ui/widgets/ComboLists.h"
#include "ui/support/CoreText.h"
#include "ui/mainwindow/Unit1.h"

// The log input page's entry row as the features see it.

namespace kerolt {

QString TForm1::TypedCall() const {
    return CallWkdInput->text();
}

void TForm1::ClearTypedCall() {
    CallWkdInput->clear();
}

void TForm1::SelectTypedCall() {
    CallWkdInput->selectAll();
}

QString TForm1::TypedNumber() const {
    return NrInput->text();
}

BandIndex TForm1::TypedBand() const {
    return BandFromFrequency(ToCore(ListText(FrekvensEdit)));
}

void TForm1::KeepTypedKhz(long khz) {
    typedKhz_ = khz;
    RefreshCallMarks();
}

QString TForm1::TypedTime() const {
    return TimeEdit->text();
}

void TForm1::SetTypedTime(const QString& time) {
    TimeEdit->setText(time);
}

bool TForm1::RealtimeOn() const {
    return Realtime1->isChecked();
}

}  // namespace kerolt
