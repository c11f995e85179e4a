// The program from the keyboard alone, as a person who cannot use a mouse
// uses it: a new wardrobe, a collection, photos, a tag and its value, a
// search and the viewer, each reached by Tab, Shift+F10 and the keys of its
// pane. No mouse event is sent.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "AccessibilityTestSupport.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/CommandIds.h"
#include "ui/common/QtText.h"
#include "ui/controls/CommandBar.h"
#include "ui/details/ItemDetailsPane.h"
#include "ui/dialogs/NewWardrobeDialog.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/items/ItemGridView.h"
#include "ui/items/ItemListPane.h"
#include "ui/items/PhotoFileDialog.h"
#include "ui/menus/PopupMenu.h"
#include "ui/page/WardrobePage.h"
#include "ui/search/SearchResultList.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/session/WardrobeSession.h"
#include "ui/tags/TagPane.h"
#include "ui/viewer/PhotoCanvas.h"
#include "ui/viewer/PhotoViewer.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {
namespace {

class KeyboardJourneyTest : public AccessibilityTest {
 protected:
  static QWidget* focus() { return QApplication::focusWidget(); }

  // A key as the keyboard delivers it: to the focused widget.
  static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    ASSERT_TRUE(focus()) << "nothing has the keyboard focus";
    QTest::keyClick(focus(), static_cast<Qt::Key>(key), modifiers);
  }
  static void type(const QString& text) {
    ASSERT_TRUE(focus());
    QTest::keyClicks(focus(), text);
  }
  // Tab until target has the focus; false when twenty presses do not reach it.
  static bool tabTo(const QWidget* target) {
    for (int i = 0; i < 20 && focus() != target; ++i) QTest::keyClick(focus(), Qt::Key_Tab);
    return focus() == target;
  }
  // Shift+F10 on the focused widget, then Down through its menu until the
  // command is the active entry, and Enter.
  void chooseFromMenu(int command) {
    bool chosen = false;
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (int i = 0; i < 20; ++i) {
        QTest::keyClick(menu, Qt::Key_Down);
        if (menu->activeAction() && menu->activeAction()->data().toInt() == command) {
          chosen = true;
          break;
        }
      }
      QTest::keyClick(menu, chosen ? Qt::Key_Return : Qt::Key_Escape);
    });
    press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(chosen) << "command " << command << " was not reached in the menu";
    activateMainWindow();
  }
  // The offscreen platform leaves no window active after a dialog or a menu
  // closes, where a desktop gives the main window back its activation.
  void activateMainWindow() {
    m_frame->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
  }
  WardrobePage* page() const { return m_frame->clientView()->wardrobeView(); }
};

TEST_F(KeyboardJourneyTest, ACollectionATagAndItsValueASearchAndTheViewerWithoutTheMouse) {
  const QStringList photos = {toQString(photo(L"boots.png", 1)), toQString(photo(L"sandals.png", 2))};
  const PhotoFilesResponder previous = setPhotoFilesResponder([&photos](const QStringList&) { return photos; });
  startWindow();

  // A new wardrobe: Ctrl+N, a name, Enter.
  onNextDialog<NewWardrobeDialog>([](NewWardrobeDialog& dialog) {
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("Closet"));
    press(Qt::Key_Return);
  });
  press(Qt::Key_N, Qt::ControlModifier);
  ASSERT_TRUE(m_frame->wardrobe());
  ASSERT_TRUE(m_frame->wardrobePageShown());
  activateMainWindow();

  // A collection from the collection pane's menu.
  CollectionPane* collections = page()->collectionPane();
  ASSERT_TRUE(tabTo(collections));
  chooseFromMenu(kCmdAddItem);
  type(QStringLiteral("Shoes"));
  press(Qt::Key_Return);
  Collection* shoes = m_frame->wardrobe()->collections().findByName(L"Shoes");
  ASSERT_TRUE(shoes);
  ASSERT_EQ(m_frame->session().currentCollection(), shoes);
  activateMainWindow();

  // Photos from the item list's menu; End and Home select the first item alone.
  ItemListPane* items = page()->itemList();
  ASSERT_TRUE(tabTo(items->currentView()));
  chooseFromMenu(kCmdAddPhotos);
  ASSERT_EQ(shoes->items().count(), 2u);
  activateMainWindow();
  ASSERT_TRUE(tabTo(items->currentView()));
  press(Qt::Key_End);  // the keys move the current item (the first already is)
  press(Qt::Key_Home);
  ASSERT_EQ(m_frame->session().listSelection().size(), 1u);
  Item* boots = m_frame->session().listSelection().front();

  // A tag from the tag pane's menu, then its value: Right to the values, Enter.
  TagPane* tags = page()->details()->tagPane();
  ASSERT_TRUE(tabTo(tags));
  chooseFromMenu(kCmdAddItem);
  type(QStringLiteral("Colour"));
  press(Qt::Key_Return);
  ASSERT_EQ(shoes->tags().count(), 1u);
  activateMainWindow();
  ASSERT_TRUE(tabTo(tags));
  press(Qt::Key_Down);
  press(Qt::Key_Right);
  press(Qt::Key_Return);
  type(QStringLiteral("red"));
  press(Qt::Key_Return);  // the value is taken and the editor moves on (to the same, only value)
  press(Qt::Key_Escape);
  EXPECT_EQ(boots->records().get(shoes->tags().tags().front()->id()), L"red");

  // A search: Ctrl+F, the text, Enter; one result.
  press(Qt::Key_F, Qt::ControlModifier);
  type(QStringLiteral("red"));
  press(Qt::Key_Return);
  ASSERT_TRUE(m_frame->session().searchShown());
  EXPECT_EQ(page()->searchResults()->list()->rowCount(), 1);

  // The command bar hides the results again: Right to its button, Enter.
  CommandBar* bar = page()->findChild<CommandBar*>(QStringLiteral("CommandBar"));
  ASSERT_TRUE(bar);
  ASSERT_TRUE(tabTo(bar));
  for (int i = 0; i < 8 && bar->buttons()[static_cast<size_t>(bar->focusButton())].id != kCmdHideSearchResults; ++i)
    press(Qt::Key_Right);
  press(Qt::Key_Return);
  EXPECT_FALSE(m_frame->session().searchShown());

  // The viewer: Enter on the item, and a screen reader hears which photo.
  ASSERT_TRUE(tabTo(items->currentView()));
  press(Qt::Key_Home);
  press(Qt::Key_Return);
  PhotoViewer* viewer = m_frame->viewer();
  ASSERT_TRUE(viewer->isOpen());
  QAccessibleInterface* photo = interfaceOf(viewer->imageView());
  ASSERT_TRUE(photo);
  EXPECT_EQ(photo->role(), QAccessible::Graphic);
  EXPECT_EQ(photo->text(QAccessible::Name), QStringLiteral("boots"));
  EXPECT_EQ(photo->text(QAccessible::Description), QStringLiteral("1 of 2"));
  press(Qt::Key_Right);
  EXPECT_EQ(photo->text(QAccessible::Name), QStringLiteral("sandals"));
  EXPECT_EQ(photo->text(QAccessible::Description), QStringLiteral("2 of 2"));
  press(Qt::Key_Escape);
  EXPECT_FALSE(viewer->isOpen());
  setPhotoFilesResponder(previous);
}

}  // namespace
}  // namespace tavoro::ui
