#include "ui/search/KoSearchResultsCtrlBase.h"

#include "ui/search/KoSRBannerCtrlBase.h"
#include "ui/search/SearchResultList.h"

namespace tavoro::ui {

KoSearchResultsCtrlBase::KoSearchResultsCtrlBase(QWidget* parent)
    : QWidget(parent), m_banner(new KoSRBannerCtrlBase(this)), m_list(new SearchResultList(this)) {
  setObjectName(QStringLiteral("KoSearchResultsCtrlBase"));
}

void KoSearchResultsCtrlBase::setScope(Collection* collection) {
  m_banner->setCollection(collection);
  m_list->setScope(collection);
}

bool KoSearchResultsCtrlBase::runSearch(const QString& text) {
  return m_list->runSearch(text);
}

void KoSearchResultsCtrlBase::close() {
  m_list->close();
  m_banner->setCollection(nullptr);
}

void KoSearchResultsCtrlBase::resizeEvent(QResizeEvent*) {
  m_banner->setGeometry(0, 0, width(), KoSRBannerCtrlBase::kHeight);
  m_list->setGeometry(0, KoSRBannerCtrlBase::kHeight, width(), qMax(0, height() - KoSRBannerCtrlBase::kHeight));
}

}  // namespace tavoro::ui
