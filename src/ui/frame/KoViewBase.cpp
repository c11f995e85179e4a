#include "ui/frame/KoViewBase.h"

#include "ui/common/QtText.h"
#include "ui/controls/KoTabCtrl.h"
#include "ui/frame/HeaderLayout.h"
#include "ui/frame/KoTopViewBase.h"
#include "ui/page/KoWardrobeViewBase.h"
#include "ui/frame/PageStack.h"
#include "ui/home/KoHomeView.h"
#include "ui/search/KoSearchBoxCtrlBase.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

namespace {

constexpr int kHomeTabImage = 202;
constexpr int kWardrobeTabImage = 203;

}  // namespace

KoViewBase::KoViewBase(QWidget* parent, std::vector<std::wstring>& recentWardrobes)
    : QWidget(parent),
      m_header(new KoTopViewBase(this)),
      m_pages(new PageStack(this)),
      m_home(new KoHomeView(recentWardrobes)),
      m_wardrobe(new KoWardrobeViewBase),
      m_searchBox(new KoSearchBoxCtrlBase) {
  setObjectName(QStringLiteral("KoViewBase"));
  m_header->setSearchBox(m_searchBox);
  m_wardrobe->setSearchBox(m_searchBox);
  KoTabCtrl* tabs = m_header->tabs();
  tabs->addTab(QStringLiteral("Home"), kHomeTabImage);
  m_pages->addPage(m_home);
  tabs->addTab(QString::fromLatin1(kWardrobeTabText), kWardrobeTabImage);
  m_pages->addPage(m_wardrobe);
  tabs->setTabHidden(kWardrobeTab, true);

  connect(tabs, &KoTabCtrl::currentChanged, this, &KoViewBase::onTabChanged);
  connect(m_pages, &PageStack::pageChanged, m_header, &KoTopViewBase::tabsChanged);
  connect(m_home, &KoHomeView::commandRequested, this, &KoViewBase::commandRequested);
  connect(m_home, &KoHomeView::openWardrobeRequested, this, &KoViewBase::openWardrobeRequested);
  connect(m_wardrobe, &KoWardrobeViewBase::commandRequested, this, &KoViewBase::commandRequested);
  connect(m_wardrobe, &KoWardrobeViewBase::viewerRequested, this, &KoViewBase::viewerRequested);
  selectTab(kHomeTab);
}

void KoViewBase::onTabChanged(int index) {
  // A refused switch puts the tab strip back on the page shown.
  if (!m_pages->showPage(index)) m_header->tabs()->select(m_pages->currentIndex());
}

bool KoViewBase::selectTab(int index) {
  KoTabCtrl* tabs = m_header->tabs();
  if (tabs->currentIndex() == index) return m_pages->showPage(index);
  return tabs->select(index) && m_pages->currentIndex() == index;
}

int KoViewBase::selectedTab() const { return m_pages->currentIndex() == kWardrobeTab ? kWardrobeTab : kHomeTab; }

bool KoViewBase::attachWardrobe(Wardrobe& wardrobe) {
  if (!m_wardrobe->setWardrobe(&wardrobe)) return false;
  m_header->tabs()->setTabText(kWardrobeTab, toQString(wardrobe.name()));
  m_header->tabsChanged();
  return true;
}

void KoViewBase::detachWardrobe() {
  hideWardrobeTab();
  m_wardrobe->setWardrobe(nullptr);
  m_header->tabs()->setTabText(kWardrobeTab, QString::fromLatin1(kWardrobeTabText));
  m_header->tabsChanged();
}

void KoViewBase::showWardrobeTab(bool select) {
  m_header->tabs()->setTabHidden(kWardrobeTab, false);
  selectTab(select ? kWardrobeTab : kHomeTab);
  m_header->tabsChanged();
}

void KoViewBase::hideWardrobeTab() {
  selectTab(kHomeTab);
  m_header->tabs()->setTabHidden(kWardrobeTab, true);
  m_header->tabsChanged();
}

void KoViewBase::resizeEvent(QResizeEvent*) {
  m_header->setGeometry(0, 0, width(), kHeaderHeight);
  m_pages->setGeometry(0, kHeaderHeight, width(), std::max(0, height() - kHeaderHeight));
}

void KoViewBase::focusInEvent(QFocusEvent*) { m_pages->setFocus(Qt::OtherFocusReason); }

}  // namespace tavoro::ui
