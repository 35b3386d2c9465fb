#include "ui/support/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace kerolt {

namespace {

const QString LanguageKey = QStringLiteral("Language");

bool Spoken(const QString& code) {
    for (const Language& language : Languages) {
        if (code == QLatin1String(language.Code))
            return true;
    }
    return false;
}

// Kept for the program's life; replaced whole when another language is installed.
std::unique_ptr<QTranslator>& OwnCatalogue() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
std::unique_ptr<QTranslator>& QtCatalogue() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// Qt's dialog texts: qtbase_<l> where Qt has it, else the older qt_<l> (Swedish has only that);
// Bokmål takes Nynorsk's when Qt has none of its own.
QString QtCatalogueFile(const QString& code) {
    const QDir dir(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QStringList codes{code};
    if (code == QLatin1String("nb"))
        codes << QStringLiteral("nn");
    for (const QString& c : codes) {
        for (const char* prefix : {"qtbase_", "qt_"}) {
            const QString file = dir.filePath(QLatin1String(prefix) + c + QStringLiteral(".qm"));
            if (QFile::exists(file))
                return file;
        }
    }
    return {};
}

}  // namespace

QString SavedLanguage() {
    const QSettings settings(QStringLiteral("Kerolt"), QStringLiteral("Kerolt"));
    return settings.value(LanguageKey).toString();
}

void SaveLanguage(const QString& code) {
    QSettings settings(QStringLiteral("Kerolt"), QStringLiteral("Kerolt"));
    settings.setValue(LanguageKey, code);
}

QString LanguageOfLocale(const QString& locale) {
    // "sv_SE.UTF-8@euro" -> "sv"
    QString code = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    if (code == QLatin1String("no") || code == QLatin1String("nn"))
        code = QStringLiteral("nb");
    return Spoken(code) ? code : QString();
}

QString DesktopLanguage(const QString& languageList, const QString& lcAll,
                        const QString& lcMessages, const QString& lang) {
    const QString locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
    // gettext ignores LANGUAGE under the C locale, and so does Kerolt.
    const bool plain =
        locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX");
    QStringList candidates;
    if (!plain)
        candidates = languageList.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    candidates << locale;
    for (const QString& candidate : candidates) {
        const QString code = LanguageOfLocale(candidate);
        if (!code.isEmpty())
            return code;
    }
    return QStringLiteral("en");
}

QString DesktopLanguage() {
    const auto env = [](const char* name) { return qEnvironmentVariable(name); };
    return DesktopLanguage(env("LANGUAGE"), env("LC_ALL"), env("LC_MESSAGES"), env("LANG"));
}

QString StartLanguage(const QString& saved, const QString& desktop) {
    return Spoken(saved) ? saved : desktop;
}

QString InstallLanguage(const QString& code) {
    Remove(OwnCatalogue());
    Remove(QtCatalogue());
    if (!Spoken(code) || code == QLatin1String("en"))
        return {};
    auto own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral(":/i18n/kerolt_") + code + QStringLiteral(".qm"))) {
        QCoreApplication::installTranslator(own.get());
        OwnCatalogue() = std::move(own);
    }
    const QString file = QtCatalogueFile(code);
    auto qt = std::make_unique<QTranslator>();
    if (file.isEmpty() || !qt->load(file))
        return {};
    QCoreApplication::installTranslator(qt.get());
    QtCatalogue() = std::move(qt);
    return QFileInfo(file).fileName();
}

}  // namespace kerolt
