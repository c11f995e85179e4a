#include "ui/details/ItemDetailsPane.h"

#include <algorithm>

#include "ui/details/PhotoPreview.h"
#include "ui/session/WardrobeSession.h"
#include "ui/tags/TagPane.h"
#include "wardrobe/Collection.h"

namespace tavoro::ui {

ItemDetailsPane::ItemDetailsPane(WardrobeSession& session, QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_preview(new PhotoPreview(session, this)),
      m_tags(new TagPane(session, this)) {
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
}

void ItemDetailsPane::follow() {
  // Without one selected item the hint covers the pane, which keeps what it
  // shows (an edit ends as the focus leaves it, not here).
  Item* selected = m_session.selectedItem();
  if (!selected) return;
  // Chosen among search results: the values show the matches.
  m_tags->bind(selected, m_session.searchShown());
  m_preview->setItem(selected);
}

void ItemDetailsPane::clear() {
  m_tags->unbind();
  m_preview->setItem(nullptr);
}

Item* ItemDetailsPane::item() const { return m_preview->item(); }

void ItemDetailsPane::resizeEvent(QResizeEvent*) {
  const int w = qMax(width(), kMinimumWidth);
  const int h = qMax(height(), kMinimumHeight);
  m_preview->setGeometry(0, 0, w, PhotoPreview::kHeight);
  m_tags->setGeometry(0, PhotoPreview::kHeight, w, h - PhotoPreview::kHeight);
}

}  // namespace tavoro::ui
