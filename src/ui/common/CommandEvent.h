// A command posted to a window, to be carried out once the event loop gets
// to it (a button that closes the page it sits on must not do so while its
// own click is being handled). User-interface thread only.
#pragma once

#include <QEvent>

class QObject;

namespace tavoro::ui {

class CommandEvent : public QEvent {
 public:
  explicit CommandEvent(int id) : QEvent(eventType()), m_id(id) {}
  int id() const { return m_id; }
  static QEvent::Type eventType();

 private:
  int m_id;
};

// Posts command id to target; nothing happens when target is gone by then.
void postCommand(QObject* target, int id);

}  // namespace tavoro::ui
