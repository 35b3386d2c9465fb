#include "ui/widgets/ComboLists.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "common/Text.h"
#include "ui/support/CoreText.h"

namespace kerolt {

namespace {

// The placeholder, in English and as shown, kept on the list itself.
constexpr const char* PlaceholderProperty = "keroltPlaceholder";
constexpr const char* ShownPlaceholderProperty = "keroltShownPlaceholder";

// Runs change on the list, signals blocked, while its text and caret stay where they are. An
// editable combo box empties its text when it loses its selection; the text is put back.
template <typename Change>
void KeepingText(QComboBox* list, Change change) {
    QLineEdit* edit = list->lineEdit();
    const QSignalBlocker listBlocker(list);
    const QSignalBlocker editBlocker(edit);
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    change();
    if (edit->text() != text)
        edit->setText(text);
    edit->setCursorPosition(cursor);
}

void SelectKeepingText(QComboBox* list, int index) {
    KeepingText(list, [&] { list->setCurrentIndex(index); });
}

void FollowTypedText(QComboBox* list) {
    QLineEdit* edit = list->lineEdit();
    const int index = FindEntryIgnoringCase(ListEntries(list), ToCore(edit->text()));
    if (index != list->currentIndex())
        SelectKeepingText(list, index);
    // A text typed in another case shows the entry's own text, as an opened file's value does.
    if (index >= 0 && edit->text() != list->itemText(index)) {
        const QSignalBlocker editBlocker(edit);
        const int cursor = edit->cursorPosition();
        edit->setText(list->itemText(index));
        edit->setCursorPosition(cursor);
    }
}

}  // namespace

std::vector<std::string> ListEntries(const QComboBox* list) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i) entries.push_back(ToCore(list->itemText(i)));
    return entries;
}

void SetUpList(QComboBox* list, const QString& placeholder, const QString& shown,
               const QStringList& entries) {
    list->setProperty(PlaceholderProperty, placeholder);
    list->setProperty(ShownPlaceholderProperty, shown);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // An inline completion would show an entry's text without selecting the entry.
    list->setCompleter(nullptr);
    ReplaceEntries(list, entries);
    SetListText(list, placeholder);
}

QString ListText(const QComboBox* list) {
    const QString text = list->currentText();
    if (list->currentIndex() < 0 && !text.isEmpty() &&
        text == list->property(ShownPlaceholderProperty).toString())
        return list->property(PlaceholderProperty).toString();
    return text;
}

void ReplaceEntries(QComboBox* list, const QStringList& entries) {
    KeepingText(list, [&] {
        list->clear();
        list->addItems(entries);
        list->setCurrentIndex(-1);
    });
}

void SelectEntry(QComboBox* list, int index) {
    const QSignalBlocker listBlocker(list);
    const QSignalBlocker editBlocker(list->lineEdit());
    list->setCurrentIndex(index);
}

void SetListText(QComboBox* list, const QString& text) {
    const QSignalBlocker listBlocker(list);
    const QSignalBlocker editBlocker(list->lineEdit());
    list->setCurrentIndex(-1);
    const QString placeholder = list->property(PlaceholderProperty).toString();
    list->lineEdit()->setText(!text.isEmpty() && text == placeholder
                                  ? list->property(ShownPlaceholderProperty).toString()
                                  : text);
}

void OnUserChange(QComboBox* list, QObject* context, std::function<void()> handler) {
    QObject::connect(list, &QComboBox::activated, context, [handler](int) { handler(); });
    QObject::connect(list->lineEdit(), &QLineEdit::textEdited, context, [list, handler] {
        FollowTypedText(list);
        handler();
    });
}

}  // namespace kerolt
