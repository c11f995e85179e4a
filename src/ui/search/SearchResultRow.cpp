#include "ui/search/SearchResultRow.h"
#include "search/MarkupParser.h"
#include "ui/common/CoreTexts.h"

#include <QPainter>

#include "platform/Placeholder.h"
#include "search/MarkupText.h"
#include "search/SearchEngine.h"
#include "ui/common/QtText.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"
#include "ui/search/MarkupPainter.h"
#include "ui/search/NinePartPicture.h"
#include "ui/search/ResultThumbnail.h"
#include "wardrobe/Collection.h"

namespace tavoro::ui {

namespace {

constexpr int kBand = 40;
constexpr int kPictureEdge = 8;
const QColor kLine(215, 220, 230);
const QColor kText(61, 75, 102);
const QColor kCollection(130, 138, 153);

int bandTop(const QRect& rect) {
  return rect.top() + (rect.height() - kBand) / 2;
}

}  // namespace

QRect SearchResultRow::textBlock(const QRect& rect) {
  return QRect(rect.left() + 74, bandTop(rect), qMax(0, rect.width() - 74 - 13), kBand);
}

void SearchResultRow::dropMarkup() {
  m_markupReady = false;
  m_result.nameMarkup.clear();
  m_result.detailMarkup.clear();
  m_thumbnail = QPixmap();
}

void SearchResultRow::ensureMarkup() const {
  if (m_markupReady || !m_result.item) return;
  // Without a query in the engine (it was reset meanwhile) the name shows plain.
  if (!m_context.search || !m_context.search->rowMarkup(m_result)) {
    m_result.nameMarkup = escapeMarkupText(m_result.item->name());
    m_result.detailMarkup.clear();
  }
  m_markupReady = true;
}

void SearchResultRow::paintThumbnail(QPainter& painter, const QRect& box) const {
  if (m_thumbnail.isNull()) {
    const std::optional<QImage> image = m_context.previews ? resultThumbnail(*m_context.previews, *m_result.item, m_context.thumbnailReady)
                                                          : std::nullopt;
    if (!image) return;
    QImage fitted = image->width() > box.width() || image->height() > box.height()
                        ? image->scaled(box.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        : *image;
    m_thumbnail = QPixmap::fromImage(fitted);
  }
  painter.drawPixmap(box.left() + (box.width() - m_thumbnail.width()) / 2,
                     box.top() + (box.height() - m_thumbnail.height()) / 2, m_thumbnail);
}

void paintResultRowBackground(QPainter& painter, const QRect& rect, const ListBoxRow::State& state) {
  painter.fillRect(rect, Qt::white);
  const QRect picture(rect.left() + 8, rect.top(), rect.width() - 16, rect.height() - 1);
  Picture background = Picture::None;
  if (state.selected)
    background = state.listFocused ? Picture::SearchResultSelectedFocused : Picture::SearchResultSelected;
  else if (state.hot)
    background = Picture::SearchResultHover;
  if (background != Picture::None) drawNinePart(painter, picture, resourcePixmap(background), kPictureEdge);
  painter.fillRect(QRect(rect.left() + 8, rect.bottom(), rect.width() - 16, 1), kLine);
}

void SearchResultRow::paint(QPainter& painter, const QRect& rect, const State& state) const {
  paintResultRowBackground(painter, rect, state);
  if (!m_result.item) return;

  paintThumbnail(painter, QRect(rect.left() + 13, bandTop(rect), 55, kBand));

  ensureMarkup();
  const QRect text = textBlock(rect);
  const int half = kBand / 2;
  const QRect upper(text.left(), text.top() + 1, text.width(), half);
  const QRect lower(text.left(), text.top() + half - 1, text.width(), half);
  const QSize name = drawMarkup(painter, MarkupRenderer{UiFontLarge(), kText, Qt::white, false}, m_result.nameMarkup,
                                upper, kMarkupRowFormat);
  if (m_context.showCollection) {
    const ItemList* list = m_result.item->owner();
    const Collection* collection = list ? list->collection() : nullptr;
    const QRect after(upper.left() + name.width() + 10, upper.top(),
                      upper.right() + 1 - (upper.left() + name.width() + 10), upper.height());
    if (collection && !after.isEmpty()) {
      const QFont& font = UiFont();
      painter.setFont(font);
      painter.setPen(kCollection);
      const QString label = QStringLiteral("(%1)").arg(displayName(*collection));
      painter.drawText(after, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       QFontMetrics(font).elidedText(label, Qt::ElideRight, after.width()));
    }
  }
  drawMarkup(painter, MarkupRenderer{UiFont(), kText, Qt::white, false}, m_result.detailMarkup, lower,
             kMarkupRowFormat);
}

namespace {

// The text of a row's markup as it reads, without its colours.
QString plainText(const std::wstring& markup) {
  std::wstring text;
  for (const MarkupRun& run : parseMarkup(markup, MarkupStyle{})) text += unescapeMarkupText(run.text);
  return toQString(text);
}

}  // namespace

QString SearchResultRow::accessibleName() const { return m_result.item ? displayName(*m_result.item) : QString(); }

QString SearchResultRow::accessibleDescription() const {
  if (!m_result.item) return QString();
  ensureMarkup();
  QString description = plainText(m_result.detailMarkup);
  const ItemList* list = m_result.item->owner();
  if (const Collection* collection = list ? list->collection() : nullptr; collection && m_context.showCollection)
    description = description.isEmpty() ? displayName(*collection) : displayName(*collection) + QStringLiteral(", ") + description;
  return description;
}

}  // namespace tavoro::ui
