#include "ui/details/ItemDetailsPane.h"

#include "ui/details/PhotoPreview.h"
#include "ui/tags/TagPane.h"

namespace tavoro::ui {

ItemDetailsPane::ItemDetailsPane(QWidget* parent)
    : QWidget(parent), m_preview(new PhotoPreview(this)), m_tags(new TagPane(this)) {
  setObjectName(QStringLiteral("ItemDetailsPane"));
  registerModelMetaTypes();
  connect(m_tags, &TagPane::changed, this, &ItemDetailsPane::tagPaneChanged);
}

void ItemDetailsPane::showItem(Item* item, bool fromSearch) {
  m_tags->bind(item, fromSearch);
  m_preview->setItem(item);
}

void ItemDetailsPane::clear() {
  m_tags->unbind();
  m_preview->setItem(nullptr);
}

void ItemDetailsPane::forgetItem(Item* item) {
  if (item && item == this->item()) clear();
}

void ItemDetailsPane::refreshPreview() {
  m_preview->refresh();
}

Item* ItemDetailsPane::item() const {
  return m_preview->item();
}

void ItemDetailsPane::resizeEvent(QResizeEvent*) {
  const int w = qMax(width(), kMinimumWidth);
  const int h = qMax(height(), kMinimumHeight);
  m_preview->setGeometry(0, 0, w, PhotoPreview::kHeight);
  m_tags->setGeometry(0, PhotoPreview::kHeight, w, h - PhotoPreview::kHeight);
}

}  // namespace tavoro::ui
