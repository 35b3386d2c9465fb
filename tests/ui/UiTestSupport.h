#pragma once

// What the window tests share: scripted dialogs, a clock set by the test, a small country
// table, and real key and focus events.

#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <QTest>
#include <QTime>
#include <deque>
#include <string>
#include <vector>

#include "country/CTY.h"
#include "tests/support/CountryLines.h"
#include "ui/Clock.h"
#include "ui/Prompts.h"

namespace kerolt::test {

// Records every message and answers questions and file dialogs from queues.
class ScriptedPrompts : public Prompts {
  public:
    void ShowError(const QString& text) override { Errors << text; }
    void ShowInformation(const QString& text) override { Informations << text; }
    Answer Question(const QString& text, const QString&, QuestionButtons) override {
        Questions << text;
        if (Answers.empty())
            return Answer::Cancel;
        const Answer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    std::optional<QString> OpenFile(const FileDialogSettings&) override { return NextFile(); }
    std::optional<QString> SaveFile(const FileDialogSettings&, const QString& proposed) override {
        ProposedNames << proposed;
        return NextFile();
    }

    QStringList Errors;
    QStringList Informations;
    QStringList Questions;
    QStringList ProposedNames;
    std::deque<Answer> Answers;
    QStringList Files;  // the names the file dialogs answer, in turn; a null name cancels

  private:
    std::optional<QString> NextFile() {
        const QString file = Files.isEmpty() ? QString() : Files.takeFirst();
        if (file.isNull())
            return std::nullopt;
        return file;
    }
};

// A day and time of the test's choosing; counts how often the year was asked for.
class FixedClock : public Clock {
  public:
    int Year() const override {
        ++YearCalls;
        return year;
    }
    QTime TimeOfDay() const override { return time; }

    int year = 2026;
    QTime time{12, 0};
    mutable int YearCalls = 0;
};

// Gives the focus to a control the way a click or Tab would, and lets the events settle.
inline bool Focus(QWidget* widget, Qt::FocusReason reason = Qt::TabFocusReason) {
    widget->setFocus(reason);
    QApplication::processEvents();
    return widget->hasFocus();
}

// Keys go where the user's keys go: to the control that has the focus.
inline void Keys(const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
}
inline void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

inline void TypeInto(QWidget* widget, const QString& text) {
    Focus(widget);
    Keys(text);
}

// Picks an entry of a list with the arrow keys, from no entry selected.
inline void ChooseWithKeys(QComboBox* list, int entry) {
    Focus(list);
    for (int i = 0; i <= entry; ++i) Key(Qt::Key_Down);
}

inline QStringList Entries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
}

}  // namespace kerolt::test
