#include "ui/frame/KoWardrobeViewBase.h"

#include <QPainter>

#include "ui/common/CommandIds.h"
#include "ui/controls/KoCmdBarCtrlBase.h"
#include "ui/menus/MenuTables.h"

namespace tavoro::ui {

KoWardrobeViewBase::KoWardrobeViewBase(QWidget* parent)
    : QWidget(parent), m_commandBar(new KoCmdBarCtrlBase(kMenuCmdBar, this)) {
  setObjectName(QStringLiteral("KoWardrobeViewBase"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(m_commandBar, &KoCmdBarCtrlBase::commandTriggered, this, &KoWardrobeViewBase::onCommand);
  updateCommandStates();
}

bool KoWardrobeViewBase::setWardrobe(Wardrobe* wardrobe) {
  if (wardrobe && m_wardrobe && wardrobe != m_wardrobe) return false;
  m_wardrobe = wardrobe;
  updateCommandStates();
  update();
  return true;
}

void KoWardrobeViewBase::updateCommandStates() {
  // While the middle of the page shows the item list: adding photos needs a
  // real collection selected and deleting needs selected items; nothing is
  // selected before the panes exist. Search results are never shown then.
  m_commandBar->setButtonEnabled(kCmdAddPhotos, false);
  m_commandBar->setButtonEnabled(kCmdDeleteSelectedPhotos, false);
  m_commandBar->setButtonEnabled(kCmdHideSearchResults, false);
}

void KoWardrobeViewBase::onCommand(int id) {
  switch (id) {
    case kCmdCloseWardrobe:
    case kCmdTellAFriend:
    case kCmdVisitWebsite:
    case kCmdHelpContents:
      emit commandRequested(id);
      break;
    default:
      // Adding, deleting and hiding search results belong to the panes.
      break;
  }
}

void KoWardrobeViewBase::resizeEvent(QResizeEvent*) {
  m_commandBar->setGeometry(0, 0, width(), KoCmdBarCtrlBase::kHeight);
}

void KoWardrobeViewBase::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
}

}  // namespace tavoro::ui
