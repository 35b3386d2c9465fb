#pragma once

// Check partial: the known calls near the one being typed, from the callsign list of contest
// stations, in a list beside the grid; "Check partial" joins the "SetUp" menu, checked, only
// with calls.

#include <QObject>
#include <QString>
#include <cstddef>

#include "calls/CallList.h"

class QAction;
class QListWidget;

namespace kerolt {

class TForm1;

class PartialCalls : public QObject {
    Q_OBJECT
  public:
    explicit PartialCalls(TForm1& form);

    // The callsign list of contest stations.
    void SetCallList(CallList list);
    const CallList& KnownCalls() const { return callList_; }
    // The known calls near the typed call, the log's calls first, at most maxItems; nothing
    // while "Check partial" is unchecked or no list was loaded.
    PartialMatches CheckPartialFor(const QString& typed, std::size_t maxItems) const;

    void CheckPartial1Click();
    // The known calls near the typed call in PartialList, as many as fit; empty and hidden
    // under 2 characters or without the feature.
    void ShowPartialMatches();

  private:
    // While the feature is on, the list keeps its place below the summary even when hidden.
    void ReservePlace(bool reserve);

    TForm1& form_;
    QListWidget* PartialList = nullptr;
    QAction* CheckPartial1 = nullptr;
    CallList callList_;
};

}  // namespace kerolt
