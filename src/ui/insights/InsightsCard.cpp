#include "ui/insights/InsightsCard.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/accessibility/Announcements.h"
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
}

void InsightsCard::setPlainText(std::function<QString()> text) {
  m_source = std::move(text);
  m_text.reset();
  textChanged();
}

void InsightsCard::setPlainText(const QString& text) {
  m_source = nullptr;
  m_text = text;
  textChanged();
}

void InsightsCard::textChanged() {
  // Screen readers ask for the new text (the accessible description) when told.
  QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
  announce(changed);
}

const QString& InsightsCard::plainText() const {
  if (!m_text) m_text = m_source ? m_source() : QString();
  return *m_text;
}

QString InsightsCard::title() const {
  return m_title->text();
}

void InsightsCard::copyAsText() {
  QApplication::clipboard()->setText(title() + QLatin1Char('\n') + plainText());
}

void InsightsCard::contextMenuEvent(QContextMenuEvent* event) {
  runCommandMenu(kMenuInsightsCard, this, event->globalPos());
  event->accept();
}

InsightsCard* cardOf(const QWidget* body) {
  for (QWidget* parent = body ? body->parentWidget() : nullptr; parent; parent = parent->parentWidget())
    if (auto* card = qobject_cast<InsightsCard*>(parent)) return card;
  return nullptr;
}

}  // namespace tavoro::ui
