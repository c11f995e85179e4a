// SuggestionPopup: the suggestion pop-up under the search box. It offers up
// to three earlier searches that begin with the typed text (the recent ones
// for an empty box) in a frameless window of its own that slides down, never
// takes the keyboard focus from the box, and closes by itself after five idle
// ticks with the pointer outside it. It works on copies of the settings'
// search lists, taken when it is made and written back when it goes.
// User-interface thread only.
#pragma once

#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "search/SearchHistory.h"

class QKeyEvent;
class QMouseEvent;

namespace tavoro::ui {

class TextRowList;

class SuggestionPopup : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSlideMs = 200;
  static constexpr int kTickMs = 1000;       // the idle time grows by this per tick
  static constexpr int kIdleLimitMs = 5000;  // the tick that would reach it closes the pop-up

  // owner: the search box; the pop-up is a window of its own, owned by it.
  explicit SuggestionPopup(QWidget* owner);
  // Copies the search lists back into the settings.
  ~SuggestionPopup() override;

  SearchHistory& history() { return m_history; }
  const std::vector<std::wstring>& recentSearches() const { return m_recent; }
  const std::vector<std::wstring>& knownSearches() const { return m_known; }
  TextRowList* list() const { return m_list; }

  // Puts the pop-up right under globalRect (its bottom row overlapping the
  // rectangle's last one), as wide as it, without showing or activating it.
  void placeUnder(const QRect& globalRect);

  // The box's text changed (or the box was activated): offer the suggestions
  // for it, or hide when there are none.
  void onSearchTextChanged(std::wstring_view text);
  // A search was committed: it enters the history and the pop-up hides.
  void onSearchCommitted(std::wstring_view text);
  // Empties both lists and the rows shown.
  void clearHistory();

  // Shows the rows it has, sliding down, unless it is shown already or
  // suggestions are switched off.
  void showPopup();
  void hidePopup();
  int idleTime() const { return m_idle; }
  void resetIdleTime() { m_idle = 0; }
  // How often the idle time is looked at (kTickMs by default; tests shorten it).
  void setTickInterval(int milliseconds) { m_timer->setInterval(milliseconds); }
  // Whether widget is the pop-up or inside it.
  bool contains(const QWidget* widget) const;

  // A key press while the pop-up shows (the search box's message filter
  // hands them over): Enter takes the selected row, Escape hides, Up and Down
  // move the selection, Left and Right clear it. True when the key is
  // swallowed (Enter, Escape, Up, Down).
  bool handleKeyPress(const QKeyEvent& event);

 signals:
  // The user chose a suggestion (Enter on a selected row, or a click on one).
  void suggestionChosen(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void tick();
  void fitToRows();
  void choose(const std::wstring& text);

  std::vector<std::wstring> m_recent;
  std::vector<std::wstring> m_known;
  SearchHistory m_history;
  TextRowList* m_list;
  QTimer* m_timer;  // "IdleTimer"
  QVariantAnimation m_slide;
  int m_idle = 0;
};

}  // namespace tavoro::ui
