// The home page's main area (dialog 230): a banner, the buttons that create
// and open wardrobes and lead to the tutorials and the donation page, the
// recent wardrobes, and a notice line kept near the bottom edge.
// User-interface thread only.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "ui/common/Picture.h"

class QLabel;

namespace tavoro::ui {

class ImageButton;
class RecentWardrobeList;
class RecentWardrobes;

class HomePageDialog : public QWidget {
  Q_OBJECT

 public:
  // Control ids of the dialog's parts.
  enum ControlId : int {
    kIdCreate = 1000,
    kIdTutorials = 1001,
    kIdOpen = 1002,
    kIdDonate = 1003,
    kIdSeparator = 1006,
    kIdNotice = 1007,
    kIdBanner = 1008,
  };
  static constexpr int kButtonWidth = 350;
  static constexpr int kButtonHeight = 52;

  explicit HomePageDialog(RecentWardrobes& recentWardrobes, QWidget* parent = nullptr);

  // The part with this control id (null for none); the image buttons are
  // ImageButton, the recent list is recentList().
  QWidget* control(int controlId) const;
  RecentWardrobeList* recentList() const { return m_recent; }
  // The separator's top can go no higher than this (its first top + 15).
  int minSeparatorTop() const { return m_minTop; }

  // The three-image strip of an image button: normal (face centred on white),
  // hot and pressed (the face with the frame picture drawn over it).
  static QPixmap buttonStrip(Picture face);

 signals:
  // A button was clicked: the main-window command it stands for.
  void commandRequested(int commandId);
  // The recent list asked to open this wardrobe file.
  void openWardrobeRequested(const std::wstring& path);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  ImageButton* addButton(int controlId, Picture face, int commandId, QPoint place);

  QWidget* m_banner;
  QLabel* m_separator;
  QLabel* m_notice;
  QLabel* m_recentHeading;
  RecentWardrobeList* m_recent;
  std::vector<ImageButton*> m_buttons;
  int m_minTop = 0;
  int m_noticeOffset = 0;  // the notice's top below the separator's
};

}  // namespace tavoro::ui
