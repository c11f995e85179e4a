// SearchResultsPane: the search results, shown in place of the item
// list while a search is shown: the banner on top and the result list below
// it. User-interface thread only.
#pragma once

#include <QString>
#include <QWidget>

namespace tavoro {
class Collection;
}

namespace tavoro::ui {

class SearchResultsBanner;
class SearchResultList;

class SearchResultsPane : public QWidget {
  Q_OBJECT

 public:
  explicit SearchResultsPane(QWidget* parent = nullptr);

  SearchResultsBanner* banner() const { return m_banner; }
  SearchResultList* list() const { return m_list; }

  // The collection searched: the banner names it, the list searches it.
  void setScope(Collection* collection);
  // Searches again for the text (see SearchResultList::runSearch).
  bool runSearch(const QString& text);
  // "Hide Search Results": the rows go, the scope is forgotten.
  void close();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  SearchResultsBanner* m_banner;
  SearchResultList* m_list;
};

}  // namespace tavoro::ui
