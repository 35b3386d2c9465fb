#pragma once

// The language Kerolt speaks: the one saved in the settings, else the desktop's, else English.
// Chosen once at start, before the window is built; a new choice applies at the next start.

#include <QString>
#include <QStringList>
#include <array>

namespace kerolt {

struct Language {
    const char* Code;  // as saved in the settings and in the catalogue's name
    const char* Name;  // in its own language, never translated
};

// English first; the others have a catalogue kerolt_<code>.qm under :/i18n.
inline constexpr std::array<Language, 5> Languages{{{"en", "English"},
                                                    {"sv", "Svenska"},
                                                    {"fi", "Suomi"},
                                                    {"nb", "Norsk bokmål"},
                                                    {"da", "Dansk"}}};

// The saved choice: "" follows the desktop.
QString SavedLanguage();
void SaveLanguage(const QString& code);

// Kerolt's language for one locale name ("sv_SE.UTF-8", "nn", "no_NO"); "" when it speaks
// none of them.
QString LanguageOfLocale(const QString& locale);

// The desktop's language from the environment as gettext reads it: the LANGUAGE list first,
// then the first set of LC_ALL, LC_MESSAGES, LANG; "en" when none of them is spoken.
QString DesktopLanguage(const QString& languageList, const QString& lcAll,
                        const QString& lcMessages, const QString& lang);
QString DesktopLanguage();  // from this process's environment

// The saved choice when it is one of Kerolt's, else the desktop's.
QString StartLanguage(const QString& saved, const QString& desktop);

// Installs Kerolt's catalogue and Qt's own for code, in place of those installed before;
// English removes them. Gives the file name of Qt's catalogue that was loaded, "" for none.
QString InstallLanguage(const QString& code);

}  // namespace kerolt
