// InlineEditor: the in-place text editor of the collection and tag panes. It
// asks its parent to accept the text before it ends with a reason (Enter,
// Ctrl+Enter, a click outside, losing the focus, or Escape), keeps the user in
// the editor while the parent refuses, and handles each end once.
// User-interface thread only.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QPointer>

namespace tavoro::ui {

class InlineEditor : public QLineEdit {
  Q_OBJECT

 public:
  // Why an edit ended. Reasons 0 to 2 commit the text; any other cancels.
  enum EndReason : int {
    kEndFocusLost = 0,  // the focus moved elsewhere, or a click outside the editor
    kEndEnter = 1,
    kEndCtrlEnter = 2,
    kEndEscape = 16,
  };
  static bool isCommitReason(int reason) { return reason >= 0 && reason <= 2; }

  explicit InlineEditor(QWidget* parent, bool rightAligned = false);

  void setBorderColor(const QColor& colour);
  QColor borderColor() const { return m_border; }

  // Covers target (parent coordinates): as wide as it, as high as the text
  // plus 4 pixels and centred in it when it is taller. Shows the editor and,
  // when asked, gives it the focus with all its text selected.
  void place(const QRect& target, bool takeFocus);
  // The editor's own height: the text height of its font plus 4.
  int editorHeight() const;

  bool isEditing() const { return isVisible(); }

 signals:
  // Asked before any committing end: set *accept to false to refuse the text.
  // Must be connected directly (the flag lives on the sender's stack).
  void validateRequested(bool* accept);
  // The edit ended with this reason; the editor is hidden right after.
  void editEnded(int reason);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Ends the edit; false when the parent refused the text (the editor stays).
  bool endEdit(int reason);
  void returnFocus();

  QColor m_border{167, 177, 196};
  QPointer<QWidget> m_previousFocus;
  bool m_ending = false;
  bool m_filtering = false;
  bool m_focusTakenByPress = false;
};

}  // namespace tavoro::ui
