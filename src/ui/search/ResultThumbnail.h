// Where a search result row gets the thumbnail of its item's first photo:
// this one function, so that the source of the pictures changes in one
// place. The pictures come from the window's preview thumbnail cache, made
// on its background thread. Thread-safe for the cache; called on the
// user-interface thread, whenReady is called on the cache's thread.
#pragma once

#include <QImage>
#include <memory>
#include <optional>

#include "imaging/thumbnails/PreviewThumbnailCache.h"

namespace tavoro {
class Item;
}

namespace tavoro::ui {

// The thumbnail when it is made already; otherwise nothing, and (unless the
// item has no photo) it is asked for, whenReady being told the photo's serial
// once it is there, as long as the caller keeps whenReady alive.
std::optional<QImage> resultThumbnail(PreviewThumbnailCache& previews, const Item& item,
                                     const std::shared_ptr<const PreviewSink>& whenReady);

}  // namespace tavoro::ui
