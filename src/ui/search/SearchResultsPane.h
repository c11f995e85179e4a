// SearchResultsPane: the search results, shown in place of the item list
// while the session shows a search: the banner on top, naming the searched
// collection, and the result list below it. It owns "Hide Search Results".
// User-interface thread only.
#pragma once

#include <QWidget>

namespace tavoro::ui {

class SearchResultsBanner;
class SearchResultList;
class WardrobeSession;

class SearchResultsPane : public QWidget {
  Q_OBJECT

 public:
  explicit SearchResultsPane(WardrobeSession& session, QWidget* parent = nullptr);

  SearchResultsBanner* banner() const { return m_banner; }
  SearchResultList* list() const { return m_list; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  WardrobeSession& m_session;
  SearchResultsBanner* m_banner;
  SearchResultList* m_list;
};

}  // namespace tavoro::ui
