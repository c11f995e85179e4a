// SearchResultsBanner: the banner over the search results, 56 pixels high:
// the searched collection's title, "Search Results" under it, and a line
// that fades in and out at its ends. User-interface thread only.
#pragma once

#include <QString>
#include <QWidget>

namespace tavoro {
class Collection;
}

namespace tavoro::ui {

class SearchResultsBanner : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 56;

  explicit SearchResultsBanner(QWidget* parent = nullptr);

  // The collection searched; null for none. The banner draws its name each
  // time, so a rename shows at the next repaint.
  void setCollection(const Collection* collection);
  const Collection* collection() const { return m_collection; }
  QString title() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Collection* m_collection = nullptr;
};

// The banner's title for a collection: its name and " Collection", the name
// alone for "All Collections" and for a name that ends in " Collection"
// already (in any case), "Unknown Collection" without one.
QString bannerTitle(const Collection* collection);

}  // namespace tavoro::ui
