#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "QtTestApp.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/UiFonts.h"
#include "ui/common/WebPages.h"
#include "ui/controls/ImageButton.h"
#include "ui/home/HomePageDialog.h"
#include "ui/home/HomeNavigationBar.h"
#include "ui/frame/RecentWardrobes.h"
#include "ui/home/HomePage.h"
#include "ui/home/NavigationLink.h"
#include "ui/home/RecentWardrobeList.h"
#include "ui/menus/PopupMenu.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

using test::countPixels;
using test::renderWidget;

// Records the addresses the program opens instead of starting a browser.
class RecordingOpener {
 public:
  explicit RecordingOpener(bool succeed = true) {
    m_previous = setAddressOpener([this, succeed](const QString& address) {
      addresses.push_back(address);
      return succeed;
    });
  }
  ~RecordingOpener() { setAddressOpener(std::move(m_previous)); }
  std::vector<QString> addresses;

 private:
  AddressOpener m_previous;
};

void click(QWidget* widget, QPoint at = QPoint()) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at.isNull() ? widget->rect().center() : at);
}

// What a context menu offered, and the command chosen from it (0: closed).
struct MenuSeen {
  bool shown = false;
  std::vector<std::pair<int, bool>> enabled;  // command id, enabled
  int defaultCommand = 0;
};

// Sends a context menu event to the list's viewport at pos and, while the
// menu is open, records it and picks command (0 closes it).
MenuSeen openContextMenu(RecentWardrobeList& list, QPoint pos, int command,
                         QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse) {
  MenuSeen seen;
  QObject scope;  // drops the call below if nothing ran it before the stack frame ends
  QTimer::singleShot(0, &scope, [&] {
    auto* menu = qobject_cast<PopupMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    seen.shown = true;
    for (QAction* action : menu->actions())
      if (!action->isSeparator()) seen.enabled.emplace_back(action->data().toInt(), action->isEnabled());
    if (menu->defaultAction()) seen.defaultCommand = menu->defaultAction()->data().toInt();
    if (command) {
      menu->setActiveAction(menu->commandAction(command));
      QTest::keyClick(menu, Qt::Key_Return);
    } else {
      menu->close();
    }
  });
  QContextMenuEvent event(reason, pos, list.viewport()->mapToGlobal(pos));
  QApplication::sendEvent(list.viewport(), &event);
  return seen;
}

TEST(HomeNavigationBarTest, LinksStandAboveTheBottomEdge) {
  HomeNavigationBar column;
  column.show();  // a hidden widget hears of its new size only when shown
  EXPECT_EQ(column.width(), 200);
  struct Case {
    int height;
    int firstTop;
  };
  const Case cases[] = {{240, 100}, {400, 250}, {250, 100}, {251, 101}, {101, 100}, {700, 550}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height);
    column.resize(200, c.height);
    for (int i = 0; i < HomeNavigationBar::kLinkCount; ++i) {
      EXPECT_EQ(column.link(i)->pos(), QPoint(25, c.firstTop + 27 * i));
      EXPECT_EQ(column.link(i)->size(), column.link(i)->preferredSize());
    }
  }
  column.resize(200, 240);
  EXPECT_EQ(column.link(4)->y(), 208);
  column.resize(200, 90);  // too short: the links stay where they were
  for (int i = 0; i < HomeNavigationBar::kLinkCount; ++i) EXPECT_EQ(column.link(i)->y(), 100 + 27 * i);
}

TEST(HomeNavigationBarTest, LinksDrawTheColumnUnderThem) {
  HomeNavigationBar column;
  column.resize(200, 700);  // taller than the picture: its last row is stretched
  column.show();
  const QImage whole = renderWidget(column);
  for (int i : {0, 4}) {
    NavigationLink* link = column.link(i);
    const QImage drawn = renderWidget(*link);
    // The icon's left edge column is left of the text; the last column under
    // the link is past the text's end: both show the column's background.
    const QPoint probe(link->width() - 1, 0);
    EXPECT_EQ(drawn.pixel(probe), whole.pixel(link->pos() + probe)) << i;
  }
  EXPECT_EQ(whole.pixel(100, 690), whole.pixel(100, 480));
}

TEST(HomeNavigationBarTest, CommandLinksAskTheWindowAndAddressLinksOpenPages) {
  RecordingOpener opener;
  HomeNavigationBar column;
  column.resize(200, 600);
  column.show();
  QSignalSpy commands(&column, &HomeNavigationBar::commandRequested);
  for (int i = 0; i < HomeNavigationBar::kLinkCount; ++i) click(column.link(i), column.link(i)->textRect().center());
  ASSERT_EQ(commands.count(), 2);
  EXPECT_EQ(commands[0][0].toInt(), kCmdHelpContents);
  EXPECT_EQ(commands[1][0].toInt(), kCmdAbout);
  const std::vector<QString> expected = {QStringLiteral("http://www.tavoro.example"),
                                         QStringLiteral("http://www.tavoro.example/contact.html"),
                                         QStringLiteral("http://www.tavoro.example/tell-a-friend.html")};
  EXPECT_EQ(opener.addresses, expected);
  EXPECT_EQ(column.link(2)->tooltipText(), QStringLiteral("Ask questions or send your comments and suggestions"));
}

TEST(NavigationLinkTest, HoverUnderlinesInTheHoverColour) {
  QWidget parent;
  auto* link = new NavigationLink(&parent, 7, QStringLiteral("Tavoro Website"), QString(), Picture::WebsiteLinkIcon,
                                  QString(), 0);
  const int textWidth = QFontMetrics(UiFont()).horizontalAdvance(QStringLiteral("Tavoro Website"));
  EXPECT_EQ(link->preferredSize().width(), textWidth + 16 + 8);
  EXPECT_EQ(link->preferredSize().height(), qMax(16, QFontMetrics(UiFont()).height()));
  EXPECT_EQ(link->textRect(), QRect(link->width() - textWidth, 0, textWidth, link->height()));
  parent.show();

  // The longest run of one colour on one row: an underline spans the text.
  auto longestRun = [](const QImage& image, QColor colour) {
    int best = 0;
    for (int y = 0; y < image.height(); ++y) {
      int run = 0;
      for (int x = 0; x < image.width(); ++x) {
        run = QColor(image.pixel(x, y)) == colour ? run + 1 : 0;
        best = qMax(best, run);
      }
    }
    return best;
  };

  QImage image = renderWidget(*link);
  EXPECT_GT(countPixels(image, NavigationLink::kTextColour), 0);
  EXPECT_EQ(countPixels(image, NavigationLink::kHoverColour), 0);

  QEnterEvent enter(QPointF(30, 5), QPointF(30, 5), QPointF(30, 5));
  QApplication::sendEvent(link, &enter);
  EXPECT_TRUE(link->isHot());
  image = renderWidget(*link);
  EXPECT_EQ(countPixels(image, NavigationLink::kTextColour), 0);
  EXPECT_GE(longestRun(image, NavigationLink::kHoverColour), textWidth - 2);

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(link, &leave);
  EXPECT_FALSE(link->isHot());
  image = renderWidget(*link);
  EXPECT_EQ(countPixels(image, NavigationLink::kHoverColour), 0);
  EXPECT_LT(longestRun(image, NavigationLink::kTextColour), textWidth / 2);
}

TEST(NavigationLinkTest, ActivationByKindOfLink) {
  QWidget parent;
  auto* command = new NavigationLink(&parent, 3, QStringLiteral("About"), QString(), Picture::None, QString(),
                                      NavigationLink::kCommandLink);
  auto* notify = new NavigationLink(&parent, 4, QStringLiteral("Notify"), QString(), Picture::None, QString(),
                                     NavigationLink::kCommandLink | NavigationLink::kNotifyOnClick);
  auto* mail = new NavigationLink(&parent, 5, QStringLiteral("Mail"), QStringLiteral("MailTo:me@tavoro.example"),
                                   Picture::None, QString(), 0);
  auto* web = new NavigationLink(&parent, 6, QStringLiteral("Web"), QStringLiteral("http://www.tavoro.example"),
                                  Picture::None, QString(), 0);
  notify->move(0, 30);
  parent.show();
  QSignalSpy commands(command, &NavigationLink::commandSent);
  QSignalSpy notified(notify, &NavigationLink::clickNotified);
  QSignalSpy notifyCommands(notify, &NavigationLink::commandSent);

  click(command);
  // Pressed inside but released outside: nothing.
  QTest::mousePress(command, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
  QTest::mouseRelease(command, Qt::LeftButton, Qt::NoModifier, QPoint(command->width() + 30, 2));
  ASSERT_EQ(commands.count(), 1);
  EXPECT_EQ(commands[0][0].toInt(), 3);
  click(notify);
  EXPECT_EQ(notified.count(), 1);
  EXPECT_EQ(notifyCommands.count(), 0);

  // Addresses that cannot be opened: only the mail link explains itself.
  RecordingOpener failing(false);
  ScopedMessageResponder boxes;
  EXPECT_FALSE(web->activate());
  EXPECT_EQ(boxes.count(), 0u);
  EXPECT_FALSE(mail->activate());
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().caption, L"Tavoro Wardrobe Manager");
  EXPECT_EQ(boxes.last().icon, QMessageBox::Information);
  EXPECT_EQ(boxes.last().text,
            L"Tavoro failed to launch your default Email program, which hasn't\nbeen specified or installed in your "
            L"system.\n\n");
  EXPECT_EQ(failing.addresses.size(), 2u);
}

TEST(HomePageDialogTest, ButtonsSendTheirCommands) {
  RecentWardrobes recent;
  HomePageDialog page(recent);
  page.resize(720, 597);
  page.show();
  QSignalSpy commands(&page, &HomePageDialog::commandRequested);
  const int ids[] = {HomePageDialog::kIdCreate, HomePageDialog::kIdOpen, HomePageDialog::kIdTutorials,
                     HomePageDialog::kIdDonate};
  for (int id : ids) {
    QWidget* button = page.control(id);
    ASSERT_NE(qobject_cast<ImageButton*>(button), nullptr) << id;
    EXPECT_EQ(button->size(), QSize(350, 52));
    click(button);
  }
  ASSERT_EQ(commands.count(), 4);
  EXPECT_EQ(commands[0][0].toInt(), kCmdNew);
  EXPECT_EQ(commands[1][0].toInt(), kCmdOpen);
  EXPECT_EQ(commands[2][0].toInt(), kCmdOnlineTutorials);
  EXPECT_EQ(commands[3][0].toInt(), kCmdDonate);
}

TEST(HomePageDialogTest, ButtonImagesShowTheFrameWhenHotOrPressed) {
  const QImage strip = HomePageDialog::buttonStrip(Picture::NewWardrobeButtonFace).toImage();
  ASSERT_EQ(strip.size(), QSize(3 * 350, 52));
  // The frames' outline lies on the edge: white in the normal image, darker
  // when pressed than when hot.
  const QPoint edge(0, 26);
  EXPECT_EQ(QColor(strip.pixel(edge)), QColor(Qt::white));
  const int hot = qGray(strip.pixel(edge + QPoint(350, 0)));
  const int pressed = qGray(strip.pixel(edge + QPoint(700, 0)));
  EXPECT_LT(hot, 255);
  EXPECT_LT(pressed, hot);
  // Inside the frame the hot image is tinted where the normal one is white.
  EXPECT_EQ(QColor(strip.pixel(20, 3)), QColor(Qt::white));
  EXPECT_NE(QColor(strip.pixel(350 + 20, 3)), QColor(Qt::white));
}

TEST(HomePageDialogTest, SeparatorAndNoticeFollowTheBottomButNotAboveTheirPlace) {
  RecentWardrobes recent;
  HomePageDialog page(recent);
  page.show();
  QWidget* banner = page.control(HomePageDialog::kIdBanner);
  QWidget* separator = page.control(HomePageDialog::kIdSeparator);
  QWidget* notice = page.control(HomePageDialog::kIdNotice);
  const int noticeBelow = notice->y() - separator->y();
  const int bannerHeight = banner->height();
  struct Case {
    int width;
    int height;
  };
  for (const Case& c : {Case{720, 597}, Case{1000, 900}, Case{500, 300}, Case{720, 560}}) {
    SCOPED_TRACE(c.height);
    page.resize(c.width, c.height);
    EXPECT_EQ(banner->geometry(), QRect(0, 0, c.width, bannerHeight));
    EXPECT_EQ(separator->y(), qMax(c.height - 47, page.minSeparatorTop()));
    EXPECT_EQ(notice->y() - separator->y(), noticeBelow);
  }
  EXPECT_GT(page.minSeparatorTop(), page.control(HomePageDialog::kIdDonate)->geometry().bottom());
  // The recent wardrobes stand beside the buttons only while there is room.
  page.resize(720, 597);
  EXPECT_TRUE(page.recentList()->isVisible());
  EXPECT_GT(page.recentList()->x(), page.control(HomePageDialog::kIdCreate)->geometry().right());
  EXPECT_LT(page.recentList()->geometry().bottom(), separator->y());
  page.resize(500, 597);
  EXPECT_FALSE(page.recentList()->isVisible());
}

// A folder with a named wardrobe, a file that holds no name and a path that
// does not exist, in the order of the working list.
struct RecentFixture {
  test::TempDir dir;
  std::vector<std::wstring> paths;
  RecentWardrobes recent;
  std::unique_ptr<RecentWardrobeList> list;

  RecentFixture() {
    Wardrobe wardrobe(dir.path(), L"Summer Clothes");
    EXPECT_TRUE(writeWardrobe(wardrobe));
    test::writeFile(dir / L"notes.twd", "this is not a wardrobe");
    paths = {wardrobe.wardrobeFilePath(), dir / L"notes.twd", dir / L"gone/my.wardrobe.twd", dir / L"plain"};
    for (auto path = paths.rbegin(); path != paths.rend(); ++path) recent.add(*path);
    list = std::make_unique<RecentWardrobeList>(recent);
    list->resize(400, 300);
    list->fill();
    list->show();
  }
  QPoint rowCentre(int index) const { return list->rowRect(index).center(); }
};

TEST(RecentWardrobeListTest, RowsAreNamedFromTheFileOrItsFileName) {
  RecentFixture f;
  ASSERT_EQ(f.list->rowCount(), 4);
  const wchar_t* names[] = {L"Summer Clothes", L"notes", L"my.wardrobe", L"plain"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(f.list->rowName(i), names[i]) << i;
    EXPECT_EQ(f.list->rowPath(i), f.paths[static_cast<size_t>(i)]);
    EXPECT_EQ(f.list->rowRect(i).height(), 40);
  }
  EXPECT_EQ(RecentWardrobeList::nameOf(L"  /data/winter.v2.twd "), L"winter.v2");
  EXPECT_EQ(f.list->selectedRow(), -1);
}

// The working list changes while the home page stays shown (a failed open
// from it, "Clear List" in a dialog opened over it, a save): the page follows.
TEST(HomePageTest, TheRecentWardrobesFollowTheWorkingListWhileShown) {
  test::TempDir dir;
  RecentWardrobes recent({dir / L"a/A.twd", dir / L"b/B.twd"});
  HomePage view(recent);
  view.resize(1000, 600);
  view.show();
  const RecentWardrobeList* list = view.homePage()->recentList();
  // At once, without waiting for the event loop.
  const auto shows = [&](const std::vector<std::wstring>& paths) {
    if (list->rowCount() != static_cast<int>(paths.size())) return false;
    for (int i = 0; i < list->rowCount(); ++i)
      if (list->rowPath(i) != paths[static_cast<size_t>(i)]) return false;
    return true;
  };
  EXPECT_TRUE(shows(recent.paths()));
  recent.remove(dir / L"a/A.twd");
  EXPECT_TRUE(shows({dir / L"b/B.twd"})) << "a path taken out";
  recent.add(dir / L"c/C.twd");
  EXPECT_TRUE(shows({dir / L"c/C.twd", dir / L"b/B.twd"})) << "a path put in front";
  recent.clear();
  EXPECT_TRUE(shows({})) << "the list cleared";
}

TEST(RecentWardrobeListTest, EmptyListSaysSoInTheTopHalf) {
  RecentWardrobes recent;
  RecentWardrobeList list(recent);
  list.resize(300, 200);
  list.fill();
  list.show();
  const QImage image = renderWidget(*list.viewport());
  const int height = image.height();
  const QColor grey(160, 160, 160);
  EXPECT_GT(countPixels(image, grey, QRect(0, 0, image.width(), height / 2)), 0);
  EXPECT_EQ(countPixels(image, grey, QRect(0, height / 2, image.width(), height - height / 2)), 0);
  EXPECT_EQ(QColor(image.pixel(2, height - 2)), QColor(Qt::white));
  // And no context menu at all.
  const MenuSeen seen = openContextMenu(list, QPoint(50, 20), 0);
  EXPECT_FALSE(seen.shown);
  EXPECT_FALSE(PopupMenu::isTracking());
}

TEST(RecentWardrobeListTest, RowsPaintTheirStates) {
  RecentFixture f;
  f.list->setRowSelected(1, true, false);
  const QImage image = renderWidget(*f.list->viewport());
  const QRect plain = f.list->rowRect(0);
  // An unselected row fades from light grey at the top to white at the bottom.
  const int topGrey = qGray(image.pixel(plain.right() - 20, plain.top()));
  const int bottomGrey = qGray(image.pixel(plain.right() - 20, plain.bottom()));
  EXPECT_LE(topGrey, 246);
  EXPECT_GE(bottomGrey, 253);
  // A selected row is drawn with its picture: bluish, not grey.
  const QColor selected(image.pixel(f.list->rowRect(1).right() - 20, f.list->rowRect(1).center().y()));
  EXPECT_GT(selected.blue(), selected.red() + 10);
  // The name in its colour in the upper half, the path in its colour in the lower half.
  const QRect row = f.list->rowRect(0);
  EXPECT_GT(countPixels(image, QColor(61, 75, 102), QRect(row.left(), row.top(), row.width(), 21)), 0);
  EXPECT_GT(countPixels(image, QColor(145, 150, 161), QRect(row.left(), row.top() + 21, row.width(), 19)), 0);
  EXPECT_EQ(countPixels(image, QColor(145, 150, 161), QRect(row.left(), row.top(), row.width(), 20)), 0);
}

TEST(RecentWardrobeListTest, ContextMenuItemsFollowTheClickPlace) {
  RecentFixture f;
  // On a row: the row is selected first, everything is enabled, Open is the default.
  QTest::mouseClick(f.list->viewport(), Qt::RightButton, Qt::NoModifier, f.rowCentre(2));
  MenuSeen seen = openContextMenu(*f.list, f.rowCentre(2), 0);
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(f.list->selectedRow(), 2);
  EXPECT_EQ(seen.defaultCommand, kCmdOpenRecent);
  const std::vector<std::pair<int, bool>> allEnabled = {
      {kCmdOpenRecent, true}, {kCmdCopyPathToClipboard, true}, {kCmdClearRecentList, true}};
  EXPECT_EQ(seen.enabled, allEnabled);

  // Below the rows: Open and Copy are greyed.
  const std::vector<std::pair<int, bool>> greyed = {
      {kCmdOpenRecent, false}, {kCmdCopyPathToClipboard, false}, {kCmdClearRecentList, true}};
  seen = openContextMenu(*f.list, QPoint(20, 4 * 40 + 30), 0);
  EXPECT_EQ(seen.enabled, greyed);
  // From the keyboard the menu acts on the focused row wherever the pointer
  // is; with no row focused or selected, Open and Copy are greyed.
  seen = openContextMenu(*f.list, QPoint(20, 4 * 40 + 30), 0, QContextMenuEvent::Keyboard);
  EXPECT_EQ(seen.enabled, allEnabled);
  f.list->clearSelection();
  f.list->setFocusRow(-1);
  seen = openContextMenu(*f.list, f.rowCentre(2), 0, QContextMenuEvent::Keyboard);
  EXPECT_EQ(seen.enabled, greyed);
}

TEST(RecentWardrobeListTest, OpenCopyAndDoubleClickActOnTheSelectedRow) {
  RecentFixture f;
  QSignalSpy opened(f.list.get(), &RecentWardrobeList::openRequested);
  QTest::mouseClick(f.list->viewport(), Qt::RightButton, Qt::NoModifier, f.rowCentre(1));
  openContextMenu(*f.list, f.rowCentre(1), kCmdCopyPathToClipboard);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdWString(f.paths[1]));
  openContextMenu(*f.list, f.rowCentre(1), kCmdOpenRecent);
  // A double-click: its first click selects the row.
  QTest::mouseClick(f.list->viewport(), Qt::LeftButton, Qt::NoModifier, f.rowCentre(3));
  QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, Qt::NoModifier, f.rowCentre(3));
  ASSERT_EQ(opened.count(), 2);
  EXPECT_EQ(opened[0][0].toInt(), 1);
  EXPECT_EQ(opened[1][0].toInt(), 3);
}

TEST(RecentWardrobeListTest, ClearListAsksFirst) {
  RecentFixture f;
  const std::vector<std::wstring> before = f.recent.paths();
  QSignalSpy changed(f.list.get(), &RowList::selectionChanged);
  QTest::mouseClick(f.list->viewport(), Qt::LeftButton, Qt::NoModifier, f.rowCentre(0));
  const qsizetype afterClick = changed.count();

  ScopedMessageResponder boxes({kIdNo, kIdYes});
  openContextMenu(*f.list, f.rowCentre(0), kCmdClearRecentList);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, L"Are you sure you want to clear the recent wardrobes list?");
  EXPECT_EQ(boxes.last().caption, L"Confirm Clear");
  EXPECT_EQ(boxes.last().defaultButton, kIdNo);
  EXPECT_EQ(boxes.last().icon, QMessageBox::Question);
  EXPECT_EQ(boxes.last().owner, f.list.get());
  EXPECT_EQ(f.recent.paths(), before);
  EXPECT_EQ(f.list->rowCount(), 4);

  openContextMenu(*f.list, f.rowCentre(0), kCmdClearRecentList);
  EXPECT_EQ(boxes.count(), 2u);
  EXPECT_TRUE(f.recent.paths().empty());
  EXPECT_EQ(f.list->rowCount(), 0);
  EXPECT_EQ(changed.count(), afterClick + 1);  // the selected row went away
}

TEST(HomePageTest, ColumnAndPageShareTheViewAndTheListFollowsTheWorkingList) {
  RecentFixture f;
  RecentWardrobes recent({f.paths[0]});
  HomePage view(recent);
  view.resize(920, 597);
  QSignalSpy commands(&view, &HomePage::commandRequested);
  std::vector<std::wstring> opened;
  QObject::connect(&view, &HomePage::openWardrobeRequested,
                   [&](const std::wstring& path) { opened.push_back(path); });
  view.show();
  EXPECT_EQ(view.naviCtrl()->geometry(), QRect(0, 0, 200, 597));
  EXPECT_EQ(view.homePage()->geometry(), QRect(200, 0, 720, 597));
  RecentWardrobeList* list = view.homePage()->recentList();
  EXPECT_EQ(list->rowCount(), 1);

  // The working list changed while the page was hidden: shown again, it shows the change.
  view.hide();
  recent.add(f.paths[2]);
  view.show();
  ASSERT_EQ(list->rowCount(), 2);
  EXPECT_EQ(list->rowName(0), L"my.wardrobe");

  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->rowRect(1).center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->rowRect(1).center());
  EXPECT_EQ(opened, std::vector<std::wstring>{f.paths[0]});
  click(view.homePage()->control(HomePageDialog::kIdOpen));
  click(view.naviCtrl()->link(4), view.naviCtrl()->link(4)->textRect().center());
  ASSERT_EQ(commands.count(), 2);
  EXPECT_EQ(commands[0][0].toInt(), kCmdOpen);
  EXPECT_EQ(commands[1][0].toInt(), kCmdAbout);
}

}  // namespace
}  // namespace tavoro::ui
