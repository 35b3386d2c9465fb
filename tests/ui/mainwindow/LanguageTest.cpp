// The language at start, the Language menu, and the window in each language: its menus and
// pages translated, no text cut short, the Cabrillo file the same bytes as in English.
// Run once as it is and once at a screen scale of 1.75 (QT_SCALE_FACTOR).

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>

#include "UiTestSupport.h"
#include "common/KeroltError.h"
#include "ui/support/CoreText.h"
#include "ui/support/Language.h"
#include "ui/widgets/PageControl.h"

using namespace kerolt;
using namespace kerolt::test;

namespace {

void AddLanguageRows() {
    QTest::addColumn<QString>("language");
    for (const char* code : {"sv", "fi", "nb", "da"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

// What a widget shows that does not fit it; empty when all of it fits.
QString Cut(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return {};
        const bool fits = label->wordWrap()
                              ? label->height() >= label->heightForWidth(label->width())
                              : label->sizeHint().width() <= label->width();
        return fits ? QString() : label->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        // Its size hint has a minimum width of the style's: the text and its margins count.
        QString text = button->text();
        text.remove(QLatin1Char('&'));
        if (text.isEmpty())
            return {};
        const QStyle* style = button->style();
        const int needed = button->fontMetrics().horizontalAdvance(text) +
                           style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        return needed <= button->width() ? QString() : button->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text().isEmpty())
            return {};
        return button->sizeHint().width() <= button->width() ? QString() : button->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        if (group->title().isEmpty())
            return {};
        const int title = group->fontMetrics().horizontalAdvance(group->title());
        return title <= group->width() ? QString() : group->title();
    }
    return {};
}

// A tab is cut when it is elided or scrolled out of its page control.
QStringList CutTabs(QTabBar* bar, const QWidget* pages) {
    QStringList cut;
    const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        QString text = bar->tabText(i);
        text.remove(QLatin1Char('&'));
        const QRect tab = bar->tabRect(i);
        if (bar->isTabVisible(i) &&
            (tab.width() < bar->fontMetrics().horizontalAdvance(text) + space ||
             bar->mapTo(pages, tab.topLeft()).x() < 0 ||
             bar->mapTo(pages, tab.topRight()).x() >= pages->width()))
            cut << bar->tabText(i);
    }
    return cut;
}

QByteArray Bytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        InstallLanguage(QStringLiteral("en"));
        QSettings(QStringLiteral("Kerolt"), QStringLiteral("Kerolt"))
            .remove(QStringLiteral("Language"));
    }

    // LANGUAGE first, then the first set of LC_ALL, LC_MESSAGES, LANG; Norwegian is Bokmål.
    void desktopLanguage_data() {
        for (const char* column : {"languageList", "lcAll", "lcMessages", "lang", "expected"})
            QTest::addColumn<QString>(column);
        QTest::newRow("nothing set") << "" << "" << "" << "" << "en";
        QTest::newRow("LANG only") << "" << "" << "" << "sv_SE.UTF-8" << "sv";
        QTest::newRow("LANG not spoken") << "" << "" << "" << "de_DE.UTF-8" << "en";
        QTest::newRow("LC_MESSAGES before LANG") << "" << "" << "fi_FI.UTF-8" << "da_DK.UTF-8" << "fi";
        QTest::newRow("LC_ALL before LC_MESSAGES") << "" << "da_DK" << "fi_FI" << "sv_SE" << "da";
        QTest::newRow("LC_ALL C wins over LANG") << "" << "C" << "" << "sv_SE.UTF-8" << "en";
        QTest::newRow("LANGUAGE first") << "fi:sv" << "" << "" << "sv_SE.UTF-8" << "fi";
        QTest::newRow("LANGUAGE skips unspoken") << "de:da" << "" << "" << "sv_SE.UTF-8" << "da";
        QTest::newRow("LANGUAGE English first") << "en_GB:sv" << "" << "" << "sv_SE.UTF-8" << "en";
        QTest::newRow("LANGUAGE none spoken") << "de:fr" << "" << "" << "sv_SE.UTF-8" << "sv";
        QTest::newRow("LANGUAGE under C") << "sv" << "" << "" << "C" << "en";
        QTest::newRow("LANGUAGE without locale") << "sv" << "" << "" << "" << "en";
        QTest::newRow("no is Bokmal") << "" << "" << "" << "no_NO.UTF-8" << "nb";
        QTest::newRow("nn is Bokmal") << "" << "" << "" << "nn_NO" << "nb";
        QTest::newRow("nb itself") << "" << "" << "" << "nb_NO.UTF-8@euro" << "nb";
        QTest::newRow("Swedish in Finland") << "" << "" << "" << "sv_FI.UTF-8" << "sv";
        QTest::newRow("not sv by prefix") << "" << "" << "" << "sva_XX" << "en";
    }
    void desktopLanguage() {
        QFETCH(QString, languageList);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        QCOMPARE(DesktopLanguage(languageList, lcAll, lcMessages, lang), expected);
    }

    void startLanguage_data() {
        for (const char* column : {"saved", "desktop", "expected"})
            QTest::addColumn<QString>(column);
        QTest::newRow("saved wins") << "sv" << "fi" << "sv";
        QTest::newRow("English saved") << "en" << "fi" << "en";
        QTest::newRow("follow the desktop") << "" << "fi" << "fi";
        QTest::newRow("unknown saved") << "de" << "da" << "da";
        QTest::newRow("code not lower case") << "SV" << "en" << "en";
    }
    void startLanguage() {
        QFETCH(QString, saved);
        QFETCH(QString, desktop);
        QFETCH(QString, expected);
        QCOMPARE(StartLanguage(saved, desktop), expected);
    }

    // qtbase_<l>, else qt_<l>; Bokmål takes Nynorsk's (Debian 12's qt6-translations-l10n).
    void qtCatalogue_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("en") << "en" << "";
        QTest::newRow("sv") << "sv" << "qt_sv.qm";
        QTest::newRow("fi") << "fi" << "qtbase_fi.qm";
        QTest::newRow("nb") << "nb" << "qtbase_nn.qm";
        QTest::newRow("da") << "da" << "qtbase_da.qm";
        QTest::newRow("unknown") << "de" << "";
    }
    void qtCatalogue() {
        QFETCH(QString, language);
        QFETCH(QString, catalogue);
        QCOMPARE(InstallLanguage(language), catalogue);
    }

    // The saved one is checked; a choice is saved and told as applying from the next start.
    void languageMenu_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("desktop to sv") << "" << "Language_sv" << "sv";
        QTest::newRow("sv to desktop") << "sv" << "Language_desktop" << "";
        QTest::newRow("unknown to nb") << "de" << "Language_nb" << "nb";
        QTest::newRow("da to en") << "da" << "Language_en" << "en";
    }
    void languageMenu() {
        QFETCH(QString, saved);
        QFETCH(QString, entry);
        QFETCH(QString, chosen);
        SaveLanguage(saved);
        Window w;
        QVERIFY(w.Open());
        auto* menu = w.Form->SetUpMenu()->findChild<QMenu*>(QStringLiteral("LanguageMenu"));
        QVERIFY(menu);
        QStringList checked;
        for (QAction* action : menu->actions()) {
            if (action->isChecked())
                checked << action->data().toString();
        }
        QCOMPARE(checked, QStringList{saved == QLatin1String("de") ? QString() : saved});
        auto* action = menu->findChild<QAction*>(entry);
        QVERIFY(action);
        action->trigger();
        QVERIFY(action->isChecked());
        QCOMPARE(SavedLanguage(), chosen);
        QCOMPARE(w.Prompts.Informations.size(), 1);
        QVERIFY(w.Prompts.Informations[0].contains(QStringLiteral("next start")));
    }

    // (a) Menu titles and page captions come from the catalogue and differ from English.
    void menusAndPagesTranslated_data() { AddLanguageRows(); }
    void menusAndPagesTranslated() {
        QFETCH(QString, language);
        // Carried by the program whether filled or not.
        QVERIFY(QFile::exists(QStringLiteral(":/i18n/kerolt_%1.qm").arg(language)));
        InstallLanguage(language);
        Window w;
        QVERIFY(w.Open());
        QStringList shown;
        for (QAction* action : w.Form->menuBar()->actions()) shown << action->text();
        QTabBar* bar = w.Form->PageControl1->tabBar();
        for (int i = 0; i < bar->count(); ++i) shown << bar->tabText(i);
        const QStringList english{"&File",      "Set&Up",    "Chec&k",       "&Help",
                                  "Data input", "Log input", "Cabrillo log", "Mult List"};
        QCOMPARE(shown.size(), english.size());
        int translated = 0;
        for (qsizetype i = 0; i < english.size(); ++i) {
            const QString expected = QCoreApplication::translate("kerolt::TForm1", qPrintable(english[i]));
            QCOMPARE(shown[i], expected);
            translated += expected != english[i];
        }
        if (translated == 0)
            QSKIP("no translations in this catalogue yet");
        QCOMPARE(translated, english.size());
    }

    // (b) A core message as the window shows it.
    void coreMessageTranslated_data() { AddLanguageRows(); }
    void coreMessageTranslated() {
        QFETCH(QString, language);
        InstallLanguage(language);
        Window w;
        QVERIFY(w.Open());
        w.Form->Guard([] { ThrowCannotOpen("SM5QQQ.log"); });
        QCOMPARE(w.Prompts.Errors.size(), 1);
        const QString pattern = QCoreApplication::translate("Files", "Cannot open file %1");
        QCOMPARE(w.Prompts.Errors[0], pattern.arg(QStringLiteral("SM5QQQ.log")));
        if (pattern == QLatin1String("Cannot open file %1"))
            QSKIP("no translation of the message yet");
        QVERIFY(w.Prompts.Errors[0] != QLatin1String("Cannot open file SM5QQQ.log"));
    }

    // (c) Every label, button, group title and tab of every page shown whole.
    void nothingCut_data() {
        AddLanguageRows();
        QTest::newRow("en") << QStringLiteral("en");
    }
    void nothingCut() {
        QFETCH(QString, language);
        InstallLanguage(language);
        Window w;
        QVERIFY(w.Open());
        PageControl* pages = w.Form->PageControl1;
        QStringList cut;
        for (int page = 0; page < pages->count(); ++page) {
            pages->setTabVisible(page, true);
            w.ClickTab(page);
            QWidget* sheet = pages->widget(page);
            for (QWidget* widget : sheet->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(sheet))
                    continue;
                const QString text = Cut(widget);
                if (!text.isEmpty())
                    cut << pages->tabText(page) + QStringLiteral(": ") + text;
            }
        }
        cut << CutTabs(pages->tabBar(), pages);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(" | "))));
    }

    // (d) The same log typed under each language gives the English file's bytes.
    void cabrilloSameInEveryLanguage_data() { AddLanguageRows(); }
    void cabrilloSameInEveryLanguage() {
        QFETCH(QString, language);
        ScratchFolder folder;
        QByteArray files[2];
        for (int run = 0; run < 2; ++run) {
            InstallLanguage(run == 0 ? QStringLiteral("en") : language);
            Window w;
            QVERIFY(w.Open());
            w.StartLog(QStringLiteral("SM5QQQ"));
            w.TypeQso(QStringLiteral("14000"), QStringLiteral("1305"), QStringLiteral("DL1ABC"),
                      QStringLiteral("12"));
            w.TypeQso(QString(), QStringLiteral("1310"), QStringLiteral("SM6XYZ"),
                      QStringLiteral("5"));
            const QString name = QStringLiteral("run%1.log").arg(run);
            w.Prompts.Files << name;
            w.Form->Save1->trigger();
            files[run] = Bytes(name);
            QVERIFY(w.Form->close());
        }
        QVERIFY(files[0].contains("QSO: "));
        QCOMPARE(files[1], files[0]);
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
