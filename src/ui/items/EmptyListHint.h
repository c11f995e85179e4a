// What the item list shows while it has no entries: a white area with a grey
// hint, word-wrapped, and a small picture beside it. With a real collection
// the hint says how to add photos to it; otherwise it asks for a collection.
// User-interface thread only.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

namespace tavoro::ui {

class EmptyListHint {
 public:
  static inline const QColor kTextColor{160, 160, 160};
  // Where the text block starts in the area, and the picture's offset from it.
  static constexpr int kTextLeft = 48;
  static constexpr int kTextTop = 30;
  static constexpr int kTextRightMargin = 16;
  static constexpr int kPictureLeft = 32;  // left of the text block
  static constexpr int kPictureUp = 5;     // above the text block
  static constexpr int kPictureSize = 24;

  // "Select a collection on the left, then add photos here."
  static QString noCollectionText();
  // A real collection's name, or no collection (null or "All Collections").
  void setCollection(const QString& name, bool real);
  const QString& text() const { return m_text; }

  // The text block and the picture within area.
  QRect textRect(const QRect& area) const;
  QRect pictureRect(const QRect& area) const;
  // Fills area with white and draws the hint.
  void paint(QPainter& painter, const QRect& area) const;

 private:
  QString m_text = noCollectionText();
};

}  // namespace tavoro::ui
