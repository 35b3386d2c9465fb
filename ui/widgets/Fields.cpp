#include "ui/widgets/Fields.h"

#include <QLineEdit>
#include <QValidator>

namespace kerolt {

namespace {

class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

}  // namespace

QLineEdit* UpperCaseEdit(QObject* owner) {
    auto* edit = new QLineEdit;
    edit->setValidator(new UpperCaseValidator(owner));
    return edit;
}

}  // namespace kerolt
