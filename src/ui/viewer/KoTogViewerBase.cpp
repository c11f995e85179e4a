#include "ui/viewer/KoTogViewerBase.h"

#include <QApplication>

#include "ui/viewer/KoImgViewCtrl.h"

namespace tavoro::ui {

KoTogViewerBase::KoTogViewerBase(QWidget* parent) : QWidget(parent), m_view(new KoImgViewCtrl(this)) {
  setObjectName(QStringLiteral("KoTogViewerBase"));
  QWidget::hide();
  connect(m_view, &KoImgViewCtrl::pageRequested, this, &KoTogViewerBase::onPageRequested);
  connect(m_view, &KoImgViewCtrl::closeRequested, this, &KoTogViewerBase::close);
}

bool KoTogViewerBase::open(std::vector<std::wstring> photos, int index) {
  if (index < 0 || index >= static_cast<int>(photos.size())) return false;
  if (!isOpen()) {
    QWidget* focus = QApplication::focusWidget();
    m_previousFocus = focus && focus != m_view ? focus : nullptr;
  }
  m_photos = std::move(photos);
  m_index = -1;
  if (parentWidget()) setGeometry(parentWidget()->rect());
  if (m_covered) m_covered->hide();
  QWidget::show();
  raise();
  m_view->setFocus(Qt::OtherFocusReason);
  showPhotoAt(index, 1);
  return true;
}

void KoTogViewerBase::close() {
  if (!isOpen()) return;
  QWidget::hide();
  m_view->forgetPhotos();
  m_photos.clear();
  m_index = -1;
  if (m_covered) m_covered->show();
  if (QWidget* focus = m_previousFocus; focus && focus->isVisible()) focus->setFocus(Qt::OtherFocusReason);
  m_previousFocus = nullptr;
  emit closed();
}

void KoTogViewerBase::next(bool wrap) {
  if (count() < 2) return;
  if (m_index < count() - 1)
    showPhotoAt(m_index + 1, 1);
  else if (wrap)
    showPhotoAt(0, 1);
}

void KoTogViewerBase::previous(bool wrap) {
  if (count() < 2) return;
  if (m_index > 0)
    showPhotoAt(m_index - 1, -1);
  else if (wrap)
    showPhotoAt(count() - 1, -1);
}

void KoTogViewerBase::first() {
  if (count() >= 2) showPhotoAt(0, 1);
}

void KoTogViewerBase::last() {
  if (count() >= 2) showPhotoAt(count() - 1, -1);
}

void KoTogViewerBase::showPhotoAt(int index, int direction) {
  if (index == m_index) return;
  m_index = index;
  m_view->showPhoto(m_photos[static_cast<size_t>(index)]);
  // The photo the user will most likely ask for next is decoded meanwhile.
  const int ahead = index + direction;
  if (ahead >= 0 && ahead < count()) m_view->prepare(m_photos[static_cast<size_t>(ahead)]);
}

void KoTogViewerBase::onPageRequested(int page) {
  switch (page) {
    case KoImgViewCtrl::kPrevious:
      previous(false);
      break;
    case KoImgViewCtrl::kPreviousWrapping:
      previous(true);
      break;
    case KoImgViewCtrl::kNext:
      next(false);
      break;
    case KoImgViewCtrl::kNextWrapping:
      next(true);
      break;
    case KoImgViewCtrl::kFirst:
      first();
      break;
    case KoImgViewCtrl::kLast:
      last();
      break;
    default:
      break;
  }
}

void KoTogViewerBase::resizeEvent(QResizeEvent*) {
  m_view->setGeometry(rect());
}

}  // namespace tavoro::ui
