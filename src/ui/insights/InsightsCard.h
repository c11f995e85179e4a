// One figure of the insights view: a title over its chart or list, with the
// figure's plain text, which screen readers read as its description and
// "Copy as Text" in its context menu copies. The text is made when first
// asked for: over tens of thousands of items it is long, and most refreshes
// never need it. User-interface thread only.
#pragma once

#include <QFrame>
#include <QString>
#include <functional>
#include <optional>

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
  // What the figure says in words, made by text when first asked for; text
  // must not outlive what it reads (set a new one before the figures go).
  void setPlainText(std::function<QString()> text);
  void setPlainText(const QString& text);
  const QString& plainText() const;
  QString title() const;
  // Puts the title and the plain text on the clipboard.
  void copyAsText();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void textChanged();

  QLabel* m_title;
  QVBoxLayout* m_layout;
  QWidget* m_body = nullptr;
  std::function<QString()> m_source;
  mutable std::optional<QString> m_text;
};

// The card that body (a chart or list) is shown in, if any.
InsightsCard* cardOf(const QWidget* body);

}  // namespace tavoro::ui
