// One row of the search results, 49 pixels high: the item's thumbnail, its
// name with the matches highlighted (followed by its collection when the
// whole wardrobe was searched) and one of its tag values, highlighted too.
// The row keeps a copy of the search result; the two markups are worked out
// by the search engine the first time the row is drawn, and again after
// dropMarkup(). User-interface thread only.
#pragma once

#include <QPixmap>
#include <memory>

#include "imaging/thumbnails/PreviewThumbnailCache.h"
#include "search/SearchResult.h"
#include "ui/controls/ListBoxRow.h"

namespace tavoro {
class SearchEngine;
}

namespace tavoro::ui {

// What every row of one list draws alike; the list owns it and outlives its rows.
struct ResultRowContext {
  SearchEngine* search = nullptr;                     // whose matches the rows show
  PreviewThumbnailCache* previews = nullptr;          // where the thumbnails come from
  bool showCollection = false;                        // the scope is "All Collections"
  std::shared_ptr<const PreviewSink> thumbnailReady;  // told when a thumbnail arrives
};

// A result row's background (the pictures of a selected or hot row) and its
// bottom line; the combinations view draws its rows on the same.
void paintResultRowBackground(QPainter& painter, const QRect& rect, const ListBoxRow::State& state);

class SearchResultRow : public ListBoxRow {
 public:
  static constexpr int kHeight = 49;

  SearchResultRow(const SearchResult& result, const ResultRowContext& context) : m_result(result), m_context(context) {}

  Item* item() const { return m_result.item; }
  // The markups as last worked out (empty until the row was drawn).
  const SearchResult& result() const { return m_result; }
  bool hasMarkup() const { return m_markupReady; }
  // The item changed: markup and thumbnail are worked out again when drawn.
  void dropMarkup();

  void paint(QPainter& painter, const QRect& rect, const State& state) const override;
  // The item's name; its collection and the tag value the row shows.
  QString accessibleName() const override;
  QString accessibleDescription() const override;

  // Where the name and the tag value are drawn in a row at rect: from x 74
  // to 13 pixels short of the right edge, across the 40-pixel band.
  static QRect textBlock(const QRect& rect);

 private:
  void ensureMarkup() const;
  void paintThumbnail(QPainter& painter, const QRect& box) const;

  mutable SearchResult m_result;
  mutable bool m_markupReady = false;
  mutable QPixmap m_thumbnail;  // fitted to the thumbnail box once it came
  const ResultRowContext& m_context;
};

}  // namespace tavoro::ui
