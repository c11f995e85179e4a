#include "ui/combinations/CombinationsView.h"

#include <QPainter>
#include <QPointer>

#include "ui/combinations/CombinationItemList.h"
#include "ui/combinations/CombinationItemRow.h"
#include "ui/combinations/CombinationListView.h"
#include "ui/combinations/CombinationNameDialog.h"
#include "ui/combinations/WearDateDialog.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CoreTexts.h"
#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"
#include "ui/controls/CommandBar.h"
#include "ui/menus/MenuTables.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Combination.h"

namespace tavoro::ui {

CombinationsView::CombinationsView(WardrobeSession& session, QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_bar(new CommandBar(kMenuCombinationBar, this)),
      m_list(new CombinationListView(session, this)),
      m_items(new CombinationItemList(session, this)) {
  setObjectName(QStringLiteral("CombinationsView"));
  m_bar->setObjectName(QStringLiteral("CombinationBar"));
  makeActions();
  connect(m_list, &CombinationListView::chosenChanged, this, [this](Combination* combination) {
    m_items->setCombination(combination);
    updateActions();
  });
  connect(m_items, &RowList::selectionChanged, this, &CombinationsView::updateActions);
  connect(&m_session, &WardrobeSession::combinationChanged, this, &CombinationsView::updateActions);
  connect(m_items, &CombinationItemList::itemActivated, this, [this](Item* item) { m_session.revealItem(item); });
  connect(m_list, &RowList::commandRequested, this, [this](int) { triggerCommand(this, kCmdDeleteCombination); });
  connect(m_items, &RowList::commandRequested, this, [this](int) { triggerCommand(this, kCmdRemoveFromCombination); });
  connect(m_list, &CombinationListView::menuRequested, this, [this](QPoint at) {
    updateActions();
    runCommandMenu(kMenuCombinationContext, this, at, kCmdWornToday, true);
  });
  connect(m_items, &CombinationItemList::menuRequested, this, [this](QPoint at) {
    updateActions();
    runCommandMenu(kMenuCombinationItemContext, this, at, kCmdShowInCollection, true);
  });
}

Combination* CombinationsView::chosen() const { return m_list->chosen(); }

void CombinationsView::makeActions() {
  addCommandAction(this, kCmdWornToday, tr("Worn Today"), [this] { wearToday(); });
  addCommandAction(this, kCmdWornOnDate, tr("Worn on..."), [this] { wearOnDate(); });
  addCommandAction(this, kCmdRenameCombination, tr("Rename..."), [this] { rename(); });
  addCommandAction(this, kCmdDeleteCombination, tr("Delete Combination"), [this] { deleteChosen(); });
  addCommandAction(this, kCmdRemoveFromCombination, tr("Remove from Combination"), [this] { removeItems(); });
  addCommandAction(this, kCmdShowInCollection, tr("Show in Collection"), [this] {
    const std::vector<Item*> items = m_items->selectedItems();
    if (items.size() == 1) m_session.revealItem(items.front());
  });
  addCommandAction(this, kCmdMoveUp, tr("Move Up"), [this] { moveItem(-1); });
  addCommandAction(this, kCmdMoveDown, tr("Move Down"), [this] { moveItem(1); });
  m_bar->bindActions(actions());
  updateActions();
}

void CombinationsView::updateActions() {
  const Combination* combination = chosen();
  const std::vector<int> rows = m_items->selectedRows();
  const auto enable = [this](int id, bool enabled) {
    if (QAction* action = findCommandAction(this, id)) action->setEnabled(enabled);
  };
  enable(kCmdWornToday, combination && combination->count() > 0 && !combination->worn().contains(m_session.today()));
  enable(kCmdWornOnDate, combination && combination->count() > 0);
  enable(kCmdRenameCombination, combination != nullptr);
  enable(kCmdDeleteCombination, combination != nullptr);
  enable(kCmdRemoveFromCombination, !rows.empty());
  enable(kCmdShowInCollection, rows.size() == 1);
  enable(kCmdMoveUp, rows.size() == 1 && rows.front() > 0);
  enable(kCmdMoveDown, rows.size() == 1 && rows.front() + 1 < m_items->rowCount());
  m_bar->update();
}

void CombinationsView::wearToday() {
  if (Combination* combination = chosen()) m_session.wearCombination(combination, m_session.today());
}

void CombinationsView::wearOnDate() {
  QPointer<CombinationsView> self(this);
  Combination* combination = chosen();
  if (!combination) return;
  const std::optional<Date> day = askWearDate(this, m_session.today());
  if (self && day && chosen() == combination) m_session.wearCombination(combination, *day);
}

void CombinationsView::rename() {
  QPointer<CombinationsView> self(this);
  Combination* combination = chosen();
  if (!combination) return;
  const std::optional<std::wstring> name = askCombinationRename(this, *combination);
  if (self && name && chosen() == combination) m_session.renameCombination(combination, *name);
}

void CombinationsView::deleteChosen() {
  QPointer<CombinationsView> self(this);
  Combination* combination = chosen();
  if (!combination) return;
  const int answer = showMessage(
      this,
      uiText(tr("Are you sure you want to delete the combination \"%1\"? Its items and their photos stay."),
             {combination->name()}),
      uiText(tr("Confirm Combination Delete")), kMbQuestion);
  if (self && answer == kIdYes && chosen() == combination) m_session.removeCombination(combination);
}

void CombinationsView::removeItems() {
  if (Combination* combination = chosen()) m_session.removeFromCombination(combination, m_items->selectedItems());
}

void CombinationsView::moveItem(int step) {
  Combination* combination = chosen();
  const std::vector<int> rows = m_items->selectedRows();
  if (!combination || rows.size() != 1) return;
  std::vector<Item*> order = m_items->shownItems();
  const int from = rows.front();
  const int to = from + step;
  if (to < 0 || to >= static_cast<int>(order.size())) return;
  std::swap(order[static_cast<size_t>(from)], order[static_cast<size_t>(to)]);
  m_session.reorderCombination(combination, order);
}

void CombinationsView::resizeEvent(QResizeEvent*) {
  const int barHeight = CommandBar::kHeight;
  m_bar->setGeometry(0, 0, width(), barHeight);
  const int rest = qMax(0, height() - barHeight - 1);
  const int listHeight = rest * 11 / 20;
  m_list->setGeometry(0, barHeight, width(), listHeight);
  m_items->setGeometry(0, barHeight + listHeight + 1, width(), rest - listHeight);
}

void CombinationsView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.fillRect(QRect(8, m_list->geometry().bottom() + 1, width() - 16, 1), QColor(211, 221, 241));
}

}  // namespace tavoro::ui
