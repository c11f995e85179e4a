#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QSignalSpy>
#include <QTest>

#include "QtTestApp.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/ImageButton.h"
#include "ui/common/CommandActions.h"
#include "ui/controls/CommandBar.h"
#include "ui/controls/TabStrip.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"

namespace tavoro::ui {
namespace {

TEST(TabStripTest, HiddenTabsTakeNoRoomAndCannotBeSelected) {
  TabStrip tabs;
  tabs.resize(600, 43);
  QSignalSpy changed(&tabs, &TabStrip::currentChanged);
  tabs.addTab(QStringLiteral("Home"));
  tabs.addTab(QStringLiteral("Summer Wardrobe"));
  tabs.addTab(QStringLiteral("Third"));
  EXPECT_EQ(tabs.tabRect(0).left(), 15);
  EXPECT_EQ(tabs.tabRect(1).left(), tabs.tabRect(0).right() + 1 + 2);
  const int fullWidth = tabs.preferredWidth();
  const int secondWidth = tabs.tabRect(2).left() - tabs.tabRect(1).left();
  // A longer text makes a wider tab.
  EXPECT_GT(tabs.tabRect(1).width(), tabs.tabRect(0).width());

  tabs.setTabHidden(1, true);
  EXPECT_TRUE(tabs.tabRect(1).isEmpty());
  EXPECT_EQ(tabs.tabRect(2).left(), tabs.tabRect(0).right() + 1 + 2);
  EXPECT_EQ(tabs.preferredWidth(), fullWidth - secondWidth);
  EXPECT_FALSE(tabs.select(1));
  EXPECT_FALSE(tabs.select(7));
  EXPECT_EQ(changed.count(), 0);

  EXPECT_TRUE(tabs.select(0));
  EXPECT_TRUE(tabs.select(0));  // already selected: no second notification
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toInt(), 0);

  // Clicks select; the hidden tab's old place now belongs to the third tab.
  tabs.show();
  QTest::mouseClick(&tabs, Qt::LeftButton, Qt::NoModifier, tabs.tabRect(2).center());
  EXPECT_EQ(tabs.currentIndex(), 2);
  QTest::mouseMove(&tabs, tabs.tabRect(0).center());
  EXPECT_EQ(tabs.hotIndex(), 0);
  EXPECT_EQ(tabs.cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseMove(&tabs, QPoint(590, 20));
  EXPECT_EQ(tabs.hotIndex(), -1);
  EXPECT_EQ(tabs.cursor().shape(), Qt::ArrowCursor);

  tabs.setTabHidden(1, false);
  tabs.setTabText(1, QStringLiteral("Winter"));
  EXPECT_EQ(tabs.tabText(1), QStringLiteral("Winter"));
  EXPECT_TRUE(tabs.select(1));
}

TEST(CommandBarTest, BuiltFromTheCommandBarMenu) {
  CommandBar bar(kMenuCmdBar);
  bar.resize(1000, CommandBar::kHeight);
  bar.show();
  const auto& buttons = bar.buttons();
  ASSERT_EQ(buttons.size(), 9u);
  const int ids[] = {32913, 32900, 32933, 32901, kCmdWardrobeMenu, kCmdShowInsights, 32908, 32914, 32904};
  for (size_t i = 0; i < buttons.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(buttons[i].id, ids[i]);
    EXPECT_EQ(buttons[i].secondGroup, i >= 4);
    EXPECT_EQ(buttons[i].labelled, i < 7);  // the last two: icon only, text kept as tooltip
    EXPECT_EQ(buttons[i].menu.empty(), i != 4);
    EXPECT_FALSE(buttons[i].text.isEmpty());
  }
  EXPECT_EQ(buttons[8].tooltip, QStringLiteral("Show Online Help"));

  // The first group at the left, the second at the right, none overlapping.
  EXPECT_EQ(bar.buttonRect(kCmdCloseWardrobe).left(), 6);
  EXPECT_EQ(bar.buttonRect(kCmdHelpContents).right(), 1000 - 6 - 1);
  EXPECT_LT(bar.buttonRect(kCmdHideSearchResults).right(), bar.buttonRect(kCmdWardrobeMenu).left());
  EXPECT_LT(bar.buttonRect(kCmdWardrobeMenu).right(), bar.buttonRect(kCmdShowInsights).left());
  EXPECT_LT(bar.buttonRect(kCmdShowInsights).right(), bar.buttonRect(kCmdTellAFriend).left());
  EXPECT_LT(bar.buttonRect(kCmdVisitWebsite).width(), bar.buttonRect(kCmdTellAFriend).width());
  bar.resize(1100, CommandBar::kHeight);
  EXPECT_EQ(bar.buttonRect(kCmdHelpContents).right(), 1100 - 6 - 1);
}

TEST(CommandBarTest, ANarrowBarShedsLabelsRatherThanOverlapping) {
  CommandBar bar(kMenuCmdBar);
  const auto& buttons = bar.buttons();
  const auto noneOverlap = [&] {
    for (size_t i = 0; i < buttons.size(); ++i)
      for (size_t j = i + 1; j < buttons.size(); ++j)
        if (bar.buttonRect(buttons[i].id).intersects(bar.buttonRect(buttons[j].id))) return false;
    return true;
  };
  bar.resize(bar.sizeHint().width(), CommandBar::kHeight);
  bar.show();
  for (const auto& button : buttons) EXPECT_FALSE(button.compact) << button.id;

  // Just too narrow: "Insights", the second group's first label with an
  // icon, goes first; "Wardrobe" has only its label.
  bar.resize(bar.sizeHint().width() - 1, CommandBar::kHeight);
  EXPECT_TRUE(buttons[5].compact);
  for (size_t i : {0, 1, 2, 3, 4, 6}) EXPECT_FALSE(buttons[i].compact) << i;
  EXPECT_TRUE(noneOverlap());
  EXPECT_EQ(bar.buttonRect(kCmdHelpContents).right(), bar.width() - 6 - 1);

  // Narrower: the first group sheds from its end, "Close Wardrobe" last.
  bar.resize(640, CommandBar::kHeight);
  EXPECT_TRUE(noneOverlap());
  EXPECT_FALSE(buttons[0].compact);
  EXPECT_TRUE(buttons[3].compact);
  EXPECT_LE(bar.buttonRect(kCmdHelpContents).right(), bar.width() - 1);

  // Narrower than the icons: the second group is cut off at the right edge,
  // still clear of the first group.
  bar.resize(120, CommandBar::kHeight);
  for (const auto& button : buttons)
    EXPECT_TRUE(button.compact || !button.labelled || button.id == kCmdWardrobeMenu) << button.id;
  EXPECT_TRUE(noneOverlap());
  EXPECT_GT(bar.buttonRect(kCmdHelpContents).right(), bar.width());

  // Room again: every label returns.
  bar.resize(bar.sizeHint().width(), CommandBar::kHeight);
  for (const auto& button : buttons) EXPECT_FALSE(button.compact) << button.id;
}

TEST(CommandBarTest, ClicksTriggerTheActionsOfEnabledButtons) {
  CommandBar bar(kMenuCmdBar);
  bar.resize(900, CommandBar::kHeight);
  bar.show();
  // The bar shows the actions of whoever carries the commands out.
  QWidget owner;
  std::vector<int> triggered;
  for (const int id : {kCmdCloseWardrobe, kCmdAddPhotos, kCmdDeleteSelectedPhotos, kCmdHelpContents})
    addCommandAction(&owner, id, QString(), [&triggered, id] { triggered.push_back(id); });
  bar.bindActions(owner.actions());
  EXPECT_FALSE(bar.isButtonEnabled(kCmdHideSearchResults)) << "a button without an action";
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, bar.buttonRect(kCmdAddPhotos).center());
  findCommandAction(&owner, kCmdDeleteSelectedPhotos)->setEnabled(false);
  EXPECT_FALSE(bar.isButtonEnabled(kCmdDeleteSelectedPhotos)) << "the button follows its action";
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, bar.buttonRect(kCmdDeleteSelectedPhotos).center());
  // Pressed on one button and released on another: nothing.
  QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, bar.buttonRect(kCmdCloseWardrobe).center());
  QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, bar.buttonRect(kCmdAddPhotos).center());
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, bar.buttonRect(kCmdHelpContents).center());
  EXPECT_EQ(triggered, (std::vector<int>{kCmdAddPhotos, kCmdHelpContents}));
}

TEST(CommandBarTest, AMenuButtonShowsTheBoundActionsAndCarriesOutTheChoice) {
  CommandBar bar(kMenuCmdBar);
  bar.resize(900, CommandBar::kHeight);
  bar.show();
  QWidget owner;
  std::vector<int> triggered;
  for (const int id : {kCmdExportSpreadsheet, kCmdBackUpWardrobe})
    addCommandAction(&owner, id, QString(), [&triggered, id] { triggered.push_back(id); });
  findCommandAction(&owner, kCmdBackUpWardrobe)->setEnabled(false);
  bar.bindActions(owner.actions());
  EXPECT_TRUE(bar.isButtonEnabled(kCmdWardrobeMenu)) << "a menu button needs no action of its own";
  EXPECT_EQ(bar.buttonMenu(kCmdAddPhotos), nullptr);

  auto menu = bar.buttonMenu(kCmdWardrobeMenu);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->commandAction(kCmdExportSpreadsheet)->isEnabled());
  EXPECT_FALSE(menu->commandAction(kCmdBackUpWardrobe)->isEnabled()) << "follows its action";
  EXPECT_FALSE(menu->commandAction(kCmdExportWebCatalogue)->isEnabled()) << "no action bound";
  EXPECT_EQ(menu->actions().front()->data().toInt(), kCmdShowInsights) << "no window, so no Undo";

  // A click opens it under the button; the entry chosen runs once it has closed.
  QTimer::singleShot(0, [&] {
    auto* shown = qobject_cast<PopupMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(shown, nullptr);
    EXPECT_GE(shown->y(), bar.mapToGlobal(bar.buttonRect(kCmdWardrobeMenu).bottomLeft()).y());
    shown->setActiveAction(shown->commandAction(kCmdExportSpreadsheet));
    QTest::keyClick(shown, Qt::Key_Return);
  });
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, bar.buttonRect(kCmdWardrobeMenu).center());
  EXPECT_EQ(triggered, (std::vector<int>{kCmdExportSpreadsheet}));
}

TEST(CommandBarTest, AMenuFindsCommandsTheWindowGainedAfterBinding) {
  QWidget window;
  auto* bar = new CommandBar(kMenuCmdBar, &window);
  bar->bindActions({});
  int triggered = 0;
  addCommandAction(&window, kCmdExportWebCatalogue, QString(), [&triggered] { ++triggered; });
  auto menu = bar->buttonMenu(kCmdWardrobeMenu);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->commandAction(kCmdExportWebCatalogue)->isEnabled());
  EXPECT_FALSE(menu->commandAction(kCmdBackUpWardrobe)->isEnabled());
  window.resize(900, CommandBar::kHeight);
  bar->resize(900, CommandBar::kHeight);
  window.show();
  QTimer::singleShot(0, [] {
    auto* shown = qobject_cast<PopupMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(shown, nullptr);
    shown->setActiveAction(shown->commandAction(kCmdExportWebCatalogue));
    QTest::keyClick(shown, Qt::Key_Return);
  });
  EXPECT_EQ(bar->openMenu(kCmdWardrobeMenu), kCmdExportWebCatalogue);
  EXPECT_EQ(triggered, 1);
}

TEST(ImageButtonTest, DrawsTheImageOfItsState) {
  // A strip of four 10 x 8 images in four colours: normal, pressed, hot, disabled.
  QPixmap strip(40, 8);
  {
    QPainter painter(&strip);
    const QColor colours[] = {Qt::white, Qt::red, Qt::green, Qt::gray};
    for (int i = 0; i < 4; ++i) painter.fillRect(i * 10, 0, 10, 8, colours[i]);
  }
  ImageButton button;
  EXPECT_EQ(button.objectName(), QStringLiteral("WTL_BitmapButton"));
  button.setImages(strip, 10, 0, 1, 2, 3);
  EXPECT_EQ(button.sizeHint(), QSize(10, 8));
  button.resize(10, 8);
  button.show();
  QSignalSpy clicked(&button, &QAbstractButton::clicked);
  auto colourNow = [&] { return QColor(test::renderWidget(button).pixel(5, 4)); };

  EXPECT_EQ(colourNow(), QColor(Qt::white));
  QEnterEvent enter(QPointF(5, 4), QPointF(5, 4), QPointF(5, 4));
  QApplication::sendEvent(&button, &enter);
  EXPECT_EQ(button.state(), ImageButton::State::Hot);
  EXPECT_EQ(colourNow(), QColor(Qt::green));
  button.setDown(true);
  EXPECT_EQ(colourNow(), QColor(Qt::red));
  button.setDown(false);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_EQ(colourNow(), QColor(Qt::white));
  button.setEnabled(false);
  EXPECT_EQ(colourNow(), QColor(Qt::gray));
  button.setEnabled(true);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicked.count(), 1);

  // Missing state images fall back to the normal image.
  button.setImages(strip, 10, 0);
  button.setEnabled(false);
  EXPECT_EQ(colourNow(), QColor(Qt::white));
}

}  // namespace
}  // namespace tavoro::ui
