#include "ui/search/SearchResultsPane.h"

#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/search/SearchResultList.h"
#include "ui/search/SearchResultsBanner.h"
#include "ui/session/WardrobeSession.h"

namespace tavoro::ui {

SearchResultsPane::SearchResultsPane(WardrobeSession& session, QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_banner(new SearchResultsBanner(this)),
      m_list(new SearchResultList(session, this)) {
  setObjectName(QStringLiteral("SearchResultsPane"));
  QAction* hide =
      addCommandAction(this, kCmdHideSearchResults, tr("Hide Search Results"), [this] {
        m_session.hideSearch();
      });
  const auto follow = [this, hide] {
    hide->setEnabled(m_session.searchShown());
    m_banner->setCollection(m_session.searchShown() ? m_session.currentCollection() : nullptr);
  };
  connect(&m_session, &WardrobeSession::searchChanged, this, follow);
  connect(&m_session, &WardrobeSession::wardrobeAboutToClose, this, [this] { m_banner->setCollection(nullptr); });
  connect(&m_session, &WardrobeSession::collectionRenamed, m_banner, qOverload<>(&QWidget::update));
  follow();
}

void SearchResultsPane::resizeEvent(QResizeEvent*) {
  m_banner->setGeometry(0, 0, width(), SearchResultsBanner::kHeight);
  m_list->setGeometry(0, SearchResultsBanner::kHeight, width(), qMax(0, height() - SearchResultsBanner::kHeight));
}

}  // namespace tavoro::ui
