#include "ui/common/CommandEvent.h"

#include <QCoreApplication>

namespace tavoro::ui {

QEvent::Type CommandEvent::eventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

void postCommand(QObject* target, int id) {
  // Qt drops posted events of an object that is deleted before they arrive.
  if (target) QCoreApplication::postEvent(target, new CommandEvent(id));
}

}  // namespace tavoro::ui
