#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "QtTestApp.h"
#include "ui/common/CommandIds.h"
#include "ui/common/UiFonts.h"
#include "ui/menus/CommandIcons.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"
#include "ui/menus/PopupMenuStyle.h"

namespace tavoro::ui {
namespace {

using test::countPixels;

const QColor kColumn(225, 227, 231);
const QColor kBackground(251, 251, 251);

int textWidth(const QFont& font, const QString& text) {
  return QFontMetrics(font).size(Qt::TextSingleLine | Qt::TextShowMnemonic, text).width();
}

// A shown menu, laid out and painted as the user would see it.
QImage grabMenu(PopupMenu& menu) {
  menu.popup(QPoint(100, 100));
  EXPECT_TRUE(menu.isVisible());
  QImage image = menu.grab().toImage();
  menu.hide();
  return image;
}

TEST(PopupMenuTest, ItemsAreTwentyTwoHighAndTextPlusSeventyOneWide) {
  auto menu = PopupMenu::fromResource(kMenuWardrobeListContext);
  ASSERT_NE(menu, nullptr);
  menu->setDefaultCommand(kCmdOpenRecent);
  menu->popup(QPoint(100, 100));

  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), 4);
  EXPECT_TRUE(actions[2]->isSeparator());
  const int heights[] = {22, 22, 5, 22};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(menu->actionGeometry(actions[i]).height(), heights[i]) << i;

  // Every item takes the width of the widest: the plain "Copy Path to Clipboard".
  const int widest = textWidth(UiFont(), QStringLiteral("Copy Path to Clipboard")) + 71;
  for (QAction* action : actions) EXPECT_EQ(menu->actionGeometry(action).width(), widest);
  // Items start inside the frame and are stacked without gaps.
  EXPECT_EQ(menu->actionGeometry(actions[0]).topLeft(), QPoint(3, 3));
  EXPECT_EQ(menu->actionGeometry(actions[3]).top(), 3 + 22 + 22 + 5);
  EXPECT_EQ(menu->width(), widest + 6);
  menu->hide();
}

TEST(PopupMenuTest, DefaultItemIsMeasuredAndDrawnBold) {
  const QString label = QStringLiteral("Open the Wardrobe Now");
  PopupMenu plain;
  plain.addCommand(kCmdOpenRecent, label);
  plain.popup(QPoint(50, 50));
  const int plainWidth = plain.actionGeometry(plain.actions()[0]).width();
  plain.hide();
  EXPECT_EQ(plainWidth, textWidth(UiFont(), label) + 71);

  PopupMenu bold;
  bold.addCommand(kCmdOpenRecent, label);
  bold.setDefaultCommand(kCmdOpenRecent);
  bold.popup(QPoint(50, 50));
  const int boldWidth = bold.actionGeometry(bold.actions()[0]).width();
  bold.hide();
  EXPECT_EQ(boldWidth, textWidth(UiFontBold(), label) + 71);
  EXPECT_GT(boldWidth, plainWidth);

  // Bold text covers more dark pixels than the same text in the normal face.
  plain.resize(bold.size());
  const QImage plainImage = grabMenu(plain);
  const QImage boldImage = grabMenu(bold);
  EXPECT_GT(countPixels(boldImage, Qt::black), countPixels(plainImage, Qt::black));
}

TEST(PopupMenuTest, ColoursOfPlainSelectedAndGreyedItems) {
  PopupMenu menu;
  QAction* open = menu.addCommand(kCmdOpenRecent, QStringLiteral("Open"));
  menu.addSeparator();
  QAction* del = menu.addCommand(kCmdDelete, QStringLiteral("Delete"), QStringLiteral("Del"));
  menu.popup(QPoint(100, 100));
  const QRect openRect = menu.actionGeometry(open);
  const QRect sepRect = menu.actionGeometry(menu.actions()[1]);
  const QRect delRect = menu.actionGeometry(del);

  struct Probe {
    const char* what;
    QPoint at;
    QColor colour;
  };
  auto check = [](const QImage& image, std::initializer_list<Probe> probes) {
    for (const Probe& probe : probes)
      EXPECT_EQ(QColor(image.pixel(probe.at)), probe.colour) << probe.what;
  };

  // Nothing selected: icon column, background, separator line from 31, frame.
  QImage image = grabMenu(menu);
  const int sepMiddle = sepRect.top() + sepRect.height() / 2;
  check(image, {{"icon column", openRect.topLeft() + QPoint(22, 2), kColumn},
                {"background", QPoint(openRect.right() - 1, openRect.top() + 1), kBackground},
                {"separator line start", QPoint(sepRect.left() + 31, sepMiddle), QColor(166, 166, 166)},
                {"before the line", QPoint(sepRect.left() + 30, sepMiddle), kBackground},
                {"separator above the line", QPoint(sepRect.left() + 40, sepMiddle - 1), kBackground},
                {"outline", QPoint(0, 10), QColor(141, 145, 153)},
                {"column through the margin", QPoint(2, 1), kColumn},
                {"margin right of the column", QPoint(40, 1), kBackground}});

  // The enabled item selected.
  menu.popup(QPoint(100, 100));
  menu.setActiveAction(open);
  image = menu.grab().toImage();
  menu.hide();
  check(image, {{"selected frame", openRect.topLeft(), QColor(141, 145, 153)},
                {"selected column", openRect.topLeft() + QPoint(22, 11), QColor(179, 187, 202)},
                {"selected fill", openRect.topLeft() + QPoint(23, 1), QColor(197, 205, 220)}});

  // The greyed item selected: grey colours, grey text, grey icon.
  del->setEnabled(false);
  menu.popup(QPoint(100, 100));
  menu.setActiveAction(del);
  image = menu.grab().toImage();
  menu.hide();
  check(image, {{"grey frame", delRect.topLeft(), QColor(205, 208, 214)},
                {"grey column", delRect.topLeft() + QPoint(22, 11), QColor(225, 227, 231)},
                {"grey fill", delRect.topLeft() + QPoint(23, 1), QColor(242, 243, 245)}});
  const QRect textArea(delRect.left() + 31, delRect.top(), delRect.width() - 51, delRect.height());
  EXPECT_GT(countPixels(image, QColor(166, 166, 166), textArea), 0);
  EXPECT_EQ(countPixels(image, Qt::black, textArea), 0);
  // Where the colour icon is opaque the drawn icon is neutral grey.
  const QImage icon = image.copy(delRect.left() + 1, delRect.top() + 1, 20, 20);
  const QImage colourIcon = commandIcon(kCmdDelete).toImage();
  int colourful = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const QRgb original = colourIcon.pixel(x, y);
      if (qAlpha(original) < 255) continue;
      if (qRed(original) > qBlue(original) + 40) ++colourful;
      const QColor c = icon.pixelColor(x, y);
      EXPECT_TRUE(qAbs(c.red() - c.green()) <= 1 && qAbs(c.green() - c.blue()) <= 1) << x << "," << y;
    }
  EXPECT_GT(colourful, 0);  // the colour icon really is red, so the grey copy was used
}

TEST(PopupMenuTest, SubmenusShareTheLookAndShowTheArrow) {
  PopupMenu menu;
  menu.addCommand(kCmdOpenRecent, QStringLiteral("Open"));
  PopupMenu* view = menu.addSubmenu(QStringLiteral("View"));
  view->addCommand(1, QStringLiteral("Thumbnails"));
  EXPECT_NE(dynamic_cast<PopupMenuStyle*>(view->style()), nullptr);
  const QImage image = grabMenu(menu);
  const QRect item = menu.actionGeometry(menu.actions()[1]);
  // The arrow is centred in the last 20 pixels; nothing of the text reaches there.
  const QRect arrowArea(item.right() - 19, item.top(), 20, item.height());
  EXPECT_GT(countPixels(image, QColor(0x4A, 0x55, 0x68), arrowArea), 0);
  const QImage subImage = grabMenu(*view);
  EXPECT_EQ(QColor(subImage.pixel(view->actionGeometry(view->actions()[0]).topLeft() + QPoint(5, 5))), kColumn);
}

TEST(PopupMenuTest, KeyTextEndsTwentyPixelsFromTheRightEdge) {
  PopupMenu menu;
  QAction* del = menu.addCommand(kCmdDelete, QStringLiteral("Delete"), QStringLiteral("Del"));
  menu.addCommand(kCmdAddItem, QStringLiteral("Add a Collection..."));
  const QImage image = grabMenu(menu);
  const QRect rect = menu.actionGeometry(del);

  int rightmostText = -1;
  int leftmostText = 10000;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left() + 23; x <= rect.right(); ++x)
      if (qGray(image.pixel(x, y)) < 160) {
        rightmostText = qMax(rightmostText, x);
        leftmostText = qMin(leftmostText, x);
      }
  const int textRight = rect.left() + rect.width() - 20;  // exclusive edge of the text rectangle
  EXPECT_LT(rightmostText, textRight);
  EXPECT_GE(rightmostText, textRight - 4);
  EXPECT_GE(leftmostText, rect.left() + 31);
  EXPECT_LE(leftmostText, rect.left() + 33);
  // The label and the key are apart: a gap of background runs through the middle.
  const int keyLeft = textRight - QFontMetrics(UiFont()).horizontalAdvance(QStringLiteral("Del"));
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    EXPECT_EQ(QColor(image.pixel(keyLeft - 3, y)), kBackground) << y;
}

TEST(PopupMenuTest, TrackReturnsTheChosenCommandAndAllowsOneMenuAtATime) {
  auto menu = PopupMenu::fromResource(kMenuWardrobeListContext);
  QWidget owner;
  owner.show();
  int nestedResult = -1;
  bool nestedShown = true;
  bool trackingSeen = false;
  QObject scope;  // drops the call below if nothing ran it before the stack frame ends
  QTimer::singleShot(0, &scope, [&] {
    trackingSeen = PopupMenu::isTracking();
    auto second = PopupMenu::fromResource(kMenuWardrobeListContext);
    nestedResult = second->track(QPoint(10, 10), &owner);
    nestedShown = second->isVisible();
    auto* shown = qobject_cast<PopupMenu*>(QApplication::activePopupWidget());
    EXPECT_EQ(shown, menu.get());
    if (!shown) return;
    shown->setActiveAction(shown->commandAction(kCmdClearRecentList));
    QTest::keyClick(shown, Qt::Key_Return);
  });
  EXPECT_EQ(menu->track(QPoint(100, 100), &owner), kCmdClearRecentList);
  EXPECT_TRUE(trackingSeen);
  EXPECT_EQ(nestedResult, 0);
  EXPECT_FALSE(nestedShown);
  EXPECT_FALSE(PopupMenu::isTracking());

  // Closed without a choice. A position left of every screen opens at the
  // work area's left edge.
  const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
  QRect shownAt;
  QObject secondScope;
  QTimer::singleShot(0, &secondScope, [&] {
    shownAt = QApplication::activePopupWidget()->geometry();
    QApplication::activePopupWidget()->close();
  });
  EXPECT_EQ(menu->track(QPoint(work.left() - 5000, work.top() + 100), &owner), 0);
  EXPECT_EQ(shownAt.left(), work.left());
}

TEST(PopupMenuTest, KeyboardOrOutsidePositionsOpenAtTheOwnersTopLeft) {
  QWidget owner;
  owner.setGeometry(200, 150, 300, 200);
  owner.show();
  const QPoint origin = owner.mapToGlobal(QPoint(0, 0));
  struct Case {
    QContextMenuEvent::Reason reason;
    QPoint local;
    QPoint expected;
  };
  const Case cases[] = {
      {QContextMenuEvent::Mouse, QPoint(40, 50), origin + QPoint(40, 50)},
      {QContextMenuEvent::Mouse, QPoint(-20, 50), origin},
      {QContextMenuEvent::Mouse, QPoint(40, 500), origin},
      {QContextMenuEvent::Keyboard, QPoint(40, 50), origin},
  };
  for (const Case& c : cases) {
    QContextMenuEvent event(c.reason, c.local, origin + c.local);
    EXPECT_EQ(contextMenuPosition(&owner, event), c.expected) << c.local.x() << "," << c.local.y();
  }
}

TEST(MenuTablesTest, CommandBarAndRecentListMenus) {
  const MenuTable* bar = findMenuTable(kMenuCmdBar);
  ASSERT_NE(bar, nullptr);
  EXPECT_STREQ(bar->name, "CmdBar");
  std::vector<int> ids;
  for (const MenuEntry& entry : bar->entries) ids.push_back(entry.id);
  EXPECT_EQ(ids, (std::vector<int>{32913, 32900, 32933, 32901, 0, kCmdWardrobeMenu, kCmdShowInsights, 32908, 32914,
                                    32904}));
  EXPECT_EQ(findMenuTable(999), nullptr);
  EXPECT_EQ(PopupMenu::fromResource(999), nullptr);
  // Every command bar button has its icon; the menu button, its label and arrow.
  for (const MenuEntry& entry : bar->entries)
    if (entry.id && entry.submenu.empty()) {
      EXPECT_FALSE(commandIcon(entry.id).isNull()) << entry.id;
    }
  // The menu button opens the Wardrobe menu's own table.
  const MenuTable* wardrobe = findMenuTable(kMenuWardrobe);
  ASSERT_NE(wardrobe, nullptr);
  EXPECT_EQ(bar->entries[5].submenu.data(), wardrobe->entries.data());
}

}  // namespace
}  // namespace tavoro::ui
