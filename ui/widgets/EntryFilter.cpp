#include "ui/widgets/EntryFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "ui/support/CoreText.h"

namespace kerolt {

int TypedChar(const QKeyEvent* key) {
    const int code = key->key();
    switch (code) {
        case Qt::Key_Backspace:
            // Ctrl+Backspace types DEL, which is no Backspace.
            return key->modifiers() & Qt::ControlModifier ? 0x7F : BackspaceChar;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return '\r';
        case Qt::Key_Escape:
            return 0x1B;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return -1;
        default:
            break;
    }
    if ((key->modifiers() & Qt::ControlModifier) && code >= Qt::Key_A && code <= Qt::Key_Z)
        return code - Qt::Key_A + 1;
    const QString text = key->text();
    if (text.isEmpty())
        return -1;
    const char16_t c = text.at(0).unicode();
    return text.size() == 1 && c < 0x100 ? static_cast<int>(c) : 0;
}

EntryValidator::EntryValidator(EntryField field, QObject* parent)
    : QValidator(parent), field_(field) {}

QValidator::State EntryValidator::validate(QString& input, int& pos) const {
    // The caret stays behind the characters before it that were kept.
    const std::string before = FilterText(field_, ToCore(input.left(pos)));
    const std::string kept = FilterText(field_, ToCore(input));
    if (static_cast<qsizetype>(kept.size()) != input.size() || ToUi(kept) != input) {
        input = ToUi(kept);
        pos = static_cast<int>(before.size());
    }
    return Acceptable;
}

QsoCellDelegate::QsoCellDelegate(std::function<void(QLineEdit*)> prepare, QObject* parent)
    : QStyledItemDelegate(parent), prepare_(std::move(prepare)) {}

QWidget* QsoCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setValidator(new EntryValidator(EntryField::Grid, editor));
    if (prepare_)
        prepare_(editor);
    return editor;
}

}  // namespace kerolt
