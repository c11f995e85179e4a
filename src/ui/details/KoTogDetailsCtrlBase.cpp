#include "ui/details/KoTogDetailsCtrlBase.h"

#include "ui/details/KoTogPreviewCtrlBase.h"
#include "ui/tags/TagPane.h"

namespace tavoro::ui {

KoTogDetailsCtrlBase::KoTogDetailsCtrlBase(QWidget* parent)
    : QWidget(parent), m_preview(new KoTogPreviewCtrlBase(this)), m_tags(new TagPane(this)) {
  setObjectName(QStringLiteral("KoTogDetailsCtrlBase"));
  registerModelMetaTypes();
  connect(m_tags, &TagPane::changed, this, &KoTogDetailsCtrlBase::tagPaneChanged);
}

void KoTogDetailsCtrlBase::showItem(Item* item, bool fromSearch) {
  m_tags->bind(item, fromSearch);
  m_preview->setItem(item);
}

void KoTogDetailsCtrlBase::clear() {
  m_tags->unbind();
  m_preview->setItem(nullptr);
}

void KoTogDetailsCtrlBase::forgetItem(Item* item) {
  if (item && item == this->item()) clear();
}

void KoTogDetailsCtrlBase::refreshPreview() {
  m_preview->refresh();
}

Item* KoTogDetailsCtrlBase::item() const {
  return m_preview->item();
}

void KoTogDetailsCtrlBase::resizeEvent(QResizeEvent*) {
  const int w = qMax(width(), kMinimumWidth);
  const int h = qMax(height(), kMinimumHeight);
  m_preview->setGeometry(0, 0, w, KoTogPreviewCtrlBase::kHeight);
  m_tags->setGeometry(0, KoTogPreviewCtrlBase::kHeight, w, h - KoTogPreviewCtrlBase::kHeight);
}

}  // namespace tavoro::ui
