// How a worker thread hands a result to a widget: the call runs later on the
// user-interface thread, and only when the widget still exists then. Worker
// results must be plain data or QImage (never QPixmap, which belongs to the
// user-interface thread). Callable from any thread.
#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <utility>

namespace tavoro::ui {

// Queues call(receiver) for the user-interface thread. The guard is only read
// there, so a receiver destroyed meanwhile is simply skipped.
template <typename Receiver, typename Call>
void callWhileAlive(const QPointer<Receiver>& receiver, Call call) {
  QCoreApplication* application = QCoreApplication::instance();
  if (!application) return;
  QMetaObject::invokeMethod(
      application,
      [receiver, call = std::move(call)]() mutable {
        if (Receiver* alive = receiver.data()) call(alive);
      },
      Qt::QueuedConnection);
}

}  // namespace tavoro::ui
