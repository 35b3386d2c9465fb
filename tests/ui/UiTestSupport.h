#pragma once

// What the window tests share: settings of their own, scripted dialogs, a clock set by the
// test, a small country table, and real key and focus events.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "country/CTY.h"
#include "tests/support/CountryLines.h"
#include "ui/support/Clock.h"
#include "ui/support/Prompts.h"
#include "ui/mainwindow/Unit1.h"

namespace kerolt::test {

// Settings of the test program's own, in a folder of its own, set before main runs: a rig or
// anything else chosen in the user's settings on this machine never reaches a window test, and
// nothing a test chooses reaches the user.
class OwnSettings {
  public:
    OwnSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }
    QString Path() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
};
inline const OwnSettings TestSettings;

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
    std::optional<RigSettings> ChooseRig(const RigSettings&) override {
        if (Rigs.empty())
            return std::nullopt;
        const RigSettings rig = Rigs.front();
        Rigs.pop_front();
        return rig;
    }

    QStringList Errors;
    QStringList Informations;
    QStringList Questions;
    QStringList ProposedNames;
    std::deque<Answer> Answers;
    QStringList Files;  // the names the file dialogs answer, in turn; a null name cancels
    std::deque<RigSettings> Rigs;  // the rig dialog's answers, in turn; none left cancels

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
    std::chrono::sys_seconds UtcNow() const override { return now; }

    int year = 2026;
    QTime time{12, 0};
    std::chrono::sys_seconds now{};
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

// A scratch folder as the working directory while it lives: commits write Last.log there.
class ScratchFolder {
  public:
    ScratchFolder() { QDir::setCurrent(dir_.path()); }
    ~ScratchFolder() { QDir::setCurrent(home_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

  private:
    QString home_ = QDir::currentPath();
    QTemporaryDir dir_;
};

// A fresh main window over the synthetic country table, with scripted dialogs and a fixed
// clock; what the page tests share.
// The settings a run leaves for the next: Realtime, AutoSave and the backup's state.
inline void ForgetLastRun() {
    QSettings settings(QStringLiteral("Kerolt"), QStringLiteral("Kerolt"));
    for (const char* key : {"Realtime", "AutoSave", "Backup"}) settings.remove(QLatin1String(key));
}

struct Window {
    CountryTable Table = SyntheticCountryTable();
    ScriptedPrompts Prompts;
    FixedClock Clock;
    std::unique_ptr<TForm1> Form;

    bool Open() {
        QApplication::setQuitOnLastWindowClosed(false);
        // Each window starts as a first run: what an earlier one left in the settings is gone.
        ForgetLastRun();
        Form = std::make_unique<TForm1>(Table, Prompts, Clock);
        Form->show();
        return QTest::qWaitForWindowActive(Form.get());
    }

    void ClickTab(int page) {
        QTabBar* bar = Form->PageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        QApplication::processEvents();
    }

    // The station page filled with a callsign and a contest (0 SAC-CW, 1 SAC-SSB), then
    // the "Log input" page.
    void StartLog(const QString& call, int contest = 0) {
        TypeInto(Form->CallEdit, call);
        ChooseWithKeys(Form->ContestBox, contest);
        ClickTab(LogInputPage);
    }

    // One QSO as the operator types it: the band by Alt+B (an empty band leaves the band as
    // it is), the time typed, the call, Enter to the number, the number, Enter to log.
    void TypeQso(const QString& band, const QString& time, const QString& call, const QString& nr) {
        Focus(Form->CallWkdInput);
        for (int i = 0; !band.isEmpty() && i < 6 && Form->FrekvensEdit->currentText() != band; ++i)
            Key(Qt::Key_B, Qt::AltModifier);
        TypeInto(Form->TimeEdit, time);
        TypeInto(Form->CallWkdInput, call);
        Key(Qt::Key_Return);
        Keys(nr);
        Key(Qt::Key_Return);
    }
};

}  // namespace kerolt::test
