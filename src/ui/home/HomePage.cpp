#include "ui/home/HomePage.h"

#include <QAbstractEventDispatcher>

#include "ui/home/HomePageDialog.h"
#include "ui/home/HomeNavigationBar.h"
#include "ui/home/RecentWardrobeList.h"

namespace tavoro::ui {

HomePage::HomePage(std::vector<std::wstring>& recentWardrobes, QWidget* parent)
    : QWidget(parent),
      m_recentWardrobes(recentWardrobes),
      m_navi(new HomeNavigationBar(this)),
      m_page(new HomePageDialog(recentWardrobes, this)) {
  setObjectName(QStringLiteral("HomePage"));
  connect(m_navi, &HomeNavigationBar::commandRequested, this, &HomePage::commandRequested);
  connect(m_page, &HomePageDialog::commandRequested, this, &HomePage::commandRequested);
  connect(m_page, &HomePageDialog::openWardrobeRequested, this, &HomePage::openWardrobeRequested);
  // The working list changes behind the page's back (a failed open from it,
  // "Clear List" in a dialog opened over it, a save): whenever the event
  // loop has nothing left to do, a shown page catches up.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
    if (m_filled && isVisible() && m_shownList != m_recentWardrobes) refreshRecentWardrobes();
  });
}

void HomePage::refreshRecentWardrobes() {
  m_page->recentList()->fill();
  m_shownList = m_recentWardrobes;
  m_filled = true;
}

void HomePage::resizeEvent(QResizeEvent*) {
  m_navi->setGeometry(0, 0, HomeNavigationBar::kWidth, height());
  m_page->setGeometry(HomeNavigationBar::kWidth, 0, qMax(0, width() - HomeNavigationBar::kWidth), height());
}

void HomePage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Reading each file's name costs a file read, so only a changed list is read again.
  if (!m_filled || m_shownList != m_recentWardrobes) refreshRecentWardrobes();
}

}  // namespace tavoro::ui
