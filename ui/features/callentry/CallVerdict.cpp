#include "ui/features/callentry/CallVerdict.h"

#include <QBoxLayout>
#include <QLabel>
#include <QResizeEvent>

#include "contest/EntryToken.h"
#include "ui/support/CoreText.h"
#include "ui/widgets/Fonts.h"
#include "ui/mainwindow/Unit1.h"

namespace kerolt {

namespace {

// The verdict's place in the row. A label in a layout asks the window to lay out again at each
// new text; in a box of its own without a layout it asks nobody, and the box keeps the row.
class VerdictBox : public QWidget {
  public:
    explicit VerdictBox(QLabel* label) : label_(label) {
        label_->setParent(this);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }

  protected:
    void resizeEvent(QResizeEvent*) override { label_->setGeometry(rect()); }

  private:
    QLabel* label_;
};

}  // namespace

CallVerdict::CallVerdict(TForm1& form) : QObject(&form), form_(form) {
    VerdictLabel = new QLabel;
    VerdictLabel->setObjectName(QStringLiteral("VerdictLabel"));
    VerdictLabel->setFont(PixelFont(QStringLiteral("Arial"), 16, true));
    // The verdict takes the rest of the row whatever its text, so typing never moves the
    // fields; a long verdict wraps in a smaller font instead of being cut.
    VerdictLabel->setWordWrap(true);
    VerdictLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    form.EntryRowBox()->addWidget(new VerdictBox(VerdictLabel), 1);

    // A received "000" or another band changes what the call is worth.
    const auto show = [this] { form_.Guard([this] { ShowCallVerdict(); }); };
    connect(&form, &TForm1::CallTyped, this, show);
    connect(&form, &TForm1::NumberChanged, this, show);
    connect(&form, &TForm1::BandChanged, this, show);
}

void CallVerdict::ShowCallVerdict() {
    const QString verdict =
        Translate(form_.Scoring().CallVerdict(ToCore(form_.TypedCall()), form_.TypedBand(),
                                              SplitReceived(ToCore(form_.TypedNumber())).Nr));
    if (verdict == VerdictLabel->text())
        return;
    VerdictLabel->setText(verdict);
    FitLabelFont(VerdictLabel, 16, 9);
}

}  // namespace kerolt
