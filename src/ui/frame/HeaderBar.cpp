#include "ui/frame/HeaderBar.h"

#include <QPainter>

#include "ui/common/ResourcePictures.h"
#include "ui/controls/TabStrip.h"
#include "ui/frame/HeaderLayout.h"

namespace tavoro::ui {

HeaderBar::HeaderBar(QWidget* parent) : QWidget(parent), m_tabs(new TabStrip(this)) {
  setObjectName(QStringLiteral("HeaderBar"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedHeight(kHeaderHeight);
}

void HeaderBar::setSearchBox(QWidget* box) {
  m_searchBox = box;
  if (box) box->setParent(this);
  layOut();
}

void HeaderBar::tabsChanged() { layOut(); }

void HeaderBar::layOut() {
  m_tabs->setGeometry(0, 0, m_tabs->preferredWidth(), height());
  m_searchPlace = searchBoxRect(m_tabs->geometry().right() + 1, width(), height());
  m_searchShown = m_tabs->currentIndex() == 1;
  if (m_searchBox) {
    m_searchBox->setGeometry(m_searchPlace);
    m_searchBox->setVisible(m_searchShown);
  }
  update();
}

void HeaderBar::resizeEvent(QResizeEvent*) { layOut(); }

void HeaderBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPixmap background = resourcePixmap(Picture::HeaderBackground);
  if (background.isNull())
    painter.fillRect(rect(), QColor(226, 233, 244));
  else
    painter.drawPixmap(rect(), background);
}

}  // namespace tavoro::ui
