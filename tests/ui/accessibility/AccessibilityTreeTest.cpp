// What a screen reader finds in the window: every visible object one can act
// on has a role and a name, the program's own controls have the roles of what
// they are, and moving in a list by keys is announced.
#include <gtest/gtest.h>

#include <QMetaEnum>
#include <QTest>

#include "AccessibilityTestSupport.h"
#include "FindWidget.h"
#include "ui/collections/CollectionPane.h"
#include "ui/combinations/CombinationListView.h"
#include "ui/combinations/CombinationsView.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"
#include "ui/page/WardrobePage.h"

namespace tavoro::ui {
namespace {

bool isInteractive(const QAccessibleInterface& object) {
  switch (object.role()) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::Link:
    case QAccessible::ListItem:
    case QAccessible::PageTab:
    case QAccessible::EditableText:
    case QAccessible::MenuItem:
    case QAccessible::Cell:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
      return true;
    default:
      return object.state().focusable;
  }
}

// "MainWindow > ... > List "Collections"": where an object is, for the failure.
QString describe(const QAccessibleInterface& object, const QString& path) {
  return path + QStringLiteral(" > ") + QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(object.role())) + QStringLiteral(" \"") +
         object.text(QAccessible::Name) + QLatin1Char('"');
}

// Every visible interactive object under root without a role or a name.
void collectUnnamed(QAccessibleInterface* root, const QString& path, QStringList& unnamed, int depth = 0) {
  ASSERT_LT(depth, 40) << "the tree loops at " << path.toStdString();
  for (int i = 0; i < root->childCount(); ++i) {
    QAccessibleInterface* child = root->child(i);
    if (!child || !child->isValid()) continue;
    const QAccessible::State state = child->state();
    if (state.invisible || state.offscreen) continue;
    const QString where = describe(*child, path);
    if (isInteractive(*child) && (child->role() == QAccessible::NoRole || child->text(QAccessible::Name).trimmed().isEmpty()))
      unnamed << where;
    collectUnnamed(child, where, unnamed, depth + 1);
  }
}

TEST_F(AccessibilityTest, EveryVisibleControlOnTheHomeAndWardrobePagesHasARoleAndAName) {
  startWindow();
  QStringList unnamed;
  collectUnnamed(interfaceOf(m_frame.get()), QStringLiteral("home"), unnamed);
  openCloset();
  collectUnnamed(interfaceOf(m_frame.get()), QStringLiteral("wardrobe"), unnamed);
  // The combinations view, one combination chosen and its items shown.
  const auto& shoes = m_frame->wardrobe()->collections().findByName(L"Shoes")->items().items();
  Combination* evening = m_frame->session().addCombination(L"Evening", {shoes[0].get(), shoes[1].get()});
  ASSERT_TRUE(evening);
  WardrobePage* page = m_frame->clientView()->wardrobeView();
  page->showCombinations(true);
  page->combinations()->list()->choose(evening);
  collectUnnamed(interfaceOf(m_frame.get()), QStringLiteral("combinations"), unnamed);
  QAccessibleInterface* list = find(interfaceOf(m_frame.get()), QAccessible::List, QStringLiteral("Combinations"));
  ASSERT_TRUE(list);
  QAccessibleInterface* row = find(list, QAccessible::ListItem, QStringLiteral("Evening"));
  ASSERT_TRUE(row);
  EXPECT_EQ(row->text(QAccessible::Description), QStringLiteral("2 items \u00b7 Never worn"));
  QAccessibleInterface* items = find(interfaceOf(m_frame.get()), QAccessible::List, QStringLiteral("Items of the combination"));
  ASSERT_TRUE(items);
  EXPECT_TRUE(find(items, QAccessible::ListItem, QStringLiteral("sandals")));
  // The insights view, every figure shown.
  page->showInsights(true);
  collectUnnamed(interfaceOf(m_frame.get()), QStringLiteral("insights"), unnamed);
  EXPECT_TRUE(unnamed.isEmpty()) << "without a name or role:\n  " << unnamed.join(QStringLiteral("\n  ")).toStdString();
}

TEST_F(AccessibilityTest, TheProgramsOwnControlsSayWhatTheyAreAndWhatTheyShow) {
  startWindow();
  QAccessibleInterface* window = interfaceOf(m_frame.get());
  // The home page: its links and picture buttons.
  for (const char* link : {"Help and Support", "Tavoro Website", "Contact Us", "Tell a Friend", "About Tavoro"})
    EXPECT_TRUE(find(window, QAccessible::Link, QString::fromLatin1(link))) << link;
  QAccessibleInterface* create = find(window, QAccessible::Button, QStringLiteral("Create a New Wardrobe"));
  ASSERT_TRUE(create);
  EXPECT_EQ(create->text(QAccessible::Description), QStringLiteral("Start a catalogue of your clothes"));

  openCloset();
  window = interfaceOf(m_frame.get());
  QAccessibleInterface* tabs = find(window, QAccessible::PageTabList, QStringLiteral("Pages"));
  ASSERT_TRUE(tabs);
  ASSERT_EQ(tabs->childCount(), 2);
  EXPECT_EQ(tabs->child(1)->role(), QAccessible::PageTab);
  EXPECT_EQ(tabs->child(1)->text(QAccessible::Name), QStringLiteral("Closet"));
  EXPECT_TRUE(tabs->child(1)->state().selected);

  QAccessibleInterface* collections = find(window, QAccessible::List, QStringLiteral("Collections"));
  ASSERT_TRUE(collections);
  QAccessibleInterface* shoes = find(collections, QAccessible::ListItem, QStringLiteral("Shoes"));
  ASSERT_TRUE(shoes);
  EXPECT_EQ(shoes->text(QAccessible::Description), QStringLiteral("2 items"));
  EXPECT_TRUE(shoes->state().selected);

  QAccessibleInterface* bar = find(window, QAccessible::ToolBar, QStringLiteral("Commands"));
  ASSERT_TRUE(bar);
  QAccessibleInterface* close = find(bar, QAccessible::Button, QStringLiteral("Close Wardrobe"));
  ASSERT_TRUE(close);
  EXPECT_FALSE(close->state().disabled);
  QAccessibleInterface* hide = find(bar, QAccessible::Button, QStringLiteral("Hide Search Results"));
  ASSERT_TRUE(hide);
  EXPECT_TRUE(hide->state().disabled);
  // Pressing the button through the screen reader carries out its command.
  ASSERT_TRUE(close->actionInterface());
  EXPECT_TRUE(close->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

  QAccessibleInterface* search = find(window, QAccessible::EditableText, QStringLiteral("Search"));
  ASSERT_TRUE(search);
  EXPECT_EQ(search->text(QAccessible::Description), QStringLiteral("Search Shoes"));

  // The item list's cells by the items' names; one selected item shows its tags.
  QAccessibleInterface* items = find(window, QAccessible::List, QStringLiteral("Items"));
  ASSERT_TRUE(items);
  EXPECT_TRUE(find(items, QAccessible::ListItem, QStringLiteral("boots")));
  m_frame->session().setListSelection({m_frame->wardrobe()->collections().findByName(L"Shoes")->items().items()[0].get()});
  QAccessibleInterface* tags = find(window, QAccessible::List, QStringLiteral("Tags"));
  ASSERT_TRUE(tags);
  QAccessibleInterface* colour = find(tags, QAccessible::ListItem, QStringLiteral("Colour"));
  ASSERT_TRUE(colour);
  EXPECT_EQ(colour->text(QAccessible::Description), QStringLiteral("red"));
}

TEST_F(AccessibilityTest, MovingInAListByKeysIsAnnounced) {
  startWindow();
  openCloset();
  auto* pane = m_frame->clientView()->wardrobeView()->collectionPane();
  pane->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([pane] { return pane->hasFocus(); }, 2000));
  QAccessibleInterface* list = interfaceOf(pane);
  ASSERT_TRUE(list);
  announced().clear();
  QTest::keyClick(pane, Qt::Key_Up);  // from "Shoes" (row 1) to "All Collections"
  bool focus = false;
  bool selection = false;
  for (const Announced& event : announced()) {
    focus = focus || (event.type == QAccessible::Focus && event.object == pane && event.child == 0);
    selection = selection || (event.type == QAccessible::SelectionWithin && event.object == pane);
  }
  EXPECT_TRUE(focus);
  EXPECT_TRUE(selection);
  EXPECT_EQ(list->focusChild()->text(QAccessible::Name), QStringLiteral("All Collections"));
  EXPECT_TRUE(list->focusChild()->state().focused);
}

}  // namespace
}  // namespace tavoro::ui
