#include "ui/home/KoHomeView.h"

#include <QAbstractEventDispatcher>

#include "ui/home/HomePageDialog.h"
#include "ui/home/KoHomeNaviCtrl.h"
#include "ui/home/RecentWardrobeList.h"

namespace tavoro::ui {

KoHomeView::KoHomeView(std::vector<std::wstring>& recentWardrobes, QWidget* parent)
    : QWidget(parent),
      m_recentWardrobes(recentWardrobes),
      m_navi(new KoHomeNaviCtrl(this)),
      m_page(new HomePageDialog(recentWardrobes, this)) {
  setObjectName(QStringLiteral("KoHomeView"));
  connect(m_navi, &KoHomeNaviCtrl::commandRequested, this, &KoHomeView::commandRequested);
  connect(m_page, &HomePageDialog::commandRequested, this, &KoHomeView::commandRequested);
  connect(m_page, &HomePageDialog::openWardrobeRequested, this, &KoHomeView::openWardrobeRequested);
  // The working list changes behind the page's back (a failed open from it,
  // "Clear List" in a dialog opened over it, a save): whenever the event
  // loop has nothing left to do, a shown page catches up.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
    if (m_filled && isVisible() && m_shownList != m_recentWardrobes) refreshRecentWardrobes();
  });
}

void KoHomeView::refreshRecentWardrobes() {
  m_page->recentList()->fill();
  m_shownList = m_recentWardrobes;
  m_filled = true;
}

void KoHomeView::resizeEvent(QResizeEvent*) {
  m_navi->setGeometry(0, 0, KoHomeNaviCtrl::kWidth, height());
  m_page->setGeometry(KoHomeNaviCtrl::kWidth, 0, qMax(0, width() - KoHomeNaviCtrl::kWidth), height());
}

void KoHomeView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Reading each file's name costs a file read, so only a changed list is read again.
  if (!m_filled || m_shownList != m_recentWardrobes) refreshRecentWardrobes();
}

}  // namespace tavoro::ui
