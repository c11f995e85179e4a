#include "ui/home/HomePageDialog.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

#include "ui/common/CommandIds.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"
#include "ui/controls/ImageButton.h"
#include "ui/home/RecentWardrobeList.h"

namespace tavoro::ui {

namespace {

constexpr int kFrameCap = 3;

constexpr int kLeft = 36;
constexpr int kRecentGap = 40;      // between the buttons and the recent list
constexpr int kRecentMinWidth = 220;
constexpr int kRightMargin = 30;

// A picture stretched to the widget's width at its own height (the banner).
class StretchedPicture : public QWidget {
 public:
  StretchedPicture(QWidget* parent, const QPixmap& picture) : QWidget(parent), m_picture(picture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(picture.size());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_picture);
  }

 private:
  QPixmap m_picture;
};

QLabel* picture(QWidget* parent, Picture which, QPoint place) {
  auto* label = new QLabel(parent);
  label->setPixmap(resourcePixmap(which));
  label->setGeometry(QRect(place, label->sizeHint()));
  return label;
}

}  // namespace

HomePageDialog::HomePageDialog(RecentWardrobes& recentWardrobes, QWidget* parent)
    : QWidget(parent), m_recent(new RecentWardrobeList(recentWardrobes, this)) {
  setObjectName(QStringLiteral("HomePageDialog"));
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);

  const QPixmap banner = resourcePixmap(Picture::HomeBanner);
  m_banner = new StretchedPicture(this, banner);
  m_banner->setObjectName(QStringLiteral("1008"));

  const int top = banner.height() + 20;
  picture(this, Picture::GetStartedHeading, QPoint(kLeft, top));
  addButton(kIdCreate, Picture::NewWardrobeButtonFace, kCmdNew, QPoint(kLeft, top + 32));
  addButton(kIdOpen, Picture::OpenWardrobeButtonFace, kCmdOpen, QPoint(kLeft, top + 32 + 56));
  addButton(kIdTutorials, Picture::TutorialsButtonFace, kCmdOnlineTutorials, QPoint(kLeft, top + 32 + 112));
  picture(this, Picture::SupportHeading, QPoint(kLeft, top + 32 + 112 + 70));
  addButton(kIdDonate, Picture::DonateButtonFace, kCmdDonate, QPoint(kLeft, top + 32 + 112 + 70 + 32));

  const int separatorTop = top + 32 + 112 + 70 + 32 + kButtonHeight + 24;
  m_separator = picture(this, Picture::HomeSeparator, QPoint(kLeft, separatorTop));
  m_separator->setObjectName(QStringLiteral("1006"));
  m_notice = new QLabel(
      tr("Tavoro copies the photos you add into the wardrobe's folder and never changes your originals."),
      this);
  m_notice->setObjectName(QStringLiteral("1007"));
  m_notice->setFont(UiFont());
  m_notice->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128); background: white;"));
  m_noticeOffset = 12;
  m_notice->setGeometry(kLeft, separatorTop + m_noticeOffset, 640, QFontMetrics(UiFont()).height() + 2);
  m_minTop = separatorTop + 15;

  m_recentHeading = new QLabel(tr("Recent Wardrobes"), this);
  m_recentHeading->setFont(makeUiFont(17, true));
  m_recentHeading->setStyleSheet(QStringLiteral("color: rgb(61, 75, 102);"));
  m_recent->setObjectName(QStringLiteral("RecentWardrobeList"));
  connect(m_recent, &RecentWardrobeList::openRequested, this,
          [this](int row) { emit openWardrobeRequested(m_recent->rowPath(row)); });
}

ImageButton* HomePageDialog::addButton(int controlId, Picture face, int commandId, QPoint place) {
  auto* button = new ImageButton(this);
  button->setObjectName(QStringLiteral("WTL_BitmapButton"));
  button->setProperty("controlId", controlId);
  button->setImages(buttonStrip(face), kButtonWidth, 0, 2, 1);
  button->setGeometry(QRect(place, QSize(kButtonWidth, kButtonHeight)));
  connect(button, &QAbstractButton::clicked, this, [this, commandId] { emit commandRequested(commandId); });
  m_buttons.push_back(button);
  return button;
}

QPixmap HomePageDialog::buttonStrip(Picture facePicture) {
  const QPixmap face = resourcePixmap(facePicture);
  QPixmap strip(3 * kButtonWidth, kButtonHeight);
  strip.fill(Qt::white);
  QPainter painter(&strip);
  const QPoint faceAt((kButtonWidth - face.width()) / 2, (kButtonHeight - face.height()) / 2);
  const Picture frames[3] = {Picture::None, Picture::HomeButtonHoverFrame, Picture::HomeButtonPressedFrame};
  for (int i = 0; i < 3; ++i) {
    const QRect cell(i * kButtonWidth, 0, kButtonWidth, kButtonHeight);
    painter.drawPixmap(cell.topLeft() + faceAt, face);
    if (frames[i] != Picture::None) drawThreeSlice(painter, cell, resourcePixmap(frames[i]), kFrameCap);
  }
  return strip;
}

QWidget* HomePageDialog::control(int controlId) const {
  switch (controlId) {
    case kIdBanner:
      return m_banner;
    case kIdSeparator:
      return m_separator;
    case kIdNotice:
      return m_notice;
    default:
      for (ImageButton* button : m_buttons)
        if (button->property("controlId").toInt() == controlId) return button;
      return nullptr;
  }
}

void HomePageDialog::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::white);
}

void HomePageDialog::resizeEvent(QResizeEvent*) {
  m_banner->setGeometry(0, 0, width(), m_banner->height());
  const int separatorTop = qMax(height() - 47, m_minTop);
  m_separator->move(m_separator->x(), separatorTop);
  m_notice->move(m_notice->x(), separatorTop + m_noticeOffset);

  // The recent wardrobes stand right of the buttons while there is room for them.
  const QRect first = m_buttons.front()->geometry();
  const int left = first.right() + 1 + kRecentGap;
  const int width = this->width() - kRightMargin - left;
  const bool room = width >= kRecentMinWidth;
  m_recentHeading->setVisible(room);
  m_recent->setVisible(room);
  if (room) {
    const int headingTop = first.top() - 32;
    m_recentHeading->setGeometry(left, headingTop, width, 26);
    const int listTop = first.top();
    m_recent->setGeometry(left, listTop, width, qMax(RecentWardrobeList::kRowHeight, separatorTop - 16 - listTop));
  }
}

}  // namespace tavoro::ui
