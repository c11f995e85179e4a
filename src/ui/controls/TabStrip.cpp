#include "ui/controls/TabStrip.h"

#include <QMouseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"

namespace tavoro::ui {

namespace {

constexpr int kTabTop = 8;          // tabs hang from the bottom of the header
constexpr int kTextPadding = 14;    // each side of a tab's content
constexpr int kImageGap = 6;        // between a tab's picture and its text
constexpr int kTabGap = 2;          // between neighbouring tabs (part of each tab's width)
constexpr int kCornerRadius = 5;

const QColor kTextColour(61, 75, 102);
const QColor kBorder(164, 178, 204);
const QColor kNormalFill(226, 233, 244);
const QColor kHotFill(242, 246, 252);

}  // namespace

TabStrip::TabStrip(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabStrip"));
  setMouseTracking(true);
  setFocusPolicy(Qt::TabFocus);
}

int TabStrip::addTab(const QString& text, Picture image) {
  m_tabs.push_back({text, image, false});
  relayout();
  return tabCount() - 1;
}

QString TabStrip::tabText(int index) const {
  return index >= 0 && index < tabCount() ? m_tabs[static_cast<size_t>(index)].text : QString();
}

void TabStrip::setTabText(int index, const QString& text) {
  if (index < 0 || index >= tabCount()) return;
  m_tabs[static_cast<size_t>(index)].text = text;
  relayout();
}

bool TabStrip::isTabHidden(int index) const {
  return index < 0 || index >= tabCount() || m_tabs[static_cast<size_t>(index)].hidden;
}

void TabStrip::setTabHidden(int index, bool hidden) {
  if (index < 0 || index >= tabCount()) return;
  m_tabs[static_cast<size_t>(index)].hidden = hidden;
  if (hidden && m_hot == index) m_hot = -1;
  relayout();
}

bool TabStrip::select(int index) {
  if (isTabHidden(index)) return false;
  if (index == m_current) return true;
  m_current = index;
  update();
  emit currentChanged(index);
  return true;
}

int TabStrip::tabWidth(const Tab& tab) const {
  if (tab.hidden) return 0;
  int width = 2 * kTextPadding + QFontMetrics(UiFontLargeBold()).horizontalAdvance(tab.text) + kTabGap;
  const QPixmap image = resourcePixmap(tab.image);
  if (!image.isNull()) width += image.width() + kImageGap;
  return width;
}

QRect TabStrip::tabRect(int index) const {
  if (isTabHidden(index)) return QRect();
  int left = kFirstTabLeft;
  for (int i = 0; i < index; ++i) left += tabWidth(m_tabs[static_cast<size_t>(i)]);
  return QRect(left, kTabTop, tabWidth(m_tabs[static_cast<size_t>(index)]) - kTabGap, height() - kTabTop);
}

int TabStrip::tabAt(QPoint pos) const {
  for (int i = 0; i < tabCount(); ++i)
    if (tabRect(i).contains(pos)) return i;
  return -1;
}

int TabStrip::preferredWidth() const {
  int width = kFirstTabLeft;
  for (const Tab& tab : m_tabs) width += tabWidth(tab);
  return width;
}

QSize TabStrip::sizeHint() const { return QSize(preferredWidth(), 43); }

void TabStrip::relayout() {
  updateGeometry();
  update();
}

void TabStrip::setHot(int index) {
  if (index == m_hot) return;
  m_hot = index;
  setCursor(index >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
  update();
}

void TabStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < tabCount(); ++i) {
    const QRect rect = tabRect(i);
    if (rect.isEmpty()) continue;
    const Tab& tab = m_tabs[static_cast<size_t>(i)];
    const bool selected = i == m_current;

    // A tab with rounded top corners, open at the bottom where the page begins.
    QPainterPath outline;
    const QRectF shape = QRectF(rect).adjusted(0.5, 0.5, -0.5, kCornerRadius);
    outline.addRoundedRect(shape, kCornerRadius, kCornerRadius);
    painter.setPen(kBorder);
    painter.setBrush(selected ? QColor(Qt::white) : i == m_hot ? kHotFill : kNormalFill);
    painter.setClipRect(rect);
    painter.drawPath(outline);
    painter.setClipping(false);

    QRect content = rect.adjusted(kTextPadding, 0, -kTextPadding, 0);
    const QPixmap image = resourcePixmap(tab.image);
    if (!image.isNull()) {
      painter.drawPixmap(content.left(), content.top() + (content.height() - image.height()) / 2, image);
      content.setLeft(content.left() + image.width() + kImageGap);
    }
    painter.setFont(selected ? UiFontLargeBold() : UiFontLarge());
    painter.setPen(kTextColour);
    painter.drawText(content, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, tab.text);
    if (selected && hasFocus()) {
      QPen pen(kTextColour);
      pen.setStyle(Qt::DotLine);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(rect.adjusted(3, 3, -4, -2));
    }
  }
}

void TabStrip::keyPressEvent(QKeyEvent* event) {
  int from = m_current;
  int step = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      step = -1;
      break;
    case Qt::Key_Right:
      step = 1;
      break;
    case Qt::Key_Home:
      from = -1;
      step = 1;
      break;
    case Qt::Key_End:
      from = tabCount();
      step = -1;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  for (int i = from + step; i >= 0 && i < tabCount(); i += step)
    if (!isTabHidden(i)) {
      select(i);
      return;
    }
}

void TabStrip::focusInEvent(QFocusEvent*) { update(); }

void TabStrip::focusOutEvent(QFocusEvent*) { update(); }

void TabStrip::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int index = tabAt(event->position().toPoint());
  if (index >= 0) select(index);
}

void TabStrip::mouseMoveEvent(QMouseEvent* event) { setHot(tabAt(event->position().toPoint())); }

void TabStrip::leaveEvent(QEvent*) { setHot(-1); }

}  // namespace tavoro::ui
