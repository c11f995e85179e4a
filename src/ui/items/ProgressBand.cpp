#include "ui/items/ProgressBand.h"

#include <QLinearGradient>
#include <QPainter>

namespace tavoro::ui {

ProgressBand::ProgressBand(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FilterProgressBand"));
  m_offset = -highlightWidth();
}

int ProgressBand::highlightWidth() const {
  return std::max(8, width() / 4);
}

void ProgressBand::advance() {
  m_offset += kStep;
  if (m_offset >= width()) m_offset = -highlightWidth();
  update();
}

void ProgressBand::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect track = rect();
  painter.fillRect(track, palette().color(QPalette::Base));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(track.adjusted(0, 0, -1, -1));
  const QRect inner = track.adjusted(1, 1, -1, -1);
  const QRect highlight = QRect(inner.left() + m_offset, inner.top(), highlightWidth(), inner.height()) & inner;
  if (highlight.isEmpty()) return;
  const QColor colour = palette().color(QPalette::Highlight);
  QLinearGradient fade(inner.left() + m_offset, 0, inner.left() + m_offset + highlightWidth(), 0);
  fade.setColorAt(0, colour.lighter(160));
  fade.setColorAt(0.5, colour);
  fade.setColorAt(1, colour.lighter(160));
  painter.fillRect(highlight, fade);
}

}  // namespace tavoro::ui
