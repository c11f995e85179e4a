// A stack of pages of which one at most is shown, filling the stack. Before a
// switch its listeners may refuse it (pageChanging); after it they hear of it
// (pageChanged). User-interface thread only.
#pragma once

#include <QWidget>
#include <vector>

namespace tavoro::ui {

class PageStack : public QWidget {
  Q_OBJECT

 public:
  explicit PageStack(QWidget* parent = nullptr);

  // Adds page (made a child of the stack, hidden) at the end; its index.
  int addPage(QWidget* page);
  int pageCount() const { return static_cast<int>(m_pages.size()); }
  QWidget* page(int index) const;
  // -1 until a page is shown.
  int currentIndex() const { return m_current; }
  QWidget* currentPage() const { return page(m_current); }

  // Shows the page: hides the one shown, shows this one at full size, and
  // moves the focus into it when the focus was inside the stack (or to the
  // stack itself when no page was shown before). False when index is no
  // page or a listener refused the switch. Showing the page shown is a no-op.
  bool showPage(int index);

 signals:
  // Set *refuse to true to keep the page shown.
  void pageChanging(int from, int to, bool* refuse);
  void pageChanged(int index);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  std::vector<QWidget*> m_pages;
  int m_current = -1;
};

// The first widget inside page that takes the focus by Tab, or null.
QWidget* firstTabStop(QWidget* page);

}  // namespace tavoro::ui
