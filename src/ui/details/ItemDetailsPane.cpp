#include "ui/details/ItemDetailsPane.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QPushButton>
#include <algorithm>

#include "ui/combinations/AddToCombination.h"
#include "ui/combinations/WearDateDialog.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/details/WearStrip.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"
#include "ui/details/PhotoPreview.h"
#include "ui/session/WardrobeSession.h"
#include "ui/tags/TagPane.h"
#include "wardrobe/Collection.h"

namespace tavoro::ui {

ItemDetailsPane::ItemDetailsPane(WardrobeSession& session, QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_preview(new PhotoPreview(session, this)),
      m_tags(new TagPane(session, this)),
      m_wear(new WearStrip(this)) {
  setObjectName(QStringLiteral("ItemDetailsPane"));
  registerModelMetaTypes();
  connect(&m_session, &WardrobeSession::selectionChanged, this, &ItemDetailsPane::follow);
  connect(&m_session, &WardrobeSession::itemsAboutToBeRemoved, this, [this](const std::vector<Item*>& items) {
    if (std::find(items.begin(), items.end(), item()) != items.end()) clear();
  });
  connect(&m_session, &WardrobeSession::collectionAboutToBeRemoved, this, [this](Collection* collection) {
    if (item() && item()->owner()->collection() == collection) clear();
  });
  connect(&m_session, &WardrobeSession::currentCollectionChanged, this, &ItemDetailsPane::clear);
  connect(&m_session, &WardrobeSession::wardrobeAboutToClose, this, &ItemDetailsPane::clear);
  connect(&m_session, &WardrobeSession::itemsWorn, this, [this](const std::vector<Item*>& items) {
    if (std::find(items.begin(), items.end(), item()) != items.end()) showWear();
  });
  connect(m_wear, &WearStrip::wornTodayClicked, this, [this] { triggerCommand(this, kCmdWornToday); });
  makeActions();
}

void ItemDetailsPane::makeActions() {
  addCommandAction(this, kCmdAddToCombination, tr("Add to Combination"), [this] {
    if (item()) addToCombination(m_session, this, {item()}, QCursor::pos());
  });
  addCommandAction(this, kCmdWornToday, tr("Worn Today"), [this] {
    if (item()) m_session.wearItems({item()}, m_session.today());
  });
  addCommandAction(this, kCmdWornOnDate, tr("Worn on..."), [this] {
    if (!item()) return;
    const std::optional<Date> day = askWearDate(this, m_session.today());
    if (day && item()) m_session.wearItems({item()}, *day);
  });
  updateActions();
}

void ItemDetailsPane::updateActions() {
  const bool shown = item() != nullptr;
  for (int id : {kCmdAddToCombination, kCmdWornOnDate})
    if (QAction* action = findCommandAction(this, id)) action->setEnabled(shown);
  if (QAction* action = findCommandAction(this, kCmdWornToday))
    action->setEnabled(shown && !item()->worn().contains(m_session.today()));
}

void ItemDetailsPane::showWear() {
  m_wear->setItem(item());
  updateActions();
  m_wear->wornTodayButton()->setEnabled(findCommandAction(this, kCmdWornToday)->isEnabled());
}

void ItemDetailsPane::contextMenuEvent(QContextMenuEvent* event) {
  if (!item()) return;
  updateActions();
  runCommandMenu(kMenuItemDetailsContext, this, contextMenuPosition(this, *event), 0, true);
}

void ItemDetailsPane::follow() {
  // Without one selected item the hint covers the pane, which keeps what it
  // shows (an edit ends as the focus leaves it, not here).
  Item* selected = m_session.selectedItem();
  if (!selected) return;
  // Chosen among search results: the values show the matches.
  m_tags->bind(selected, m_session.searchShown());
  m_preview->setItem(selected);
  showWear();
}

void ItemDetailsPane::clear() {
  m_tags->unbind();
  m_preview->setItem(nullptr);
  showWear();
}

Item* ItemDetailsPane::item() const { return m_preview->item(); }

void ItemDetailsPane::resizeEvent(QResizeEvent*) {
  const int w = qMax(width(), kMinimumWidth);
  const int h = qMax(height(), kMinimumHeight);
  m_preview->setGeometry(0, 0, w, PhotoPreview::kHeight);
  m_wear->setGeometry(0, PhotoPreview::kHeight, w, WearStrip::kHeight);
  const int tagsTop = PhotoPreview::kHeight + WearStrip::kHeight;
  m_tags->setGeometry(0, tagsTop, w, h - tagsTop);
}

}  // namespace tavoro::ui
