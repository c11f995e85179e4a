// The picture of a combination: up to four of its items' thumbnails in one
// square (one fills it, two side by side, three or four in a grid). The
// thumbnails come from the window's preview thumbnail cache, made on its
// thread and kept in the thumbnail store, so no photo is ever decoded here.
// makeCollage is a plain function (thread-safe); collagePictures is called on
// the user-interface thread.
#pragma once

#include <QImage>
#include <memory>
#include <vector>

#include "imaging/thumbnails/PreviewThumbnailCache.h"

namespace tavoro {
class Combination;
}

namespace tavoro::ui {

inline constexpr size_t kCollageCells = 4;

// The square collage of pictures (the first four) at size x size pixels,
// each cut to fill its cell; an empty list gives a plain light square.
QImage makeCollage(const std::vector<QImage>& pictures, int size);

// The thumbnails of the first items (those with photos) of the combination
// that are made already; the others are asked for, whenReady being told as
// each arrives. *complete says whether every one was there.
std::vector<QImage> collagePictures(PreviewThumbnailCache& previews, const Combination& combination,
                                    const std::shared_ptr<const PreviewSink>& whenReady, bool* complete);

}  // namespace tavoro::ui
