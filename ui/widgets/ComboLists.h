#pragma once

// The drop-down lists of the window: editable combo boxes whose text is whatever they show.
// While no entry is chosen a list shows its placeholder ("Category-Power") as its real text,
// because the Cabrillo header takes each list's text as it stands. The placeholder is shown in
// the window's language; the list's text as the log takes it is always the English one.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QObject;

namespace kerolt {

// The list's entries as the core's text.
std::vector<std::string> ListEntries(const QComboBox* list);

// Makes list editable, fills it with entries and shows placeholder with no entry selected.
// placeholder is the English text the log takes; shown is what the list shows for it.
void SetUpList(QComboBox* list, const QString& placeholder, const QString& shown,
               const QStringList& entries);

// The list's text as the log takes it: the English placeholder while the list shows its
// shown placeholder, otherwise the text it shows.
QString ListText(const QComboBox* list);

// Replaces the entries; the text the list shows stays, and no entry is selected.
void ReplaceEntries(QComboBox* list, const QStringList& entries);

// Selects an entry by program (-1 for none, which empties the text); no change handler runs.
void SelectEntry(QComboBox* list, int index);

// Shows text, the log's text (the English placeholder is shown as the list shows it), with no
// entry selected; no change handler runs.
void SetListText(QComboBox* list, const QString& text);

// Runs handler whenever the user changes the list: picking an entry, or typing, after which
// the selected entry is the one whose text equals the typed text ignoring letter case (none
// otherwise), and the list shows that entry's own text.
// Program changes never run it.
void OnUserChange(QComboBox* list, QObject* context, std::function<void()> handler);

}  // namespace kerolt
