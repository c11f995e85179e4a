#include "ui/insights/InsightsCard.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/UiFonts.h"
#include "ui/menus/MenuTables.h"

namespace tavoro::ui {

InsightsCard::InsightsCard(const QString& objectName, const QString& title, QWidget* parent)
    : QFrame(parent), m_title(new QLabel(title, this)), m_layout(new QVBoxLayout(this)) {
  setObjectName(objectName);
  setFrameShape(QFrame::StyledPanel);
  setAccessibleName(title);
  setFocusPolicy(Qt::TabFocus);
  setAutoFillBackground(true);
  QPalette look = palette();
  look.setColor(QPalette::Window, Qt::white);
  setPalette(look);
  m_title->setFont(UiFontLargeBold());
  m_layout->setContentsMargins(10, 8, 10, 8);
  m_layout->addWidget(m_title);
  addCommandAction(this, kCmdCopyAsText, tr("Copy as Text"), [this] { copyAsText(); });
}

void InsightsCard::setBody(QWidget* body) {
  delete m_body;
  m_body = body;
  body->setParent(this);
  m_layout->addWidget(body, 1);
  body->setAccessibleName(title());
  body->setAccessibleDescription(m_text);
}

void InsightsCard::setPlainText(const QString& text) {
  m_text = text;
  setAccessibleDescription(text);
  if (m_body) m_body->setAccessibleDescription(text);
}

QString InsightsCard::title() const {
  return m_title->text();
}

void InsightsCard::copyAsText() {
  QApplication::clipboard()->setText(title() + QLatin1Char('\n') + m_text);
}

void InsightsCard::contextMenuEvent(QContextMenuEvent* event) {
  runCommandMenu(kMenuInsightsCard, this, event->globalPos());
  event->accept();
}

}  // namespace tavoro::ui
