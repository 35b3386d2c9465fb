#pragma once

// The character filters of the log input page as Qt sees them: the character a key types (the
// stage where a field may refuse it), a validator that passes pasted text through the same
// filter, and the grid's cell editor built with both.

#include <QStyledItemDelegate>
#include <QValidator>
#include <functional>

#include "contest/LogEntry.h"

class QKeyEvent;
class QLineEdit;

namespace kerolt {

// What a key press types: -1 when it types no character (arrows, Delete, Tab, function keys),
// else the character code; Ctrl with a letter types its control character, a character beyond
// Latin-1 types 0, which no field takes.
int TypedChar(const QKeyEvent* key);

// Keeps only what the field takes of any text that reaches it, typed or pasted; letters of the
// call and the grid become upper case.
class EntryValidator : public QValidator {
  public:
    EntryValidator(EntryField field, QObject* parent);
    State validate(QString& input, int& pos) const override;

  private:
    EntryField field_;
};

// The grid's cell editor: a line edit with the grid's filter, handed to prepare (which hooks
// its keys and its exit) before use.
class QsoCellDelegate : public QStyledItemDelegate {
  public:
    QsoCellDelegate(std::function<void(QLineEdit*)> prepare, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

  private:
    std::function<void(QLineEdit*)> prepare_;
};

}  // namespace kerolt
