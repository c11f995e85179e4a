// The photo viewer: shown over the whole main window in place of its client
// view, it pages through a list of photos with the keys, the wheel and Home
// and End, and closes with Enter, Escape or a click, giving the focus back to
// where it was. User-interface thread only.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

namespace tavoro::ui {

class PhotoCanvas;

class PhotoViewer : public QWidget {
  Q_OBJECT

 public:
  // Hidden until opened; covers its parent's whole client area.
  explicit PhotoViewer(QWidget* parent = nullptr);

  // The view that the viewer takes the place of while it is open.
  void setCoveredView(QWidget* view) { m_covered = view; }

  // Shows the photo files, starting at index. False, showing nothing, for an
  // empty list or an index outside it. names: what each photo is called (its
  // item's name), for screen readers; without, its file name.
  bool open(std::vector<std::wstring> photos, int index, std::vector<QString> names = {});
  // Hides the viewer, shows the covered view again and gives the focus back
  // to the widget that had it when that still exists and is shown.
  void close();
  bool isOpen() const { return isVisible(); }

  // Paging needs two photos at least. With wrap, the last photo is followed
  // by the first (and the first preceded by the last); without, paging stops there.
  void next(bool wrap);
  void previous(bool wrap);
  void first();
  void last();

  int index() const { return m_index; }
  int count() const { return static_cast<int>(m_photos.size()); }
  PhotoCanvas* imageView() const { return m_view; }
  // What the photo at index is called (see open); empty outside the list.
  QString photoName(int index) const;

 signals:
  void closed();
  // Another photo is shown (for screen readers).
  void photoShown(int index);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void showPhotoAt(int index, int direction);
  void onPageRequested(int page);

  PhotoCanvas* m_view;
  QPointer<QWidget> m_covered;
  QPointer<QWidget> m_previousFocus;
  std::vector<std::wstring> m_photos;
  std::vector<QString> m_names;
  int m_index = -1;
};

}  // namespace tavoro::ui
