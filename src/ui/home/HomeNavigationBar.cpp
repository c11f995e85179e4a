#include "ui/home/HomeNavigationBar.h"

#include <QCoreApplication>

#include <QPainter>

#include "ui/common/CommandIds.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/WebPages.h"
#include "ui/home/NavigationLink.h"

namespace tavoro::ui {

namespace {

struct LinkEntry {
  const char* text;
  const char* tooltip;
  Picture icon;
  int commandId;         // for a command link; 0 for an address link
  const char* pagePath;  // for an address link
};

constexpr LinkEntry kLinks[HomeNavigationBar::kLinkCount] = {
    {QT_TRANSLATE_NOOP("HomeNavigationBar", "Help and Support"),
     QT_TRANSLATE_NOOP("HomeNavigationBar", "Display online help information"), Picture::HelpLinkIcon, kCmdHelpContents,
     nullptr},
    {QT_TRANSLATE_NOOP("HomeNavigationBar", "Tavoro Website"), QT_TRANSLATE_NOOP("HomeNavigationBar", "Visit Tavoro website"),
     Picture::WebsiteLinkIcon, 0, ""},
    {QT_TRANSLATE_NOOP("HomeNavigationBar", "Contact Us"),
     QT_TRANSLATE_NOOP("HomeNavigationBar", "Ask questions or send your comments and suggestions"),
     Picture::ContactLinkIcon, 0, "/contact.html"},
    {QT_TRANSLATE_NOOP("HomeNavigationBar", "Tell a Friend"),
     QT_TRANSLATE_NOOP("HomeNavigationBar", "Recommend this software to a friend"), Picture::TellAFriendLinkIcon, 0,
     "/tell-a-friend.html"},
    {QT_TRANSLATE_NOOP("HomeNavigationBar", "About Tavoro"),
     QT_TRANSLATE_NOOP("HomeNavigationBar", "Display program information, version number and copyright"),
     Picture::AboutLinkIcon, kCmdAbout, nullptr},
};

}  // namespace

HomeNavigationBar::HomeNavigationBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("HomeNavigationBar"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedWidth(kWidth);
  for (int i = 0; i < kLinkCount; ++i) {
    const LinkEntry& entry = kLinks[i];
    const bool command = entry.commandId != 0;
    auto* link = new NavigationLink(this, i + 1, QCoreApplication::translate("HomeNavigationBar", entry.text),
                                     command ? QString() : webPageAddress(QString::fromLatin1(entry.pagePath)),
                                     entry.icon, QCoreApplication::translate("HomeNavigationBar", entry.tooltip),
                                     command ? NavigationLink::kCommandLink : 0u);
    connect(link, &NavigationLink::commandSent, this, [this](int controlId) {
      const int command = kLinks[controlId - 1].commandId;
      if (command) emit commandRequested(command);
    });
    m_links[static_cast<size_t>(i)] = link;
  }
  placeLinks(100);  // where a short column keeps them
}

int HomeNavigationBar::firstLinkTop(int columnHeight) {
  if (columnHeight <= 100) return -1;
  return columnHeight > 250 ? columnHeight - 150 : 100;
}

QPixmap HomeNavigationBar::background() const {
  const QPixmap picture = resourcePixmap(Picture::HomeNavigationBackground);
  QPixmap canvas(qMax(1, width()), qMax(1, height()));
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  if (!picture.isNull()) {
    painter.drawPixmap(0, 0, picture);
    if (height() > picture.height())
      painter.drawPixmap(QRect(0, picture.height(), picture.width(), height() - picture.height()), picture,
                         QRect(0, picture.height() - 1, picture.width(), 1));
  }
  return canvas;
}

void HomeNavigationBar::placeLinks(int top) {
  // The links draw the part of the column under them, as if they had no background of their own.
  const QPixmap under = background();
  int y = top;
  for (NavigationLink* link : m_links) {
    const QRect place(QPoint(kLinkLeft, y), link->preferredSize());
    if (place.top() < height()) link->setBackground(under.copy(place));
    link->setGeometry(place);
    y += kLinkStep;
  }
}

void HomeNavigationBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, background());
}

void HomeNavigationBar::resizeEvent(QResizeEvent*) {
  const int top = firstLinkTop(height());
  if (top >= 0) placeLinks(top);
}

}  // namespace tavoro::ui
