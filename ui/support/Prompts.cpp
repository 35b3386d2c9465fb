#include "ui/support/Prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "ui/features/rig/RigDialog.h"

namespace kerolt {

namespace {

const QString ProgramTitle = QStringLiteral("Kerolt");

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogSettings& settings,
                                     QFileDialog::AcceptMode mode, const QString& proposedName) {
    QFileDialog dialog(parent, settings.Title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(QtFileFilter(settings.Filter));
    dialog.setDefaultSuffix(settings.DefaultExt);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        entries << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    }
    return entries.join(QStringLiteral(";;"));
}

void QtPrompts::ShowError(const QString& text) {
    QMessageBox::critical(parent_, ProgramTitle, text);
}

void QtPrompts::ShowInformation(const QString& text) {
    QMessageBox::information(parent_, ProgramTitle, text);
}

Answer QtPrompts::Question(const QString& text, const QString& caption, QuestionButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(QMessageBox::Yes);
    QPushButton* no = box.addButton(QMessageBox::No);
    QPushButton* cancel = nullptr;
    if (buttons == QuestionButtons::YesNoCancel) {
        cancel = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(no);
    }
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (box.clickedButton() == no)
        return Answer::No;
    return cancel ? Answer::Cancel : Answer::No;
}

std::optional<QString> QtPrompts::OpenFile(const FileDialogSettings& dialog) {
    return RunFileDialog(parent_, dialog, QFileDialog::AcceptOpen, QString());
}

std::optional<QString> QtPrompts::SaveFile(const FileDialogSettings& dialog,
                                           const QString& proposedName) {
    return RunFileDialog(parent_, dialog, QFileDialog::AcceptSave, proposedName);
}

std::optional<RigSettings> Prompts::ChooseRig(const RigSettings&) {
    return std::nullopt;
}

std::optional<RigSettings> QtPrompts::ChooseRig(const RigSettings& current) {
    RigDialog dialog(current, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}

}  // namespace kerolt
