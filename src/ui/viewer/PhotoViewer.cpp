#include "ui/viewer/PhotoViewer.h"

#include "ui/common/QtText.h"

#include <QApplication>
#include <QFileInfo>

#include "ui/viewer/PhotoCanvas.h"

namespace tavoro::ui {

PhotoViewer::PhotoViewer(QWidget* parent) : QWidget(parent), m_view(new PhotoCanvas(this)) {
  setObjectName(QStringLiteral("PhotoViewer"));
  QWidget::hide();
  connect(m_view, &PhotoCanvas::pageRequested, this, &PhotoViewer::onPageRequested);
  connect(m_view, &PhotoCanvas::closeRequested, this, &PhotoViewer::close);
}

bool PhotoViewer::open(std::vector<std::wstring> photos, int index, std::vector<QString> names) {
  if (index < 0 || index >= static_cast<int>(photos.size())) return false;
  if (!isOpen()) {
    QWidget* focus = QApplication::focusWidget();
    m_previousFocus = focus && focus != m_view ? focus : nullptr;
  }
  m_photos = std::move(photos);
  m_names = std::move(names);
  m_index = -1;
  if (parentWidget()) setGeometry(parentWidget()->rect());
  if (m_covered) m_covered->hide();
  QWidget::show();
  raise();
  m_view->setFocus(Qt::OtherFocusReason);
  showPhotoAt(index, 1);
  return true;
}

void PhotoViewer::close() {
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

void PhotoViewer::next(bool wrap) {
  if (count() < 2) return;
  if (m_index < count() - 1)
    showPhotoAt(m_index + 1, 1);
  else if (wrap)
    showPhotoAt(0, 1);
}

void PhotoViewer::previous(bool wrap) {
  if (count() < 2) return;
  if (m_index > 0)
    showPhotoAt(m_index - 1, -1);
  else if (wrap)
    showPhotoAt(count() - 1, -1);
}

void PhotoViewer::first() {
  if (count() >= 2) showPhotoAt(0, 1);
}

void PhotoViewer::last() {
  if (count() >= 2) showPhotoAt(count() - 1, -1);
}

void PhotoViewer::showPhotoAt(int index, int direction) {
  if (index == m_index) return;
  m_index = index;
  m_view->showPhoto(m_photos[static_cast<size_t>(index)]);
  // The photo the user will most likely ask for next is decoded meanwhile.
  const int ahead = index + direction;
  if (ahead >= 0 && ahead < count()) m_view->prepare(m_photos[static_cast<size_t>(ahead)]);
  emit photoShown(index);
}

QString PhotoViewer::photoName(int index) const {
  if (index < 0 || index >= count()) return QString();
  const auto i = static_cast<size_t>(index);
  if (i < m_names.size() && !m_names[i].isEmpty()) return m_names[i];
  return QFileInfo(toQString(m_photos[i])).fileName();
}

void PhotoViewer::onPageRequested(int page) {
  switch (page) {
    case PhotoCanvas::kPrevious:
      previous(false);
      break;
    case PhotoCanvas::kPreviousWrapping:
      previous(true);
      break;
    case PhotoCanvas::kNext:
      next(false);
      break;
    case PhotoCanvas::kNextWrapping:
      next(true);
      break;
    case PhotoCanvas::kFirst:
      first();
      break;
    case PhotoCanvas::kLast:
      last();
      break;
    default:
      break;
  }
}

void PhotoViewer::resizeEvent(QResizeEvent*) {
  m_view->setGeometry(rect());
}

}  // namespace tavoro::ui
