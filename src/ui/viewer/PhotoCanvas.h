// The viewer's image view: one photo fitted into the view and centred on
// black, decoded on the viewer's own thread. The last few photos are kept, so
// that paging back and forth shows them at once. It turns the keys, clicks
// and wheel turns it receives into paging and closing requests for the
// viewer. User-interface thread only.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <deque>
#include <memory>
#include <string>

#include "ui/viewer/PhotoDecoder.h"

namespace tavoro::ui {

class PhotoCanvas : public QWidget {
  Q_OBJECT

 public:
  enum Page { kPrevious, kPreviousWrapping, kNext, kNextWrapping, kFirst, kLast };
  enum class State { kNone, kLoading, kShown, kCannotShow };
  // How many decoded photos are kept.
  static constexpr size_t kKept = 6;

  explicit PhotoCanvas(QWidget* parent = nullptr);
  ~PhotoCanvas() override;

  // Shows the photo file at path (empty: nothing), at once when it is kept,
  // else as soon as it is decoded; until then the view stays empty, never
  // showing the photo before it.
  void showPhoto(const std::wstring& path);
  // Decodes the photo at path to have it ready, when nothing else waits.
  void prepare(const std::wstring& path);
  // Forgets the kept photos and whatever waits to be decoded.
  void forgetPhotos();

  const std::wstring& photoPath() const { return m_path; }
  State state() const;
  // The picture shown, null unless state() is kShown.
  QPixmap shownPicture() const;
  bool isKept(const std::wstring& path) const;

 signals:
  void pageRequested(int page);
  void closeRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  struct Kept {
    std::wstring path;
    QSize box;        // the view's size it was fitted to
    QPixmap picture;  // null: the photo cannot be shown
  };
  const Kept* kept(const std::wstring& path) const;
  // Whether the kept picture serves the view at its present size.
  bool fitsView(const Kept& entry) const;
  void onDecoded(DecodedPhoto photo);

  std::wstring m_path;
  std::deque<Kept> m_kept;  // most recent first
  int m_wheel = 0;          // wheel turn not yet a whole step
  std::unique_ptr<PhotoDecoder> m_decoder;
};

}  // namespace tavoro::ui
