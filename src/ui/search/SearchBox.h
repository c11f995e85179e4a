// SearchBox: the search box in the header. Its edit shows while the
// box is typed into; otherwise the box paints the cue ("Search " and the
// selected collection) or the text itself. A clear button (with text) or an
// options button (without) sits at its right end, and the suggestion pop-up
// under it. It tells its listeners (the wardrobe page) about each change as
// the text and a flag: 1 typed, 2 emptied by the program, 4 committed, 8
// activated. While it exists it watches the application's input (an event
// filter) for the pop-up. User-interface thread only.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

namespace tavoro {
class Collection;
}

class QLineEdit;

namespace tavoro::ui {

class ImageButton;
class SuggestionPopup;

class SearchBox : public QWidget {
  Q_OBJECT

 public:
  enum Notification : int {
    kTextChanged = 1,      // the text changed while a collection is selected
    kTextEmptied = 2,      // instead of 1: the program emptied the text
    kSearchCommitted = 4,  // Enter, or the edit left with text while a collection is selected
    kActivated = 8,        // the box was activated, or the edit clicked with the pop-up hidden
  };
  static constexpr int kClearButtonWidth = 19;
  static constexpr int kOptionsButtonWidth = 27;

  explicit SearchBox(QWidget* parent = nullptr);
  ~SearchBox() override;

  // Shows the edit with the focus and all its text selected, places the
  // pop-up under it and sends 8. Nothing happens while the box is not shown.
  void activate();
  // Empties the text (sending 2 when there was text).
  void clear();
  QString text() const;

  // The collection that a search looks in; the cue names it. Null: none
  // (nothing is then searched, and only 8 is sent).
  void setCollection(Collection* collection);
  Collection* collection() const { return m_collection; }
  // What the box shows while it is empty and not typed into.
  QString cueText() const;

  QLineEdit* edit() const { return m_edit; }
  ImageButton* clearButton() const { return m_clear; }
  ImageButton* optionsButton() const { return m_options; }
  SuggestionPopup* popup() const { return m_popup; }
  bool isHovered() const { return m_hovered; }

  // Opens the "Search Options" menu under the options button and carries out
  // the command chosen.
  void showOptionsMenu();

 signals:
  // text as typed, and one of the Notification flags.
  void notified(const QString& text, int flags);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void layOut();
  // The edit's events (keys, focus, presses), after the pop-up has seen
  // them; true when one is swallowed.
  bool editEvent(QEvent* event);
  // Any event of the application, while the box exists: what the pop-up
  // needs to see before it is delivered. True when it is swallowed.
  bool applicationEvent(QObject* watched, QEvent* event);
  void onTextChanged();
  void onClearClicked();
  void onEditFocusOut();
  void notify(int flags);
  void placePopup();
  QRect textArea() const;

  QLineEdit* m_edit;
  ImageButton* m_clear;
  ImageButton* m_options;
  SuggestionPopup* m_popup;
  Collection* m_collection = nullptr;
  QPointer<QWidget> m_previousFocus;  // had the focus before the edit
  bool m_emptiedByProgram = false;    // until the edit next gets the focus
  bool m_hovered = false;
};

}  // namespace tavoro::ui
