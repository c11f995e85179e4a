#include "ui/frame/MainView.h"

#include "ui/common/CommandActions.h"
#include "ui/common/QtText.h"
#include "ui/controls/TabStrip.h"
#include "ui/frame/HeaderLayout.h"
#include "ui/frame/HeaderBar.h"
#include "ui/page/WardrobePage.h"
#include "ui/frame/PageStack.h"
#include "ui/home/HomePage.h"
#include "ui/search/SearchBox.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

namespace {

constexpr Picture kHomeTabImage = Picture::HomeTab;
constexpr Picture kWardrobeTabImage = Picture::WardrobeTab;

}  // namespace

MainView::MainView(QWidget* window, RecentWardrobes& recentWardrobes, WardrobeSession& session)
    : QWidget(window),
      m_header(new HeaderBar(this)),
      m_pages(new PageStack(this)),
      m_home(new HomePage(recentWardrobes)),
      m_wardrobe(new WardrobePage(session, window->actions())),
      m_searchBox(new SearchBox) {
  setObjectName(QStringLiteral("MainView"));
  m_header->setSearchBox(m_searchBox);
  m_wardrobe->setSearchBox(m_searchBox);
  TabStrip* tabs = m_header->tabs();
  tabs->addTab(tr("Home"), kHomeTabImage);
  m_pages->addPage(m_home);
  tabs->addTab(tr(kWardrobeTabText), kWardrobeTabImage);
  m_pages->addPage(m_wardrobe);
  tabs->setTabHidden(kWardrobeTab, true);

  connect(tabs, &TabStrip::currentChanged, this, &MainView::onTabChanged);
  connect(m_pages, &PageStack::pageChanged, m_header, &HeaderBar::tabsChanged);
  // The home page's tables name the window's commands it leads to.
  connect(m_home, &HomePage::commandRequested, window, [window](int id) { triggerCommand(window, id); });
  connect(m_home, &HomePage::openWardrobeRequested, this, &MainView::openWardrobeRequested);
  connect(m_wardrobe, &WardrobePage::viewerRequested, this, &MainView::viewerRequested);
  connect(&session, &WardrobeSession::wardrobeOpened, this, &MainView::onWardrobeOpened);
  // The tab goes first, so that no pane is shown while it lets go of the wardrobe.
  connect(&session, &WardrobeSession::wardrobeAboutToClose, this, &MainView::hideWardrobeTab);
  connect(&session, &WardrobeSession::wardrobeClosed, this, &MainView::onWardrobeClosed);
  selectTab(kHomeTab);
}

void MainView::onTabChanged(int index) {
  // A refused switch puts the tab strip back on the page shown.
  if (!m_pages->showPage(index)) m_header->tabs()->select(m_pages->currentIndex());
}

bool MainView::selectTab(int index) {
  TabStrip* tabs = m_header->tabs();
  if (tabs->currentIndex() == index) return m_pages->showPage(index);
  return tabs->select(index) && m_pages->currentIndex() == index;
}

int MainView::selectedTab() const { return m_pages->currentIndex() == kWardrobeTab ? kWardrobeTab : kHomeTab; }

void MainView::onWardrobeOpened(Wardrobe* wardrobe) {
  m_header->tabs()->setTabText(kWardrobeTab, toQString(wardrobe->name()));
  m_header->tabsChanged();
}

void MainView::onWardrobeClosed() {
  m_header->tabs()->setTabText(kWardrobeTab, tr(kWardrobeTabText));
  m_header->tabsChanged();
}

void MainView::showWardrobeTab(bool select) {
  m_header->tabs()->setTabHidden(kWardrobeTab, false);
  selectTab(select ? kWardrobeTab : kHomeTab);
  m_header->tabsChanged();
}

void MainView::hideWardrobeTab() {
  selectTab(kHomeTab);
  m_header->tabs()->setTabHidden(kWardrobeTab, true);
  m_header->tabsChanged();
}

void MainView::resizeEvent(QResizeEvent*) {
  m_header->setGeometry(0, 0, width(), kHeaderHeight);
  m_pages->setGeometry(0, kHeaderHeight, width(), std::max(0, height() - kHeaderHeight));
}

void MainView::focusInEvent(QFocusEvent*) { m_pages->setFocus(Qt::OtherFocusReason); }

}  // namespace tavoro::ui
