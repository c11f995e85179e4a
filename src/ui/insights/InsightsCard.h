// One figure of the insights view: a title over its chart or list, with the
// figure's plain text as its accessible description and behind "Copy as
// Text" in its context menu. User-interface thread only.
#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QVBoxLayout;

namespace tavoro::ui {

class InsightsCard : public QFrame {
  Q_OBJECT

 public:
  InsightsCard(const QString& objectName, const QString& title, QWidget* parent = nullptr);

  // The widget below the title (a chart, a list); the card owns it.
  void setBody(QWidget* body);
  QWidget* body() const { return m_body; }
  // What the figure says in words: screen readers read it, Copy as Text copies it.
  void setPlainText(const QString& text);
  const QString& plainText() const { return m_text; }
  QString title() const;
  // Puts the title and the plain text on the clipboard.
  void copyAsText();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QLabel* m_title;
  QVBoxLayout* m_layout;
  QWidget* m_body = nullptr;
  QString m_text;
};

}  // namespace tavoro::ui
