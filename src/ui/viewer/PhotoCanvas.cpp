#include "ui/viewer/PhotoCanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

#include "imaging/BitmapFitting.h"
#include "platform/PathOps.h"
#include "ui/common/CannotShowPhoto.h"
#include "ui/common/QueuedCall.h"

namespace tavoro::ui {

namespace {

// One notch of a wheel; finer wheels add up to it.
constexpr int kWheelStep = 120;

}  // namespace

PhotoCanvas::PhotoCanvas(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PhotoCanvas"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  const QPointer<PhotoCanvas> guard(this);
  m_decoder = std::make_unique<PhotoDecoder>([guard](DecodedPhoto photo) {
    callWhileAlive(guard,
                   [photo = std::move(photo)](PhotoCanvas* view) mutable { view->onDecoded(std::move(photo)); });
  });
}

PhotoCanvas::~PhotoCanvas() {
  m_decoder.reset();
}

const PhotoCanvas::Kept* PhotoCanvas::kept(const std::wstring& path) const {
  for (const Kept& entry : m_kept)
    if (entry.path == path) return &entry;
  return nullptr;
}

bool PhotoCanvas::isKept(const std::wstring& path) const {
  return kept(path) != nullptr;
}

bool PhotoCanvas::fitsView(const Kept& entry) const {
  if (entry.box == size() || entry.picture.isNull()) return true;
  // A photo smaller than the box it was fitted to is whole: it serves any
  // view it fits in.
  const QSize picture = entry.picture.size();
  const bool whole = picture.width() < entry.box.width() && picture.height() < entry.box.height();
  return whole && picture.width() <= width() && picture.height() <= height();
}

void PhotoCanvas::showPhoto(const std::wstring& path) {
  m_path = path;
  if (!path.empty()) {
    const Kept* entry = kept(path);
    if (!entry || !fitsView(*entry))
      m_decoder->requestNow(path, size());
    else
      m_decoder->cancel();
  }
  update();
}

void PhotoCanvas::prepare(const std::wstring& path) {
  if (path.empty() || path == m_path) return;
  const Kept* entry = kept(path);
  if (!entry || !fitsView(*entry)) m_decoder->requestLater(path, size());
}

void PhotoCanvas::forgetPhotos() {
  m_decoder->cancel();
  m_kept.clear();
  m_path.clear();
}

PhotoCanvas::State PhotoCanvas::state() const {
  if (m_path.empty()) return State::kNone;
  const Kept* entry = kept(m_path);
  if (!entry) return State::kLoading;
  return entry->picture.isNull() ? State::kCannotShow : State::kShown;
}

QPixmap PhotoCanvas::shownPicture() const {
  const Kept* entry = m_path.empty() ? nullptr : kept(m_path);
  return entry ? entry->picture : QPixmap();
}

void PhotoCanvas::onDecoded(DecodedPhoto photo) {
  // Decoded for a viewer that has closed since.
  if (m_path.empty()) return;
  std::erase_if(m_kept, [&](const Kept& entry) { return entry.path == photo.path; });
  // The picture is made here, on the user-interface thread, from the image the decoder sent.
  m_kept.push_front({std::move(photo.path), photo.box, QPixmap::fromImage(photo.image)});
  while (m_kept.size() > kKept) m_kept.pop_back();
  if (m_kept.front().path == m_path) update();
}

void PhotoCanvas::resizeEvent(QResizeEvent*) {
  // A picture fitted to another size is drawn as it is until its refit comes.
  if (const Kept* entry = m_path.empty() ? nullptr : kept(m_path); entry && !fitsView(*entry))
    m_decoder->requestNow(m_path, size());
}

void PhotoCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const Kept* entry = m_path.empty() ? nullptr : kept(m_path);
  if (!entry) return;
  if (entry->picture.isNull()) {
    const QRect notice(QPoint(0, 0), QSize(qMin(width() - 20, 360), 64));
    drawCannotShowPhoto(painter, notice.translated((width() - notice.width()) / 2, (height() - notice.height()) / 2),
                        pathFileName(entry->path), QColor(200, 204, 212));
    return;
  }
  QSize shown = entry->picture.size();
  if (shown.width() > width() || shown.height() > height()) {
    const Size fitted = fitSize({width(), height()}, {shown.width(), shown.height()});
    shown = QSize(fitted.width, fitted.height);
  }
  const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(target, entry->picture);
}

void PhotoCanvas::keyPressEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) {
    event->accept();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Backspace:
      emit pageRequested(kPreviousWrapping);
      break;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
    case Qt::Key_Up:
      emit pageRequested(kPrevious);
      break;
    case Qt::Key_Space:
      emit pageRequested(kNextWrapping);
      break;
    case Qt::Key_PageDown:
    case Qt::Key_Right:
    case Qt::Key_Down:
      emit pageRequested(kNext);
      break;
    case Qt::Key_Home:
      emit pageRequested(kFirst);
      break;
    case Qt::Key_End:
      emit pageRequested(kLast);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      emit closeRequested();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void PhotoCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit closeRequested();
  event->accept();
}

void PhotoCanvas::wheelEvent(QWheelEvent* event) {
  // Turned towards the user (a negative turn) pages on; away pages back.
  m_wheel += event->angleDelta().y();
  while (m_wheel <= -kWheelStep) {
    m_wheel += kWheelStep;
    emit pageRequested(kNext);
  }
  while (m_wheel >= kWheelStep) {
    m_wheel -= kWheelStep;
    emit pageRequested(kPrevious);
  }
  event->accept();
}

}  // namespace tavoro::ui
