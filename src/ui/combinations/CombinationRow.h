// One row of the combinations view's list, 60 pixels high: the combination's
// collage, its name, and how many items it holds and how often and when it
// was last worn. The collage is made once all its thumbnails are there, and
// made again after dropPicture(). User-interface thread only.
#pragma once

#include <QPixmap>
#include <memory>

#include "imaging/thumbnails/PreviewThumbnailCache.h"
#include "ui/controls/ListBoxRow.h"

namespace tavoro {
class Combination;
}

namespace tavoro::ui {

// What the rows of one list share; the list owns it and outlives its rows.
struct CombinationRowContext {
  PreviewThumbnailCache* previews = nullptr;
  std::shared_ptr<const PreviewSink> thumbnailReady;
};

class CombinationRow : public ListBoxRow {
 public:
  static constexpr int kHeight = 60;
  static constexpr int kCollageSize = 48;

  CombinationRow(Combination* combination, const CombinationRowContext& context)
      : m_combination(combination), m_context(context) {}

  Combination* combination() const { return m_combination; }
  void dropPicture() { m_collage = QPixmap(); }
  bool hasPicture() const { return !m_collage.isNull(); }

  void paint(QPainter& painter, const QRect& rect, const State& state) const override;
  QString accessibleName() const override;
  QString accessibleDescription() const override;

 private:
  Combination* m_combination;
  const CombinationRowContext& m_context;
  mutable QPixmap m_collage;  // kept once every thumbnail was in it
};

}  // namespace tavoro::ui
