// The preview thumbnails' sink of a widget that draws them: when a thumbnail
// is ready (told on the preview thread), the widget is drawn again on the
// user-interface thread, unless it is gone by then. Callable from any
// thread; the sink is made on the user-interface thread.
#pragma once

#include <memory>

#include "imaging/thumbnails/PreviewThumbnailCache.h"

class QWidget;

namespace tavoro::ui {

// The requester to give the cache; the caller keeps it as long as it wants
// to hear of thumbnails.
std::shared_ptr<const PreviewSink> repaintSink(QWidget* widget);

}  // namespace tavoro::ui
