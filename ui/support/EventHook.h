#pragma once

// A handler for one kind of event of one object, run before the object sees the event. The
// handler returns true to swallow the event. The hook lives as a child of its target.

#include <QEvent>
#include <QObject>
#include <functional>

namespace kerolt {

class EventHook : public QObject {
    Q_OBJECT
  public:
    using Handler = std::function<bool(QEvent*)>;

    static EventHook* Install(QObject* target, QEvent::Type type, Handler handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    EventHook(QObject* target, QEvent::Type type, Handler handler);

    QEvent::Type type_;
    Handler handler_;
};

}  // namespace kerolt
