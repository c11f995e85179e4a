// The information strip at the bottom of the wardrobe page. It follows the
// session and, in this order of precedence, shows: the one selected item of
// the shown pane (its thumbnail, name, collection and its photo's facts), or
// while the search is shown the number of results (or of those selected),
// or the number of the current collection's items (or of those selected).
// The photo facts are read once per current item. User-interface thread only.
#pragma once

#include <QStringList>
#include <QWidget>

#include "ui/common/ModelMetaTypes.h"
#include "ui/common/Picture.h"
#include "ui/details/PhotoFacts.h"
#include "ui/details/PreviewPicture.h"

namespace tavoro::ui {

class WardrobeSession;

class InfoStrip : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 50;
  // The gap after each fact.
  static constexpr int kFactGap = 40;

  explicit InfoStrip(WardrobeSession& session, QWidget* parent = nullptr);

  Collection* collection() const { return m_collection; }
  bool inSearchMode() const { return m_searchMode; }
  // The item shown, or null when the strip shows a count.
  Item* currentItem() const;
  // The texts the strip shows at its present width (for tests and tools):
  // the name and "(collection)", then each fact that fits; or the count.
  QStringList shownTexts() const;
  // Of those, the facts alone (each label with its value).
  QStringList shownFacts() const;
  // How many times photo facts were read from files (for tests).
  int factReads() const { return m_factReads; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Piece {
    QString text;
    QRect rect;
    int role;  // 0 name, 1 collection, 2 label, 3 value, 4 count
  };
  struct Layout {
    Picture icon = Picture::None;  // the count's icon
    QRect iconRect;
    QRect thumbnail;  // where the current item's thumbnail goes
    std::vector<Piece> pieces;
  };
  Layout layOut() const;
  // Takes what to show from the session.
  void follow();
  void takeCurrent();
  // The item is going away: its facts are forgotten.
  void forgetItems(const std::vector<Item*>& items);
  // Photos changed: the facts are read again and the strip repaints.
  void refresh();
  // Forgets everything (the wardrobe is going away).
  void clear();

  WardrobeSession& m_session;
  Collection* m_collection = nullptr;
  Item* m_listCurrent = nullptr;
  int m_listSelected = 0;
  bool m_searchMode = false;
  Item* m_searchCurrent = nullptr;
  int m_searchRows = 0;
  int m_searchSelected = 0;

  // The item whose facts are held: the current one, or the last current one
  // (kept while counts show, so that it is not read again when it comes back).
  Item* m_factsItem = nullptr;
  bool m_hasFacts = false;
  PhotoFacts m_facts;
  int m_factReads = 0;
  PreviewPicture m_picture;
};

}  // namespace tavoro::ui
