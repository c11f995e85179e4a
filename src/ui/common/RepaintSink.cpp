#include "ui/common/RepaintSink.h"

#include <QWidget>

#include "ui/common/QueuedCall.h"

namespace tavoro::ui {

std::shared_ptr<const PreviewSink> repaintSink(QWidget* widget) {
  const QPointer<QWidget> guard(widget);
  return std::make_shared<const PreviewSink>(
      [guard](int32_t) { callWhileAlive(guard, [](QWidget* alive) { alive->update(); }); });
}

}  // namespace tavoro::ui
