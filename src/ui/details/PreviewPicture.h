// A photo's preview thumbnail as a widget draws it: taken from the window's
// preview cache when it is there, asked for otherwise, and the widget is
// repainted when it arrives (or when the photo turns out not to decode).
// User-interface thread only.
#pragma once

#include <QRect>
#include <QWidget>
#include <memory>
#include <string>

#include "imaging/thumbnails/PreviewThumbnailCache.h"

class QPainter;

namespace tavoro {
class Item;
}

namespace tavoro::ui {

class PreviewPicture {
 public:
  enum class State {
    kNone,         // no photo
    kPending,      // asked for; the owner repaints when it comes
    kShown,        // drawn
    kUndecodable,  // missing or damaged: nothing to draw
  };

  // owner is repainted when a thumbnail it asked for of cache is ready.
  PreviewPicture(QWidget* owner, PreviewThumbnailCache& cache);
  PreviewPicture(const PreviewPicture&) = delete;
  PreviewPicture& operator=(const PreviewPicture&) = delete;

  // The first photo of item (none without item or photos). The photo's
  // serial and path are kept, so that drawing never reaches into the model.
  void setItem(const Item* item);
  bool hasPhoto() const { return m_serial > 0; }
  const std::wstring& path() const { return m_path; }
  // The photo file's name, for a message about it.
  std::wstring fileName() const;

  // Draws the thumbnail fitted and centred in box when it is there, over its
  // shadow when asked; drawn receives where (or stays as it was).
  State draw(QPainter& painter, const QRect& box, bool shadow = false, QRect* drawn = nullptr);
  // What draw would find now, without asking for anything.
  State state() const;

 private:
  PreviewThumbnailCache& m_cache;
  std::shared_ptr<const PreviewSink> m_sink;
  int32_t m_serial = 0;
  std::wstring m_path;
};

// The soft shadow around a thumbnail drawn at rect (Picture::ThumbnailShadow,
// nine parts of 4 pixels), left out for thumbnails too small to carry it.
void drawThumbnailShadow(QPainter& painter, const QRect& rect);

}  // namespace tavoro::ui
