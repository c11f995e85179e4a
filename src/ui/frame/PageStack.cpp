#include "ui/frame/PageStack.h"

#include <QApplication>

namespace tavoro::ui {

PageStack::PageStack(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("WTL_PageStack"));
  // Every pixel belongs to the page shown; nothing to erase.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

int PageStack::addPage(QWidget* page) {
  page->setParent(this);
  page->hide();
  m_pages.push_back(page);
  return pageCount() - 1;
}

QWidget* PageStack::page(int index) const {
  return index >= 0 && index < pageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

bool PageStack::showPage(int index) {
  QWidget* next = page(index);
  if (!next) return false;
  if (index == m_current) return true;
  bool refuse = false;
  emit pageChanging(m_current, index, &refuse);
  if (refuse) return false;

  QWidget* focus = QApplication::focusWidget();
  const bool focusInside = focus && (focus == this || isAncestorOf(focus));
  QWidget* previous = currentPage();
  const bool firstPage = previous == nullptr;
  m_current = index;
  next->setGeometry(rect());
  next->show();
  if (previous) previous->hide();
  if (focusInside) {
    if (QWidget* target = firstTabStop(next))
      target->setFocus(Qt::OtherFocusReason);
    else
      next->setFocus(Qt::OtherFocusReason);
  } else if (firstPage) {
    // Passed on to the page's first tab stop when the window gets the focus.
    setFocus(Qt::OtherFocusReason);
  }
  emit pageChanged(index);
  return true;
}

void PageStack::resizeEvent(QResizeEvent*) {
  if (QWidget* shown = currentPage()) shown->setGeometry(rect());
}

void PageStack::focusInEvent(QFocusEvent*) {
  if (QWidget* target = firstTabStop(currentPage())) target->setFocus(Qt::OtherFocusReason);
}

QWidget* firstTabStop(QWidget* page) {
  if (!page) return nullptr;
  for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
    if (page->isAncestorOf(w) && w->isVisibleTo(page) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
      return w;
  }
  return nullptr;
}

}  // namespace tavoro::ui
