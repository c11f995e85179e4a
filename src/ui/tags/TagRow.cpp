#include "ui/tags/TagRow.h"
#include "ui/common/CoreTexts.h"
#include <QCoreApplication>

#include <QFontMetrics>
#include <QPainter>

#include "ui/common/QtText.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"
#include "ui/tags/TagValueText.h"
#include "wardrobe/Item.h"
#include "wardrobe/Tag.h"

namespace tavoro::ui {

namespace {

const QColor kNameBackground(223, 227, 235);
const QColor kValueBackground(235, 238, 244);
const QColor kNameHot(240, 242, 246);
const QColor kValueHot(250, 251, 253);
const QColor kFaint(160, 166, 178);

const QFont& faintFont() {
  static const QFont& font = *new QFont(makeUiFont(13, false, true));
  return font;
}

}  // namespace

TagRow::TagRow(Tag* tag, const TagRowLook& look) : m_tag(tag), m_look(look) {
  setSelectable(!isPlaceholder());
}

bool TagRow::isPlaceholder() const {
  return m_tag->id() == 0;
}

QRect TagRow::valueCell(const QRect& row) {
  return QRect(row.left() + kNameWidth, row.top(), row.width() - kNameWidth, row.height());
}

QRect TagRow::nameEditorPlace(const QRect& row) {
  return QRect(row.left() + 3, row.top(), 154, row.height());
}

QRect TagRow::valueEditorPlace(const QRect& row) {
  return QRect(row.left() + 163, row.top(), row.width() - 166, row.height());
}

void TagRow::paint(QPainter& painter, const QRect& rect, const State& state) const {
  if (state.selected) {
    drawThreeSlice(painter, rect, resourcePixmap(state.hot ? Picture::TagRowSelectedHover : Picture::TagRowSelected),
                   14);
  } else {
    painter.fillRect(QRect(rect.left(), rect.top(), kNameWidth, rect.height()), state.hot ? kNameHot : kNameBackground);
    painter.fillRect(valueCell(rect), state.hot ? kValueHot : kValueBackground);
  }

  const QRect nameRect(rect.left() + 6, rect.top(), 148, rect.height());
  const int align = Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine;
  if (isPlaceholder()) {
    painter.setFont(faintFont());
    painter.setPen(kFaint);
    const QString text = displayName(*m_tag) + QLatin1Char(' ');
    painter.drawText(nameRect, align, QFontMetrics(faintFont()).elidedText(text, Qt::ElideRight, nameRect.width()));
    return;
  }
  painter.setFont(UiFontLarge());
  painter.setPen(Qt::black);
  painter.drawText(nameRect, align,
                   QFontMetrics(UiFontLarge()).elidedText(toQString(m_tag->name()), Qt::ElideRight, nameRect.width()));

  if (!m_look.item) return;
  const std::wstring value = m_look.item->records().get(m_tag->id());
  const QRect valueRect(rect.left() + 166, rect.top(), rect.width() - 172, rect.height());
  if (!value.empty()) {
    drawTagValue(painter, valueRect, value, m_tag->name(), m_look.highlight);
  } else if (m_look.hintAlpha > 0 && m_look.edited != m_tag) {
    // Blended over whatever the cell shows, the selection picture included.
    painter.setFont(faintFont());
    painter.setPen(kFaint);
    painter.setOpacity(m_look.hintAlpha / 255.0);
    painter.drawText(valueRect.translated(-2, 1), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QCoreApplication::translate("TagRow", "Click to edit"));
    painter.setOpacity(1.0);
  }
}

QString TagRow::accessibleName() const { return displayName(*m_tag); }

QString TagRow::accessibleDescription() const {
  if (isPlaceholder() || !m_look.item) return QString();
  const std::wstring value = m_look.item->records().get(m_tag->id());
  return value.empty() ? QCoreApplication::translate("TagRow", "no value") : toQString(value);
}

}  // namespace tavoro::ui
