#include "ui/details/PreviewPicture.h"

#include <QPainter>

#include "platform/PathOps.h"
#include "ui/common/DibImage.h"
#include "ui/common/RepaintSink.h"
#include "ui/common/ResourcePictures.h"
#include "wardrobe/Item.h"

namespace tavoro::ui {

PreviewPicture::PreviewPicture(QWidget* owner, PreviewThumbnailCache& cache) : m_cache(cache) {
  m_sink = repaintSink(owner);
}

void PreviewPicture::setItem(const Item* item) {
  const Photo* photo = item && item->photos().count() > 0 ? item->photos().at(0) : nullptr;
  m_serial = photo ? photo->serial() : 0;
  m_path = photo ? photo->filePath() : std::wstring();
}

std::wstring PreviewPicture::fileName() const {
  return pathFileName(m_path);
}

PreviewPicture::State PreviewPicture::state() const {
  if (m_serial <= 0 || m_path.empty()) return State::kNone;
  if (m_cache.isCached(m_serial)) return State::kShown;
  return m_cache.isUndecodable(m_serial) ? State::kUndecodable : State::kPending;
}

PreviewPicture::State PreviewPicture::draw(QPainter& painter, const QRect& box, bool shadow, QRect* drawn) {
  if (m_serial <= 0 || m_path.empty() || box.isEmpty()) return State::kNone;
  PreviewPlacement placement;
  const Rect rect{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
  if (!m_cache.lookupOrQueue({m_sink, m_serial, m_path}, rect, placement))
    return State::kNone;
  if (placement.undecodable) return State::kUndecodable;
  if (!placement.thumbnail) return State::kPending;
  const QRect target(placement.rect.left, placement.rect.top, placement.rect.width(), placement.rect.height());
  if (shadow) drawThumbnailShadow(painter, target);
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, toQImage(*placement.thumbnail));
  painter.restore();
  if (drawn) *drawn = target;
  return State::kShown;
}

void drawThumbnailShadow(QPainter& painter, const QRect& rect) {
  constexpr int kPart = 4;
  // Grown by 1 at the top and left and 3 at the right and bottom.
  const QRect frame = rect.adjusted(-1, -1, 3, 3);
  if (frame.width() < 12 || frame.height() < 12) return;
  const QPixmap shadow = resourcePixmap(Picture::ThumbnailShadow);
  if (shadow.isNull()) return;
  const int sw = shadow.width();
  const int sh = shadow.height();
  const int l = frame.left(), t = frame.top(), r = frame.right() + 1, b = frame.bottom() + 1;
  const int mw = frame.width() - 2 * kPart, mh = frame.height() - 2 * kPart;
  const int smw = sw - 2 * kPart, smh = sh - 2 * kPart;
  // Corners, then the edges stretched between them; the middle stays clear.
  painter.drawPixmap(QRect(l, t, kPart, kPart), shadow, QRect(0, 0, kPart, kPart));
  painter.drawPixmap(QRect(r - kPart, t, kPart, kPart), shadow, QRect(sw - kPart, 0, kPart, kPart));
  painter.drawPixmap(QRect(l, b - kPart, kPart, kPart), shadow, QRect(0, sh - kPart, kPart, kPart));
  painter.drawPixmap(QRect(r - kPart, b - kPart, kPart, kPart), shadow, QRect(sw - kPart, sh - kPart, kPart, kPart));
  painter.drawPixmap(QRect(l + kPart, t, mw, kPart), shadow, QRect(kPart, 0, smw, kPart));
  painter.drawPixmap(QRect(l + kPart, b - kPart, mw, kPart), shadow, QRect(kPart, sh - kPart, smw, kPart));
  painter.drawPixmap(QRect(l, t + kPart, kPart, mh), shadow, QRect(0, kPart, kPart, smh));
  painter.drawPixmap(QRect(r - kPart, t + kPart, kPart, mh), shadow, QRect(sw - kPart, kPart, kPart, smh));
}

}  // namespace tavoro::ui
