#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QTimer>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include "FrameTestSupport.h"
#include "ui/items/ItemListModel.h"
#include "ui/menus/PopupMenu.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/CommandActions.h"
#include "FindWidget.h"
#include "PhotoFactory.h"
#include "TestFiles.h"
#include "TestSession.h"
#include "settings/AppSettings.h"
#include "platform/FileSystem.h"
#include "ui/common/CommandIds.h"
#include "ui/common/QtText.h"
#include "ui/common/WebPages.h"
#include "ui/controls/TabStrip.h"
#include "ui/frame/HeaderLayout.h"
#include "ui/items/ItemListPane.h"
#include "ui/frame/HeaderBar.h"
#include "ui/frame/MainView.h"
#include "ui/page/WardrobePage.h"
#include "ui/search/SearchBox.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/PageStack.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

using MainWindowTest = FrameTest;

QRect workArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

QMargins frameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                  frame.bottom() - client.bottom());
}

// Records the commands of a widget's actions as they are triggered.
class CommandLog {
 public:
  explicit CommandLog(const QWidget* owner) {
    for (QAction* action : owner->actions())
      QObject::connect(action, &QAction::triggered, [this, action] { commands.push_back(action->data().toInt()); });
  }
  std::vector<int> commands;
};

// A widget that takes the focus and records the keys that reach it.
class KeySink : public QWidget {
 public:
  explicit KeySink(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }
  std::vector<int> keys;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    // The modifier keys themselves do not count.
    if (event->key() != Qt::Key_Control && event->key() != Qt::Key_Shift) keys.push_back(event->key());
  }
};

TEST_F(MainWindowTest, PlacementFollowsTheRememberedRectangle) {
  const QRect work = workArea();
  struct Case {
    const char* what;
    Rect stored;
    bool debut;
    bool maximized;
    QRect expected;
  };
  // Centring puts the rectangle's centre on the work area's centre and then
  // keeps only what lies inside the work area with the window's frame.
  auto centred = [&work](int width, int height) {
    QWidget probe;
    probe.winId();
    const QRect inside = work.marginsRemoved(frameMargins(probe));
    const int left = (inside.left() + inside.left() + inside.width()) / 2 - width / 2;
    const int top = (inside.top() + inside.top() + inside.height()) / 2 - height / 2;
    return QRect(left, top, width, height) & inside;
  };
  const Case cases[] = {
      {"nothing stored", Rect{0, 0, 0, 0}, false, false, centred(920, 640)},
      {"first run", Rect{10, 10, 410, 310}, true, false, centred(400, 300)},
      {"stored", Rect{30, 40, 530, 440}, false, false, QRect(30, 40, 500, 400)},
      {"stored and maximised", Rect{30, 40, 530, 440}, false, true, QRect(30, 40, 500, 400)},
  };
  for (const Case& c : cases) {
    forgetSavedSettings();
    AppSettings::settings().frameRect = c.stored;
    AppSettings::settings().debut = c.debut;
    AppSettings::settings().maximized = c.maximized;
    auto frame = makeFrame();
    start(*frame);
    EXPECT_TRUE(frame->placementRestored());
    EXPECT_EQ(frame->isMaximized(), c.maximized) << c.what;
    // The window's own area takes the rectangle; a window manager's frame comes around it.
    const QRect window = c.maximized ? frame->normalGeometry() : frame->geometry();
    EXPECT_EQ(window, c.expected) << c.what;
    frame->close();
  }
}

TEST_F(MainWindowTest, AWindowStoredOffScreenComesBackCentred) {
  const QRect work = workArea();
  test::writeFile(settingsPath(),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
                  "<TavoroSettings version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/settings\">\n"
                  "<Options /><States>\n"
                  "<Application debut=\"0\" />\n"
                  "<MainFrame x=\"9000\" y=\"9000\" width=\"300\" height=\"200\" maximized=\"0\" />\n"
                  "</States><Info /></TavoroSettings>\n");
  auto frame = makeFrame();
  start(*frame);
  EXPECT_EQ(frame->geometry(),
            QRect(work.left() + (work.width() - 300) / 2, work.top() + (work.height() - 200) / 2, 300, 200));
}

TEST_F(MainWindowTest, ThePlacementIsRecordedAtExitAndSavedWithTheSettings) {
  AppSettings::settings().debut = false;
  AppSettings::settings().frameRect = {20, 30, 520, 430};
  {
    auto frame = makeFrame();
    start(*frame);
    frame->setGeometry(QRect(60, 70, 450, 350));
    QApplication::processEvents();
    frame->showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(frame->close());
    EXPECT_TRUE(AppSettings::settings().maximized);
    EXPECT_EQ(AppSettings::settings().frameRect, (Rect{60, 70, 510, 420}));
  }
  AppSettings reread;
  ASSERT_TRUE(reread.load(Rect{workArea().left(), workArea().top(), workArea().right() + 1, workArea().bottom() + 1}));
  EXPECT_TRUE(reread.maximized);
  EXPECT_EQ(reread.frameRect, (Rect{60, 70, 510, 420}));
  EXPECT_FALSE(reread.debut);
}

TEST_F(MainWindowTest, TheTitleNamesTheOpenWardrobe) {
  const std::wstring summer = writeWardrobeFile(L"Summer %1");
  auto frame = makeFrame();
  start(*frame);
  // Opened and closed through the session, without the event loop's help.
  ASSERT_TRUE(frame->lifecycle().openWardrobe(summer, false, true));
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavoro Wardrobe Manager - [Summer %1]"));
  frame->session().close();
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavoro Wardrobe Manager"));
}

TEST_F(MainWindowTest, WebAndHelpCommandsOpenTheirPages) {
  std::vector<QString> opened;
  AddressOpener previous = setAddressOpener([&opened](const QString& address) {
    opened.push_back(address);
    return true;
  });
  auto frame = makeFrame();
  for (int id : {kCmdTellAFriend, kCmdVisitWebsite, kCmdOnlineTutorials, kCmdDonate}) test::trigger(frame.get(), id);
  setAddressOpener(std::move(previous));
  EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral("http://www.tavoro.example/tell-a-friend.html"),
                                          QStringLiteral("http://www.tavoro.example"),
                                          QStringLiteral("http://www.tavoro.example/tutorials.html"),
                                          QStringLiteral("http://www.tavoro.example/donate.html")}));
}

// Receives the file addresses handed to the desktop.
class FileUrlLog : public QObject {
  Q_OBJECT
 public:
  FileUrlLog() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
  ~FileUrlLog() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
  std::vector<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls.push_back(url); }
};

TEST_F(MainWindowTest, HelpOpensTheGuideBesideTheProgramWhenThereIsOne) {
  FileUrlLog log;
  auto frame = makeFrame();
  test::trigger(frame.get(), kCmdHelpContents);
  EXPECT_TRUE(log.urls.empty());
  test::writeFile(m_dir / L"program/Help.html", "<html></html>");
  test::trigger(frame.get(), kCmdHelpContents);
  ASSERT_EQ(log.urls.size(), 1u);
  EXPECT_EQ(log.urls[0], QUrl::fromLocalFile(toQString(m_dir / L"program/Help.html")));
}

TEST_F(MainWindowTest, KeysReachTheirCommandsAndTextFieldsKeepTheClipboardKeys) {
  // A collection with a photo, shown: the item list's Paste and Refresh apply.
  std::wstring summer;
  {
    Wardrobe wardrobe(m_wardrobes + L"/Summer", L"Summer");
    Collection* shirts = wardrobe.collections().add(L"Shirts");
    test::writeFile(m_dir / L"shirt.jpg", test::jpegBytes(8, 8));
    ASSERT_NE(shirts->items().addFromPhotoFile(m_dir / L"shirt.jpg"), nullptr);
    wardrobe.collections().setHotId(shirts->id());
    ASSERT_TRUE(writeWardrobe(wardrobe));
    summer = wardrobe.wardrobeFilePath();
  }
  auto frame = makeFrame();
  start(*frame);
  QApplication::setActiveWindow(frame.get());
  ASSERT_TRUE(frame->lifecycle().openWardrobe(summer, false, true));
  WardrobePage* page = frame->clientView()->wardrobeView();
  // Something inside the item list pane takes the focus; the pane gets the commands.
  CommandLog log(page->itemList());
  auto* list = new KeySink(page->itemList());
  list->setGeometry(0, 0, 100, 100);
  list->show();
  auto* field = new QLineEdit(page);
  field->setGeometry(120, 40, 100, 20);
  field->show();

  // The item list with the focus: Ctrl+V and F5 become its commands, and
  // the frame's own keys never reach it.
  list->setFocus();
  QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(list, Qt::Key_Insert, Qt::ShiftModifier);
  QTest::keyClick(list, Qt::Key_F5);
  QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_EQ(log.commands, (std::vector<int>{kCmdListPaste, kCmdListPaste, kCmdListRefresh}));
  EXPECT_TRUE(list->keys.empty());

  // A text field gets the clipboard keys: copy and paste work in it.
  field->setText(QStringLiteral("red shirt"));
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("red shirt"));
  field->setCursorPosition(field->text().size());
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field->text(), QStringLiteral("red shirtred shirt"));
  QApplication::processEvents();
  EXPECT_EQ(log.commands.size(), 3u) << "the paste went to the field, not to the list";

  // F5 on the home page does nothing.
  frame->clientView()->selectTab(0);
  QTest::keyClick(frame.get(), Qt::Key_F5);
  QApplication::processEvents();
  EXPECT_EQ(log.commands.size(), 3u);

  // Ctrl+S saves.
  ASSERT_TRUE(removeFile(summer));
  QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(isFile(summer));
}

TEST_F(MainWindowTest, FindGoesToTheSearchBoxOnlyOnTheWardrobePage) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  auto frame = makeFrame();
  start(*frame);
  QApplication::setActiveWindow(frame.get());
  SearchBox* box = frame->clientView()->searchBox();
  ASSERT_EQ(frame->clientView()->header()->searchBox(), box);
  QLineEdit* field = box->edit();

  test::trigger(frame.get(), kCmdFind);
  EXPECT_FALSE(field->hasFocus()) << "no wardrobe open";
  ASSERT_TRUE(frame->lifecycle().openWardrobe(summer, false, true));
  EXPECT_TRUE(box->isVisible());
  auto* editor = new QLineEdit(frame->clientView()->wardrobeView());
  editor->setObjectName(QStringLiteral("InlineEditor"));
  editor->show();
  editor->setFocus();
  test::trigger(frame.get(), kCmdFind);
  EXPECT_TRUE(editor->hasFocus()) << "the cell editor keeps the focus";
  editor->setObjectName(QStringLiteral("other"));
  QTest::keyClick(editor, Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(field->hasFocus()) << "Find activates the box";
  EXPECT_TRUE(field->isVisible());

  frame->clientView()->selectTab(0);
  EXPECT_FALSE(box->isVisible()) << "the search box belongs to the wardrobe page";
}

TEST_F(MainWindowTest, TheCommandBarClosesTheWardrobeAfterItsClick) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  auto frame = makeFrame();
  start(*frame);
  ASSERT_TRUE(frame->lifecycle().openWardrobe(summer, false, true));
  m_boxes.addAnswer(kIdYes);
  test::trigger(frame.get(), kCmdCloseWardrobe);
  EXPECT_NE(frame->wardrobe(), nullptr) << "posted, not carried out at once";
  QApplication::processEvents();
  EXPECT_EQ(frame->wardrobe(), nullptr);
  ASSERT_EQ(m_boxes.count(), 1u);
  EXPECT_EQ(m_boxes.last().text, L"Are you sure you want to close current wardrobe \"Summer\"?");
}

TEST_F(MainWindowTest, AHandOverOpensItsPathUnlessAModalDialogIsOpen) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  auto frame = makeFrame();
  start(*frame);
  frame->showMinimized();

  QDialog modal(frame.get());
  QTimer::singleShot(0, &modal, [&] {
    frame->receiveHandover({summer});
    QTest::qWait(30);
    modal.reject();
  });
  modal.exec();
  QApplication::processEvents();
  EXPECT_EQ(frame->wardrobe(), nullptr) << "dropped while the dialog was open";

  frame->receiveHandover({summer, m_dir / L"second.twd"});
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame->wardrobe() != nullptr; }, 2000));
  EXPECT_FALSE(frame->isMinimized());
  EXPECT_EQ(frame->selectedTab(), 1);
  EXPECT_TRUE(m_boxes.records().empty());
}

TEST(PageStackTest, ShowsOnePageAtATimeAndLetsListenersRefuse) {
  QWidget window;
  window.resize(300, 200);
  PageStack stack(&window);
  stack.setGeometry(0, 0, 300, 200);
  auto* first = new QLineEdit;
  auto* second = new QWidget;
  auto* secondField = new QLineEdit(second);
  EXPECT_EQ(stack.addPage(first), 0);
  EXPECT_EQ(stack.addPage(second), 1);
  EXPECT_EQ(stack.currentIndex(), -1);
  window.show();
  QApplication::setActiveWindow(&window);

  std::vector<int> changed;
  bool refuse = false;
  QObject::connect(&stack, &PageStack::pageChanging, [&refuse](int, int, bool* no) { *no = refuse; });
  QObject::connect(&stack, &PageStack::pageChanged, [&changed](int index) { changed.push_back(index); });

  ASSERT_TRUE(stack.showPage(0));
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->geometry(), stack.rect());
  first->setFocus();
  ASSERT_TRUE(stack.showPage(1));
  EXPECT_FALSE(first->isVisible());
  EXPECT_TRUE(secondField->hasFocus()) << "the focus moves into the page shown";
  stack.resize(200, 100);
  EXPECT_EQ(second->size(), QSize(200, 100));

  refuse = true;
  EXPECT_FALSE(stack.showPage(0));
  EXPECT_EQ(stack.currentIndex(), 1);
  EXPECT_FALSE(stack.showPage(5));
  EXPECT_EQ(changed, (std::vector<int>{0, 1}));
}

TEST(HeaderLayoutTest, SearchBoxPlaceKeepsItsLimits) {
  struct Case {
    int tabRight;
    int width;
    QRect place;
  };
  const Case cases[] = {
      {150, 600, QRect(280, 10, 316, 22)},  // wide: at most 316, keeping the right edge
      {150, 400, QRect(170, 10, 226, 22)},  // from 20 past the tabs to 4 short of the edge
      {150, 250, QRect(170, 10, 100, 22)},  // narrow: at least 100, keeping the left edge
  };
  for (const Case& c : cases) EXPECT_EQ(searchBoxRect(c.tabRight, c.width), c.place) << c.width;
}

TEST_F(MainWindowTest, TheWardrobeTabAppearsWithAWardrobeAndCarriesItsName) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  auto frame = makeFrame();
  TabStrip* tabs = frame->clientView()->header()->tabs();
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("Home"));
  EXPECT_TRUE(tabs->isTabHidden(1));
  EXPECT_EQ(tabs->tabText(1), QStringLiteral("_Wardrobe_"));
  EXPECT_EQ(frame->clientView()->pages()->currentIndex(), 0);
  start(*frame);
  ASSERT_TRUE(frame->lifecycle().openWardrobe(summer, false, true));
  EXPECT_FALSE(tabs->isTabHidden(1));
  EXPECT_EQ(tabs->tabText(1), QStringLiteral("Summer"));
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_EQ(frame->clientView()->pages()->currentPage(), frame->clientView()->wardrobeView());
  // The header's search box place follows the tab strip.
  EXPECT_TRUE(frame->clientView()->header()->searchBoxShown());
  tabs->select(0);
  EXPECT_EQ(frame->selectedTab(), 0);
  EXPECT_FALSE(frame->clientView()->header()->searchBoxShown());
}

}  // namespace
}  // namespace tavoro::ui

#include "MainWindowTest.moc"

namespace tavoro::ui {
namespace {

TEST_F(MainWindowTest, UndoAndRedoTakeBackChangesFromTheKeysAndTheMenus) {
  std::wstring path;
  {
    Wardrobe wardrobe(m_wardrobes + L"/Summer", L"Summer");
    Collection* shirts = wardrobe.collections().add(L"Shirts");
    for (const wchar_t* name : {L"linen", L"oxford"}) {
      test::writeFile(m_dir / (std::wstring(name) + L".jpg"), test::jpegBytes(8, 8));
      ASSERT_NE(shirts->items().addFromPhotoFile(m_dir / (std::wstring(name) + L".jpg")), nullptr);
    }
    wardrobe.collections().setHotId(shirts->id());
    ASSERT_TRUE(writeWardrobe(wardrobe));
    path = wardrobe.wardrobeFilePath();
  }
  auto frame = makeFrame();
  start(*frame);
  QApplication::setActiveWindow(frame.get());
  ASSERT_TRUE(frame->lifecycle().openWardrobe(path, false, true));
  WardrobePage* page = frame->clientView()->wardrobeView();
  ItemListPane* list = page->itemList();
  QAction* undo = findCommandAction(frame.get(), kCmdUndo);
  QAction* redo = findCommandAction(frame.get(), kCmdRedo);
  ASSERT_TRUE(undo && redo);
  EXPECT_FALSE(undo->isEnabled()) << "nothing to undo yet";
  EXPECT_EQ(undo->text(), QStringLiteral("Undo"));

  // The second entry clicked and deleted; the list keeps the focus with an item selected.
  QAbstractItemView* view = list->currentView();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(list->model()->index(1, 0)).center());
  ASSERT_EQ(list->selectedCount(), 1);
  m_boxes.addAnswer(kIdYes);
  QTest::keyClick(view, Qt::Key_Delete);
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->entryCount() == 1; }, 5000));
  EXPECT_EQ(undo->text(), QStringLiteral("Undo Delete Item"));

  // The window's keys, pressed in the list (a view, not a text field).
  list->selection()->select(list->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  view->setFocus();
  QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
  ASSERT_EQ(list->entryCount(), 2);
  EXPECT_EQ(list->model()->itemAt(1)->name(), L"oxford") << "back in its place";
  EXPECT_EQ(list->selectedCount(), 1);
  EXPECT_EQ(list->selectedItem(), list->model()->itemAt(1)) << "and selected";
  EXPECT_EQ(redo->text(), QStringLiteral("Redo Delete Item"));
  QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(list->entryCount(), 1);
  QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(list->entryCount(), 1) << "nothing left to redo";

  // The wardrobe page's menus begin with Undo and Redo, named after the step.
  CollectionPane* collections = page->collectionPane();
  QString first;
  QTimer::singleShot(0, [&first] {
    auto* menu = test::findTopLevel<PopupMenu>(QStringLiteral("CatList_Context"));
    first = menu->actions().front()->text();
    menu->setActiveAction(menu->actions().front());
    QTest::keyClick(menu, Qt::Key_Return);
  });
  collections->showContextMenu(collections->rowRect(1).center(),
                               collections->viewport()->mapToGlobal(collections->rowRect(1).center()));
  EXPECT_EQ(first, QStringLiteral("Undo Delete Item"));
  QApplication::processEvents();
  EXPECT_EQ(list->entryCount(), 2) << "chosen from the menu";

  // Closing the wardrobe ends its history.
  frame->lifecycle().closeWardrobe();
  EXPECT_FALSE(undo->isEnabled());
}

}  // namespace
}  // namespace tavoro::ui
