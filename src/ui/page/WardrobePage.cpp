#include "ui/page/WardrobePage.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "settings/AppSettings.h"
#include "ui/collections/CollectionPane.h"
#include "ui/controls/CommandBar.h"
#include "ui/details/ItemDetailsPane.h"
#include "ui/details/DetailsHint.h"
#include "ui/details/InfoStrip.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/frame/PageStack.h"
#include "ui/insights/InsightsView.h"
#include "ui/items/ItemListPane.h"
#include "ui/menus/MenuTables.h"
#include "ui/search/SearchBox.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/session/WardrobeSession.h"

namespace tavoro::ui {

namespace {

QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

const QColor kSplitterMiddle(211, 221, 241);

}  // namespace

WardrobePage::WardrobePage(WardrobeSession& session, const QList<QAction*>& windowActions, QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_commandBar(new CommandBar(kMenuCmdBar, this)),
      m_collections(new CollectionPane(session, this)),
      m_middle(new PageStack(this)),
      m_right(new PageStack(this)),
      m_itemList(new ItemListPane(session)),
      m_searchResults(new SearchResultsPane(session)),
      m_insights(new InsightsView(session)),
      m_hint(new DetailsHint),
      m_details(new ItemDetailsPane(session)),
      m_infoStrip(new InfoStrip(session)) {
  setObjectName(QStringLiteral("WardrobePage"));
  setMouseTracking(true);
  m_middle->setObjectName(QStringLiteral("MiddlePageStack"));
  m_right->setObjectName(QStringLiteral("RightPageStack"));
  m_middle->addPage(m_itemList);
  m_middle->addPage(m_searchResults);
  m_middle->addPage(m_insights);
  m_right->addPage(m_hint);
  m_right->addPage(m_details);
  m_middle->showPage(kItemListPage);
  m_right->showPage(kHintPage);
  m_infoStrip->setParent(this);

  const AppSettings& settings = AppSettings::settings();
  if (settings.leftPaneWidth >= kSidePaneMinimum) m_layout.leftWidth = settings.leftPaneWidth;
  if (settings.midPaneWidth >= kMidPaneMinimum) m_layout.midWidth = settings.midPaneWidth;

  QAction* insights = addCommandAction(this, kCmdShowInsights, tr("Insights"), [this] { showInsights(!m_insightsShown); });
  insights->setCheckable(true);
  m_commandBar->bindActions(m_itemList->actions() + m_searchResults->actions() + actions() + windowActions);
  connect(&m_session, &WardrobeSession::searchChanged, this, [this] {
    if (m_session.searchShown()) m_insightsShown = false;
    showSessionPages();
  });
  const auto leaveInsights = [this] { showInsights(false); };
  connect(&m_session, &WardrobeSession::currentCollectionChanged, this, leaveInsights);
  connect(&m_session, &WardrobeSession::revealRequested, this, leaveInsights);
  connect(&m_session, &WardrobeSession::wardrobeOpened, this, &WardrobePage::updateActions);
  connect(&m_session, &WardrobeSession::wardrobeClosed, this, leaveInsights);
  updateActions();
  connect(&m_session, &WardrobeSession::selectionChanged, this, &WardrobePage::showSessionPages);
  connect(m_itemList, &ItemListPane::viewerRequested, this, &WardrobePage::viewerRequested);
}

void WardrobePage::showInsights(bool show) {
  m_insightsShown = show && m_session.isOpen();
  showSessionPages();
}

void WardrobePage::updateActions() {
  if (QAction* action = findCommandAction(this, kCmdShowInsights)) {
    action->setEnabled(m_session.isOpen());
    action->setChecked(m_insightsShown);
  }
}

void WardrobePage::showSessionPages() {
  m_middle->showPage(m_insightsShown ? kInsightsPage : m_session.searchShown() ? kSearchResultsPage : kItemListPage);
  updateActions();
  m_right->showPage(m_session.selectedItem() ? kDetailsPage : kHintPage);
}

void WardrobePage::setSearchBox(SearchBox* box) {
  m_searchBox = box;
  if (!box) return;
  connect(box, &SearchBox::notified, this, [this](const QString& text, int flags) {
    if (flags & (SearchBox::kTextChanged | SearchBox::kTextEmptied)) m_session.search(text);
  });
  // The cue names the current collection.
  const auto follow = [this, box] { box->setCollection(m_session.currentCollection()); };
  connect(&m_session, &WardrobeSession::currentCollectionChanged, box, follow);
  connect(&m_session, &WardrobeSession::collectionRenamed, box, qOverload<>(&QWidget::update));
  connect(&m_session, &WardrobeSession::wardrobeAboutToClose, box, [box] {
    box->clear();
    box->setCollection(nullptr);
  });
  // "Hide Search Results" empties the box.
  connect(&m_session, &WardrobeSession::searchChanged, box, [this, box] {
    if (m_session.searchText().isEmpty() && !box->text().isEmpty()) box->clear();
  });
  follow();
}

WardrobePage::~WardrobePage() {
  AppSettings& settings = AppSettings::settings();
  settings.leftPaneWidth = m_layout.leftWidth;
  settings.midPaneWidth = m_layout.midWidth;
}

bool WardrobePage::itemListShown() const {
  return m_middle->currentIndex() == kItemListPage && m_itemList->isVisible();
}

bool WardrobePage::itemListHasFocus() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && (focus == m_itemList || m_itemList->isAncestorOf(focus));
}

// --- Layout and splitters ------------------------------------------------------

void WardrobePage::resizeEvent(QResizeEvent*) { layOut(); }

void WardrobePage::layOut() {
  const PageLayout before = m_layout;
  m_layout = layOutPage(Rect{0, 0, width(), height()}, m_layout, AppSettings::settings().debut);
  applyLayout();
  // The splitters that moved or appeared are repainted at once.
  for (int splitter = 0; splitter < 2; ++splitter) {
    update(toQRect(splitterRect(before, splitter)));
    update(toQRect(splitterRect(m_layout, splitter)));
  }
}

void WardrobePage::applyLayout() {
  m_commandBar->setGeometry(toQRect(m_layout.commandBar));
  m_infoStrip->setGeometry(toQRect(m_layout.infoStrip));
  m_infoStrip->setVisible(m_layout.infoStripShown);
  QWidget* panes[3] = {m_collections, m_middle, m_right};
  for (int i = 0; i < 3; ++i) {
    if (m_layout.panes[i].isEmpty()) continue;
    panes[i]->setGeometry(toQRect(m_layout.panes[i]));
    panes[i]->setVisible(m_layout.paneShown[i]);
  }
}

int WardrobePage::splitterAt(QPoint pos) const {
  for (int splitter = 0; splitter < 2; ++splitter)
    if (toQRect(splitterRect(m_layout, splitter)).contains(pos)) return splitter;
  return -1;
}

void WardrobePage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_draggedSplitter = splitterAt(event->position().toPoint());
}

void WardrobePage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (m_draggedSplitter >= 0 && (event->buttons() & Qt::LeftButton)) {
    const Rect before = splitterRect(m_layout, m_draggedSplitter);
    if (dragSplitter(m_layout, m_draggedSplitter, pos.x())) {
      applyLayout();
      update(toQRect(before));
      update(toQRect(splitterRect(m_layout, m_draggedSplitter)));
    }
    return;
  }
  if (splitterAt(pos) >= 0)
    setCursor(Qt::SizeHorCursor);
  else
    unsetCursor();
}

void WardrobePage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_draggedSplitter = -1;
}

void WardrobePage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  for (int splitter = 0; splitter < 2; ++splitter) {
    const QRect gap = toQRect(splitterRect(m_layout, splitter));
    if (gap.isEmpty()) continue;
    painter.fillRect(QRect(gap.left() + 1, gap.top(), 1, gap.height()), kSplitterMiddle);
  }
}

}  // namespace tavoro::ui
