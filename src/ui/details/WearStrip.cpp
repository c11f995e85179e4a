#include "ui/details/WearStrip.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "ui/combinations/WearText.h"
#include "ui/common/UiFonts.h"
#include "wardrobe/Item.h"

namespace tavoro::ui {

namespace {

const QColor kText(61, 75, 102);
const QColor kLine(215, 220, 230);

}  // namespace

WearStrip::WearStrip(QWidget* parent) : QWidget(parent), m_text(new QLabel(this)), m_button(new QPushButton(this)) {
  setObjectName(QStringLiteral("WearStrip"));
  m_text->setObjectName(QStringLiteral("WearText"));
  m_text->setFont(UiFont());
  QPalette palette = m_text->palette();
  palette.setColor(QPalette::WindowText, kText);
  m_text->setPalette(palette);
  m_button->setObjectName(QStringLiteral("WornTodayButton"));
  m_button->setText(tr("Worn Today"));
  m_button->setFont(UiFont());
  m_button->setAutoDefault(false);
  m_button->setFocusPolicy(Qt::TabFocus);
  connect(m_button, &QPushButton::clicked, this, &WearStrip::wornTodayClicked);
}

void WearStrip::setItem(const Item* item) {
  m_text->setText(item ? wearSummary(item->worn()) : QString());
  m_button->setEnabled(item != nullptr);
}

QString WearStrip::text() const { return m_text->text(); }

void WearStrip::resizeEvent(QResizeEvent*) {
  const int buttonWidth = qMax(m_button->sizeHint().width(), 80);
  const int buttonHeight = kHeight - 6;
  m_button->setGeometry(width() - buttonWidth - 8, 3, buttonWidth, buttonHeight);
  m_text->setGeometry(10, 0, qMax(0, width() - buttonWidth - 26), kHeight);
}

void WearStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.fillRect(QRect(8, height() - 1, width() - 16, 1), kLine);
}

}  // namespace tavoro::ui
