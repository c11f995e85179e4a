#include "ui/search/SearchResultsPane.h"

#include "ui/search/SearchResultsBanner.h"
#include "ui/search/SearchResultList.h"

namespace tavoro::ui {

SearchResultsPane::SearchResultsPane(QWidget* parent)
    : QWidget(parent), m_banner(new SearchResultsBanner(this)), m_list(new SearchResultList(this)) {
  setObjectName(QStringLiteral("SearchResultsPane"));
}

void SearchResultsPane::setScope(Collection* collection) {
  m_banner->setCollection(collection);
  m_list->setScope(collection);
}

bool SearchResultsPane::runSearch(const QString& text) {
  return m_list->runSearch(text);
}

void SearchResultsPane::close() {
  m_list->close();
  m_banner->setCollection(nullptr);
}

void SearchResultsPane::resizeEvent(QResizeEvent*) {
  m_banner->setGeometry(0, 0, width(), SearchResultsBanner::kHeight);
  m_list->setGeometry(0, SearchResultsBanner::kHeight, width(), qMax(0, height() - SearchResultsBanner::kHeight));
}

}  // namespace tavoro::ui
