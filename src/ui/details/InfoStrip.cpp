#include "ui/details/InfoStrip.h"
#include "ui/common/CoreTexts.h"

#include <QPainter>

#include "ui/common/QtText.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Collection.h"
#include "wardrobe/CollectionList.h"
#include "wardrobe/Item.h"

namespace tavoro::ui {

namespace {

enum Role { kName = 0, kCollectionName = 1, kLabel = 2, kValue = 3, kCount = 4 };

const QColor kDark(61, 75, 102);
const QColor kGrey(130, 138, 153);
constexpr int kLeft = 10;
constexpr int kRightMargin = 10;
const QRect kThumbnailBox(kLeft, 6, 38, 38);

QString countText(int count, bool selected) {
  return selected ? InfoStrip::tr("%n items selected", nullptr, count) : InfoStrip::tr("%n items", nullptr, count);
}

}  // namespace

InfoStrip::InfoStrip(WardrobeSession& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_picture(this, session.previewThumbnails()) {
  setObjectName(QStringLiteral("InfoStrip"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  registerModelMetaTypes();
  connect(&m_session, &WardrobeSession::currentCollectionChanged, this, &InfoStrip::follow);
  for (auto change : {&WardrobeSession::selectionChanged, &WardrobeSession::searchChanged,
                      &WardrobeSession::itemsRemoved})
    connect(&m_session, change, this, &InfoStrip::follow);
  connect(&m_session, &WardrobeSession::searchResultsAdded, this, &InfoStrip::follow);
  // Counts and names are drawn from the model at each paint.
  connect(&m_session, &WardrobeSession::itemsAdded, this, qOverload<>(&QWidget::update));
  connect(&m_session, &WardrobeSession::itemRenamed, this, qOverload<>(&QWidget::update));
  connect(&m_session, &WardrobeSession::collectionRenamed, this, qOverload<>(&QWidget::update));
  connect(&m_session, &WardrobeSession::itemsAboutToBeRemoved, this, &InfoStrip::forgetItems);
  connect(&m_session, &WardrobeSession::collectionAboutToBeRemoved, this, &InfoStrip::clear);
  connect(&m_session, &WardrobeSession::wardrobeAboutToClose, this, &InfoStrip::clear);
  connect(&m_session, &WardrobeSession::photosRefreshed, this, &InfoStrip::refresh);
  follow();
}

void InfoStrip::follow() {
  Collection* collection = m_session.currentCollection();
  m_collection = collection && collection->id() >= 0 ? collection : nullptr;
  const std::vector<Item*>& listed = m_session.listSelection();
  m_listSelected = static_cast<int>(listed.size());
  m_listCurrent = listed.size() == 1 ? listed.front() : nullptr;
  m_searchMode = m_session.searchShown();
  const std::vector<Item*>& found = m_session.resultSelection();
  m_searchRows = m_searchMode ? static_cast<int>(m_session.results().size()) : 0;
  m_searchSelected = m_searchMode ? static_cast<int>(found.size()) : 0;
  m_searchCurrent = m_searchMode && found.size() == 1 ? found.front() : nullptr;
  takeCurrent();
}

void InfoStrip::forgetItems(const std::vector<Item*>& items) {
  for (const Item* item : items) {
    if (m_listCurrent == item) m_listCurrent = nullptr;
    if (m_searchCurrent == item) m_searchCurrent = nullptr;
    if (m_factsItem == item) m_factsItem = nullptr;
  }
  takeCurrent();
}

void InfoStrip::refresh() {
  m_factsItem = nullptr;
  takeCurrent();
}

void InfoStrip::clear() {
  m_collection = nullptr;
  m_listCurrent = m_searchCurrent = nullptr;
  m_listSelected = m_searchRows = m_searchSelected = 0;
  m_searchMode = false;
  m_factsItem = nullptr;
  takeCurrent();
}

Item* InfoStrip::currentItem() const {
  return m_searchMode ? m_searchCurrent : m_listCurrent;
}

void InfoStrip::takeCurrent() {
  Item* current = currentItem();
  if (current && current != m_factsItem) {
    // Read here, once for each item that becomes current, never while painting.
    m_factsItem = current;
    m_hasFacts = false;
    m_facts = {};
    if (const Photo* photo = current->photos().count() > 0 ? current->photos().at(0) : nullptr) {
      m_facts = readPhotoFacts(photo->filePath(), photo->format());
      m_hasFacts = true;
      ++m_factReads;
    }
  }
  m_picture.setItem(current);
  update();
}

InfoStrip::Layout InfoStrip::layOut() const {
  Layout layout;
  const int right = width() - kRightMargin;
  if (const Item* current = currentItem()) {
    int left = kLeft;
    if (m_picture.hasPhoto()) {
      layout.thumbnail = kThumbnailBox;
      left = kThumbnailBox.right() + 1 + 12;
    }
    const bool twoLines = m_hasFacts;
    const QRect line1(left, twoLines ? 6 : 0, qMax(0, right - left), twoLines ? 20 : height());
    const QFontMetrics large(UiFontLarge());
    const QFontMetrics small(UiFont());
    const QString name = large.elidedText(toQString(current->name()), Qt::ElideRight, line1.width());
    const int nameWidth = large.horizontalAdvance(name);
    layout.pieces.push_back({name, QRect(line1.left(), line1.top(), nameWidth, line1.height()), kName});
    const Collection* collection = current->owner()->collection();
    const int after = line1.left() + nameWidth + 10;
    if (!collection->name().empty() && after < right) {
      const QString text =
          small.elidedText(QStringLiteral("(%1)").arg(displayName(*collection)), Qt::ElideRight, right - after);
      layout.pieces.push_back({text, QRect(after, line1.top(), right - after, line1.height()), kCollectionName});
    }
    if (!twoLines) return layout;
    // The facts from left to right; the first that does not fit ends the line.
    int x = left;
    for (const auto& [label, value] : photoFactPairs(m_facts)) {
      const QString labelText = toQString(label);
      const QString valueText = toQString(value);
      const int labelWidth = small.horizontalAdvance(labelText);
      const int valueWidth = small.horizontalAdvance(valueText);
      if (x + labelWidth + valueWidth > right) break;
      if (!labelText.isEmpty()) layout.pieces.push_back({labelText, QRect(x, 26, labelWidth, 18), kLabel});
      layout.pieces.push_back({valueText, QRect(x + labelWidth, 26, valueWidth, 18), kValue});
      x += labelWidth + valueWidth + kFactGap;
    }
    return layout;
  }

  QString text;
  if (m_searchMode) {
    layout.icon = Picture::InfoStripSearchIcon;
    text = m_searchSelected >= 2 ? countText(m_searchSelected, true) : countText(m_searchRows, false);
  } else if (m_collection) {
    if (m_listSelected >= 1) {
      layout.icon = Picture::InfoStripSelectedIcon;
      text = countText(m_listSelected, true);
    } else {
      layout.icon = m_collection->id() == 0 ? Picture::InfoStripAllCollectionsIcon : Picture::InfoStripCollectionIcon;
      text = countText(m_collection->owner()->itemCount(m_collection), false);
    }
  } else {
    return layout;
  }
  const QPixmap icon = resourcePixmap(layout.icon);
  layout.iconRect = QRect(QPoint(kLeft + 2, (height() - icon.height()) / 2), icon.size());
  const int left = layout.iconRect.right() + 1 + 8;
  layout.pieces.push_back({QFontMetrics(UiFontLarge()).elidedText(text, Qt::ElideRight, qMax(0, right - left)),
                           QRect(left, 0, qMax(0, right - left), height()), kCount});
  return layout;
}

QStringList InfoStrip::shownTexts() const {
  QStringList texts;
  for (const Piece& piece : layOut().pieces)
    if (piece.role != kLabel && piece.role != kValue) texts.push_back(piece.text);
  return texts + shownFacts();
}

QStringList InfoStrip::shownFacts() const {
  QStringList facts;
  bool afterLabel = false;
  for (const Piece& piece : layOut().pieces) {
    // A label and its value read as one text.
    if (piece.role == kValue && afterLabel)
      facts.back() += piece.text;
    else if (piece.role == kLabel || piece.role == kValue)
      facts.push_back(piece.text);
    afterLabel = piece.role == kLabel;
  }
  return facts;
}

void InfoStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(240, 243, 248));
  drawThreeSlice(painter, rect(), resourcePixmap(Picture::InfoStripBackground), 10);
  const Layout layout = layOut();
  if (!layout.thumbnail.isEmpty()) m_picture.draw(painter, layout.thumbnail, true);
  if (layout.icon != Picture::None) painter.drawPixmap(layout.iconRect.topLeft(), resourcePixmap(layout.icon));
  for (const Piece& piece : layout.pieces) {
    const bool large = piece.role == kName || piece.role == kCount;
    painter.setFont(large ? UiFontLarge() : UiFont());
    painter.setPen(piece.role == kCollectionName || piece.role == kLabel ? kGrey : kDark);
    painter.drawText(piece.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, piece.text);
  }
}

}  // namespace tavoro::ui
