#pragma once

// Every message box and file dialog of the program goes through Prompts, so that tests can
// answer them from a script.

#include <QString>
#include <optional>

#include "ui/features/rig/RigSettings.h"

class QWidget;

namespace kerolt {

enum class Answer { Yes, No, Cancel };
enum class QuestionButtons { YesNo, YesNoCancel };

// A file dialog as the window holds it: default extension ("log"), filter in the form
// "description|pattern" (pairs joined by "|"), and a title (empty for the standard one).
struct FileDialogSettings {
    QString DefaultExt;
    QString Filter;
    QString Title;
};

class Prompts {
  public:
    virtual ~Prompts() = default;

    // An error raised inside an event (a text that is no number, a file that failed).
    virtual void ShowError(const QString& text) = 0;
    // A message with a single OK button.
    virtual void ShowInformation(const QString& text) = 0;
    // Yes is the default button; closing the box counts as Cancel (YesNoCancel) or No.
    virtual Answer Question(const QString& text, const QString& caption,
                            QuestionButtons buttons) = 0;
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<QString> OpenFile(const FileDialogSettings& dialog) = 0;
    // Proposes proposedName; an existing file is replaced without a question.
    virtual std::optional<QString> SaveFile(const FileDialogSettings& dialog,
                                            const QString& proposedName) = 0;
    // The rig of "SetUp, Rig...", starting from current; nothing when the user cancelled.
    // Without a dialog of its own, a Prompts answers as if cancelled.
    virtual std::optional<RigSettings> ChooseRig(const RigSettings& current);
};

// "*.log|*.log" -> "*.log (*.log)"; several pairs become entries separated by ";;".
QString QtFileFilter(const QString& filter);

// The real boxes and dialogs, centred on a parent window.
class QtPrompts : public Prompts {
  public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    Answer Question(const QString& text, const QString& caption, QuestionButtons buttons) override;
    std::optional<QString> OpenFile(const FileDialogSettings& dialog) override;
    std::optional<QString> SaveFile(const FileDialogSettings& dialog,
                                    const QString& proposedName) override;
    std::optional<RigSettings> ChooseRig(const RigSettings& current) override;

  private:
    QWidget* parent_;
};

}  // namespace kerolt
