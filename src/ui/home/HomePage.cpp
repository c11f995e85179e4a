#include "ui/home/HomePage.h"

#include "ui/frame/RecentWardrobes.h"
#include "ui/home/HomeNavigationBar.h"
#include "ui/home/HomePageDialog.h"
#include "ui/home/RecentWardrobeList.h"

namespace tavoro::ui {

HomePage::HomePage(RecentWardrobes& recentWardrobes, QWidget* parent)
    : QWidget(parent),
      m_recentWardrobes(recentWardrobes),
      m_navi(new HomeNavigationBar(this)),
      m_page(new HomePageDialog(recentWardrobes, this)) {
  setObjectName(QStringLiteral("HomePage"));
  connect(m_navi, &HomeNavigationBar::commandRequested, this, &HomePage::commandRequested);
  connect(m_page, &HomePageDialog::commandRequested, this, &HomePage::commandRequested);
  connect(m_page, &HomePageDialog::openWardrobeRequested, this, &HomePage::openWardrobeRequested);
  // Reading each file's name costs a file read: a hidden page catches up
  // when it is shown.
  connect(&m_recentWardrobes, &RecentWardrobes::changed, this, [this] {
    m_stale = true;
    if (isVisible()) refreshRecentWardrobes();
  });
}

void HomePage::refreshRecentWardrobes() {
  m_page->recentList()->fill();
  m_stale = false;
}

void HomePage::resizeEvent(QResizeEvent*) {
  m_navi->setGeometry(0, 0, HomeNavigationBar::kWidth, height());
  m_page->setGeometry(HomeNavigationBar::kWidth, 0, qMax(0, width() - HomeNavigationBar::kWidth), height());
}

void HomePage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (m_stale) refreshRecentWardrobes();
}

}  // namespace tavoro::ui
