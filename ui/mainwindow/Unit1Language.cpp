#include "ui/mainwindow/Unit1Language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "ui/mainwindow/Unit1.h"
#include "ui/support/Language.h"

namespace kerolt {

QMenu* AddLanguageMenu(TForm1& form, QMenu* setUp) {
    setUp->addSeparator();
    QMenu* menu = setUp->addMenu(QCoreApplication::translate("TForm1", "&Language"));
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    const QString saved = SavedLanguage();
    const auto add = [&](const QString& code, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QStringLiteral("Language_") +
                              (code.isEmpty() ? QStringLiteral("desktop") : code));
        action->setCheckable(true);
        action->setChecked(code == saved);
        action->setData(code);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &form, [&form, code, text] {
            SaveLanguage(code);
            if (code.isEmpty()) {
                form.Dialogs().ShowInformation(QCoreApplication::translate(
                    "TForm1", "Kerolt follows the desktop's language from its next start."));
                return;
            }
            //: %1 is the language's name in that language: Svenska, Suomi, ...
            const QString told =
                QCoreApplication::translate("TForm1", "Kerolt speaks %1 from its next start.");
            form.Dialogs().ShowInformation(told.arg(text));
        });
    };
    add(QString(), QCoreApplication::translate("TForm1", "Follow the desktop"));
    menu->addSeparator();
    for (const Language& language : Languages)
        add(QLatin1String(language.Code), QString::fromUtf8(language.Name));
    // A saved value Kerolt no longer speaks follows the desktop, as the start does.
    if (!group->checkedAction())
        group->actions().constFirst()->setChecked(true);
    return menu;
}

}  // namespace kerolt
