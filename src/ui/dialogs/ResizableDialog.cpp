#include "ui/dialogs/ResizableDialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include "ui/dialogs/DialogParts.h"

namespace tavoro::ui {

ResizableDialog::ResizableDialog(QWidget* owner, QSize clientSize, Growth growth, QRect& remembered)
    : QDialog(owner), m_owner(owner), m_templateSize(clientSize), m_growth(growth), m_remembered(remembered) {
  applyDialogFont(this);
  setSizeGripEnabled(true);
  resize(clientSize);
  applySizeLimits();
}

void ResizableDialog::place(QWidget* control, const QRect& rect, unsigned anchors) {
  m_placed.push_back({control, rect, anchors});
  layOut();
}

void ResizableDialog::applySizeLimits() {
  setMinimumSize(m_templateSize);
  const QScreen* screen = m_owner ? m_owner->screen() : QGuiApplication::primaryScreen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect work = screen->availableGeometry();
  // The limits are for the whole window; the frame takes its share.
  const QSize frame = frameGeometry().size() - size();
  const int maxWidth = std::max(m_templateSize.width(), work.width() - frame.width());
  const int maxHeight = m_growth == Growth::WidthOnly ? m_templateSize.height()
                                                      : std::max(m_templateSize.height(), work.height() - frame.height());
  setMaximumSize(maxWidth, maxHeight);
}

void ResizableDialog::layOut() {
  const int dx = width() - m_templateSize.width();
  const int dy = height() - m_templateSize.height();
  for (const Placed& p : m_placed) {
    QRect r = p.rect;
    if (p.anchors & kWidens) r.setRight(r.right() + dx);
    if (p.anchors & kMovesRight) r.translate(dx, 0);
    if (p.anchors & kGrows) r.setBottom(r.bottom() + dy);
    if (p.anchors & kMovesDown) r.translate(0, dy);
    p.control->setGeometry(r);
  }
}

void ResizableDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  layOut();
}

void ResizableDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous() || m_placedOnScreen) return;
  m_placedOnScreen = true;
  applySizeLimits();
  if (m_remembered.isEmpty()) {
    centreOverOwner(this, m_owner);
  } else {
    setGeometry(m_remembered);
  }
}

void ResizableDialog::done(int result) {
  m_remembered = geometry();
  QDialog::done(result);
}

}  // namespace tavoro::ui
