#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "FindWidget.h"
#include "TempDir.h"
#include "TestSession.h"
#include "TryWait.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/controls/InlineEditor.h"
#include "ui/menus/PopupMenu.h"
#include "ui/session/WardrobeSession.h"
#include "ui/tags/TagPane.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {
namespace {

constexpr int kRow = TagRow::kHeight;
constexpr int kNameX = 80;    // inside the name column
constexpr int kValueX = 250;  // inside the value column

// What the session said after a change made in the pane, as codes.
enum Event : int { kValuesChanged = 1, kTagAdded = 2, kTagsDeleted = 4, kTagRenamed = 8, kTagsReordered = 17 };

class TagPaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ts.open();
    WardrobeSession* session = &ts.session;
    QObject::connect(session, &WardrobeSession::valuesChanged, [this] { events.push_back(kValuesChanged); });
    QObject::connect(session, &WardrobeSession::tagAdded, [this] { events.push_back(kTagAdded); });
    QObject::connect(session, &WardrobeSession::tagsRemoved, [this] { events.push_back(kTagsDeleted); });
    QObject::connect(session, &WardrobeSession::tagRenamed, [this] { events.push_back(kTagRenamed); });
    QObject::connect(session, &WardrobeSession::tagsReordered, [this] { events.push_back(kTagsReordered); });
    pane.resize(400, 10 * kRow);
    pane.show();
    pane.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pane));
  }

  // A collection with these tags and one item bound to the pane; for a table,
  // each call starts afresh.
  Item* bindNew(const std::vector<std::wstring>& tags, const std::vector<std::wstring>& values = {}) {
    pane.unbind();
    Collection* collection = ts.wardrobe().collections().add(L"Shoes");
    for (const std::wstring& tag : tags) collection->tags().add(tag);
    Item* item = collection->items().add(L"Boot", 1);
    for (size_t i = 0; i < values.size(); ++i) item->records().set(collection->tags().at(i)->id(), values[i]);
    pane.bind(item, false);
    events.clear();
    return item;
  }
  TagList& tags() const { return pane.boundItem()->owner()->collection()->tags(); }
  std::wstring value(int tagIndex) const {
    return pane.boundItem()->records().get(tags().at(static_cast<size_t>(tagIndex))->id());
  }

  std::vector<std::wstring> rowNames() const {
    std::vector<std::wstring> names;
    for (int i = 0; i < pane.rowCount() - 1; ++i) names.push_back(pane.tagRow(i)->tag()->name());
    return names;
  }
  std::vector<std::wstring> modelNames() const {
    std::vector<std::wstring> names;
    for (const auto& tag : tags().tags()) names.push_back(tag->name());
    return names;
  }
  std::vector<int> eventCodes() const { return events; }

  QPoint at(int row, int x) const { return QPoint(x, pane.rowRect(row).center().y()); }
  void press(int row, int x) { QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, at(row, x)); }
  void doubleClickName(int row) { QTest::mouseDClick(pane.viewport(), Qt::LeftButton, {}, at(row, kNameX)); }
  // Replaces the open editor's text (all of it is selected when it opens) and ends with key.
  void type(InlineEditor* editor, const QString& text, Qt::Key key) {
    ASSERT_TRUE(editor->isVisible());
    editor->selectAll();
    if (text.isEmpty())
      QTest::keyClick(editor, Qt::Key_Delete);
    else
      QTest::keyClicks(editor, text);
    if (key != Qt::Key_unknown) QTest::keyClick(editor, key);
  }
  // The states of the commands in the menu opened over (row, x), as '1' and '0'.
  std::string menuStates(int row, int x, const char* menuName, const std::vector<int>& commands) {
    std::string states;
    QTimer::singleShot(0, [&] {
      auto* menu = test::findTopLevel<PopupMenu>(QString::fromLatin1(menuName));
      for (int id : commands) states += menu->commandAction(id)->isEnabled() ? '1' : '0';
      menu->close();
    });
    const QPoint where = row >= 0 ? at(row, x) : QPoint(x, 9 * kRow);
    pane.showContextMenu(where, pane.viewport()->mapToGlobal(where));
    return states;
  }

  test::TestSession ts;
  TagPane pane{ts.session};
  ScopedMessageResponder boxes;
  std::vector<int> events;
};

TEST_F(TagPaneTest, RowsAreMadeAgainOnlyForAnotherTagList) {
  Item* boot = bindNew({L"Colour", L"Size"}, {L"Red"});
  ASSERT_EQ(pane.rowCount(), 3);
  EXPECT_EQ(rowNames(), (std::vector<std::wstring>{L"Colour", L"Size"}));
  EXPECT_TRUE(pane.tagRow(2)->isPlaceholder());
  EXPECT_FALSE(pane.tagRow(2)->isSelectable());
  press(1, kNameX);
  const ListBoxRow* sizeRow = pane.row(1);

  // Another item of the same collection: the same rows, still selected.
  Item* shoe = boot->owner()->add(L"Shoe", 2);
  pane.bind(shoe, true);
  EXPECT_EQ(pane.row(1), sizeRow);
  EXPECT_EQ(pane.selectedRows(), std::vector<int>{1});
  EXPECT_TRUE(pane.isHighlighting());

  // An item of another collection: its own rows.
  Collection* hats = ts.wardrobe().collections().add(L"Hats");
  hats->tags().add(L"Brim");
  pane.bind(hats->items().add(L"Cap", 1), false);
  EXPECT_EQ(rowNames(), std::vector<std::wstring>{L"Brim"});
  EXPECT_EQ(pane.selectedCount(), 0);

  pane.unbind();
  EXPECT_EQ(pane.rowCount(), 0);
  EXPECT_EQ(pane.boundItem(), nullptr);
  EXPECT_FALSE(findCommandAction(&pane, kCmdAddItem)->isEnabled()) << "nothing bound: nothing to add to";
}

TEST_F(TagPaneTest, NamesFollowTheNameRules) {
  struct Case {
    const char* what;
    QString typed;
    Qt::Key end;
    std::wstring name;     // the first tag's name afterwards
    std::wstring message;  // the box shown, if any
    std::vector<int> events;
  };
  const Case cases[] = {
      {"its own name in other letter case", QStringLiteral("colour"), Qt::Key_Return, L"colour", L"", {8}},
      {"surrounding blanks go", QStringLiteral("  Shade  "), Qt::Key_Return, L"Shade", L"", {8}},
      {"the same name sends nothing", QStringLiteral("Colour"), Qt::Key_Return, L"Colour", L"", {}},
      {"empty changes nothing", QString(), Qt::Key_Return, L"Colour", L"", {}},
      {"Escape changes nothing", QStringLiteral("Shade"), Qt::Key_Escape, L"Colour", L"", {}},
      {"another tag's exact name is refused",
       QStringLiteral("Size"),
       Qt::Key_Return,
       L"Colour",
       L"Tag \"Size\" already exists. Please try another name.",
       {}},
      {"another tag's name in other case is allowed", QStringLiteral("SIZE"), Qt::Key_Return, L"SIZE", L"", {8}},
  };
  for (const Case& c : cases) {
    bindNew({L"Colour", L"Size"});
    const size_t boxesBefore = boxes.count();
    doubleClickName(0);
    ASSERT_EQ(pane.editedRow(), 0) << c.what;
    EXPECT_EQ(pane.nameEditor()->text(), QStringLiteral("Colour"));
    type(pane.nameEditor(), c.typed, c.end);
    if (!c.message.empty()) {
      ASSERT_EQ(boxes.count(), boxesBefore + 1) << c.what;
      EXPECT_EQ(boxes.last().text, c.message);
      EXPECT_EQ(boxes.last().caption, L"Tavoro Wardrobe Manager");
      EXPECT_EQ(boxes.last().icon, QMessageBox::Information);
      EXPECT_TRUE(pane.nameEditor()->isVisible()) << c.what << ": the editor stays open";
      EXPECT_EQ(pane.nameEditor()->selectedText(), c.typed) << c.what;
      QTest::keyClick(pane.nameEditor(), Qt::Key_Escape);
    } else {
      EXPECT_EQ(boxes.count(), boxesBefore) << c.what;
    }
    EXPECT_FALSE(pane.nameEditor()->isVisible()) << c.what;
    EXPECT_EQ(tags().at(0)->name(), c.name) << c.what;
    EXPECT_EQ(eventCodes(), c.events) << c.what;
  }
}

TEST_F(TagPaneTest, ValuesAreStoredOnEnterOrByLeavingButNotOnEscape) {
  struct Case {
    const char* what;
    QString typed;
    Qt::Key end;  // Key_unknown: a click on the other tag's name
    std::wstring value;
    std::vector<int> events;
  };
  const Case cases[] = {
      {"Enter stores", QStringLiteral("Blue"), Qt::Key_Return, L"Blue", {1}},
      {"blanks around go", QStringLiteral("  Blue "), Qt::Key_Return, L"Blue", {1}},
      {"a click elsewhere stores", QStringLiteral("Blue"), Qt::Key_unknown, L"Blue", {1}},
      {"Escape keeps the value", QStringLiteral("Blue"), Qt::Key_Escape, L"Red", {}},
      {"the same value sends nothing", QStringLiteral("Red"), Qt::Key_Return, L"Red", {}},
      {"empty text empties it", QString(), Qt::Key_Return, L"", {1}},
  };
  for (const Case& c : cases) {
    bindNew({L"Colour", L"Size"}, {L"Red"});
    press(0, kValueX);  // one press on a value opens its editor
    ASSERT_EQ(pane.editedRow(), 0) << c.what;
    EXPECT_TRUE(pane.valueEditor()->isVisible());
    EXPECT_EQ(pane.valueEditor()->text(), QStringLiteral("Red"));
    EXPECT_EQ(pane.selectedRows(), std::vector<int>{0});
    type(pane.valueEditor(), c.typed, c.end);
    if (c.end == Qt::Key_unknown) press(1, kNameX);
    EXPECT_EQ(value(0), c.value) << c.what;
    EXPECT_EQ(eventCodes(), c.events) << c.what;
  }
}

TEST_F(TagPaneTest, EnterStepsThroughTheValuesInACycle) {
  bindNew({L"Colour", L"Size", L"Season"});
  press(1, kValueX);
  type(pane.valueEditor(), QStringLiteral("42"), Qt::Key_Return);
  TRY_COMPARE(pane.editedRow(), 2);
  EXPECT_TRUE(pane.valueEditor()->hasFocus());
  type(pane.valueEditor(), QStringLiteral("Winter"), Qt::Key_Return);
  TRY_COMPARE(pane.editedRow(), 0);  // from the last tag to the first
  EXPECT_EQ(pane.selectedRows(), std::vector<int>{0});
  QTest::keyClick(pane.valueEditor(), Qt::Key_Escape);
  EXPECT_EQ(value(1), L"42");
  EXPECT_EQ(value(2), L"Winter");
  EXPECT_EQ(value(0), L"");

  // With one tag there is nowhere to go.
  bindNew({L"Colour"});
  press(0, kValueX);
  type(pane.valueEditor(), QStringLiteral("Red"), Qt::Key_Return);
  QTest::qWait(0);
  EXPECT_EQ(pane.editedRow(), -1);
}

TEST_F(TagPaneTest, ThePlaceholderRowAddsATag) {
  bindNew({L"Colour"});
  doubleClickName(1);
  ASSERT_EQ(pane.editedRow(), 1);
  EXPECT_EQ(pane.nameEditor()->text(), QStringLiteral("New Tag 2"));
  type(pane.nameEditor(), QStringLiteral("Size"), Qt::Key_Return);
  EXPECT_EQ(rowNames(), (std::vector<std::wstring>{L"Colour", L"Size"}));
  EXPECT_EQ(modelNames(), rowNames());
  EXPECT_EQ(tags().at(1)->id(), 1002);
  EXPECT_EQ(pane.selectedRows(), std::vector<int>{1});
  EXPECT_TRUE(pane.tagRow(2)->isPlaceholder());
  EXPECT_EQ(eventCodes(), std::vector<int>{2});

  // "Add a Tag..." opens the same editor; a clash is refused, Escape adds nothing.
  test::trigger(&pane, kCmdAddItem);
  ASSERT_EQ(pane.editedRow(), 2);
  type(pane.nameEditor(), QStringLiteral("Size"), Qt::Key_Return);
  EXPECT_EQ(boxes.last().text, L"Tag \"Size\" already exists. Please try another name.");
  QTest::keyClick(pane.nameEditor(), Qt::Key_Escape);
  EXPECT_EQ(tags().count(), 2u);
}

TEST_F(TagPaneTest, ContextMenusEnableWhatAppliesToTheRowClicked) {
  const std::vector<int> tagCommands = {
      kCmdAddItem, kCmdDelete,   kCmdRename,       kCmdDeleteAllTags,     kCmdMoveToTop,
      kCmdMoveUp,  kCmdMoveDown, kCmdMoveToBottom, kCmdSortTagsAscending, kCmdSortTagsDescending};
  const std::vector<int> valueCommands = {kCmdEditValue, kCmdClearValue, kCmdClearAllValues};
  const auto names = [&](int row) { return menuStates(row, kNameX, "TagList_Tag_Context", tagCommands); };
  const auto values = [&](int row) { return menuStates(row, kValueX, "TagList_Value_Context", valueCommands); };

  //                       add del ren all top up down bot asc desc
  bindNew({L"A", L"B", L"C"}, {L"", L"x"});
  EXPECT_EQ(names(-1), "1001000011") << "no row";
  EXPECT_EQ(names(0), "1111001111") << "the first tag";
  EXPECT_EQ(names(1), "1111111111") << "a middle tag";
  EXPECT_EQ(names(2), "1111110011") << "the last tag";
  EXPECT_EQ(names(3), "1001000011") << "the placeholder";
  //                        edit clear all
  EXPECT_EQ(values(0), "101") << "a tag without value";
  EXPECT_EQ(values(1), "111") << "a tag with a value";
  EXPECT_EQ(values(3), "001") << "the placeholder";
  bindNew({L"A"});
  EXPECT_EQ(names(0), "1111000000") << "one tag: Delete All Tags, no moves, no sorting";
  EXPECT_EQ(values(0), "100") << "no values at all";
  bindNew({});
  EXPECT_EQ(names(0), "1000000000") << "no tags";

  // A command chosen from the menu is carried out on the selected row.
  bindNew({L"A", L"B"}, {L"x", L"y"});
  press(1, kNameX);
  QTimer::singleShot(0, [] {
    auto* menu = test::findTopLevel<PopupMenu>(QStringLiteral("TagList_Value_Context"));
    menu->setActiveAction(menu->commandAction(kCmdClearValue));
    QTest::keyClick(menu, Qt::Key_Return);
  });
  pane.showContextMenu(at(1, kValueX), pane.viewport()->mapToGlobal(at(1, kValueX)));
  EXPECT_EQ(value(0), L"x");
  EXPECT_EQ(value(1), L"");
  EXPECT_EQ(eventCodes(), std::vector<int>{1});
}

TEST_F(TagPaneTest, DeletingATagAsksAndKeepsItsValuesUnsaved) {
  Item* boot = bindNew({L"Colour", L"Size"}, {L"Red", L"42"});
  const int32_t colourId = tags().at(0)->id();
  press(0, kNameX);
  QTest::keyClick(&pane, Qt::Key_Delete);  // No, the default
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text,
            L"Are you sure you want to delete tag \"Colour\"?\n\nNote: all values for this tag in current wardrobe "
            L"will be lost.");
  EXPECT_EQ(boxes.last().caption, L"Confirm Tag Delete");
  EXPECT_EQ(boxes.last().defaultButton, kIdNo);
  EXPECT_EQ(modelNames(), (std::vector<std::wstring>{L"Colour", L"Size"}));

  boxes.addAnswer(kIdYes);
  test::trigger(&pane, kCmdDelete);
  EXPECT_EQ(modelNames(), std::vector<std::wstring>{L"Size"});
  EXPECT_EQ(rowNames(), modelNames());
  EXPECT_EQ(eventCodes(), std::vector<int>{4});
  // The value stays in the record, where nothing shows, finds or saves it.
  EXPECT_EQ(boot->records().get(colourId), L"Red");
  EXPECT_FALSE(boot->records().find(colourId)->isStorable());

  // "Clear All" takes such values too.
  test::trigger(&pane, kCmdClearAllValues);
  EXPECT_EQ(boot->records().count(), 0u);
  EXPECT_EQ(eventCodes(), (std::vector<int>{4, 1}));
}

TEST_F(TagPaneTest, DeletingAllTagsClearsEveryItemsValuesAndNewTagsTakeFreshIds) {
  Item* boot = bindNew({L"Colour", L"Size"}, {L"Red", L"42"});
  Item* shoe = boot->owner()->add(L"Shoe", 2);
  shoe->records().set(tags().at(1)->id(), L"40");
  boxes.addAnswer(kIdYes);
  test::trigger(&pane, kCmdDeleteAllTags);
  EXPECT_EQ(boxes.last().text,
            L"Are you sure you want to delete all existing tags?\n\nNote: values for all tags in current wardrobe will "
            L"be lost.");
  EXPECT_EQ(boxes.last().caption, L"Confirm Delete All Tags");
  EXPECT_EQ(tags().count(), 0u);
  EXPECT_EQ(pane.rowCount(), 1);
  EXPECT_EQ(boot->records().count(), 0u);
  EXPECT_EQ(shoe->records().count(), 0u);
  EXPECT_EQ(eventCodes(), std::vector<int>{4});

  test::trigger(&pane, kCmdAddItem);
  type(pane.nameEditor(), QStringLiteral("Colour"), Qt::Key_Return);
  EXPECT_EQ(tags().at(0)->id(), 1003) << "ids of deleted tags are never given out again";
}

TEST_F(TagPaneTest, MovesDragsAndSortsReorderTheRowsAndTheModel) {
  struct Case {
    const char* what;
    int row;
    int command;  // 0: drag to dropY instead
    int dropY;
    std::vector<std::wstring> names;
    std::vector<int> events;
  };
  const Case cases[] = {
      {"to the top", 2, kCmdMoveToTop, 0, {L"C", L"A", L"B", L"D"}, {17}},
      {"up", 2, kCmdMoveUp, 0, {L"A", L"C", L"B", L"D"}, {17}},
      {"down", 1, kCmdMoveDown, 0, {L"A", L"C", L"B", L"D"}, {17}},
      {"to the bottom", 0, kCmdMoveToBottom, 0, {L"B", L"C", L"D", L"A"}, {17}},
      {"the first up: nothing", 0, kCmdMoveUp, 0, {L"A", L"B", L"C", L"D"}, {}},
      {"the last down: nothing", 3, kCmdMoveDown, 0, {L"A", L"B", L"C", L"D"}, {}},
      {"dragged above the first row", 2, 0, 2, {L"C", L"A", L"B", L"D"}, {17}},
      {"dragged to a row's lower half", 0, 0, 2 * kRow + 22, {L"B", L"C", L"A", L"D"}, {17}},
      {"dragged onto the placeholder", 1, 0, 4 * kRow + 10, {L"A", L"C", L"D", L"B"}, {17}},
      {"dragged onto itself", 1, 0, kRow + 10, {L"A", L"B", L"C", L"D"}, {}},
      {"ascending, in order already: no change", 0, kCmdSortTagsAscending, 0, {L"A", L"B", L"C", L"D"}, {}},
      {"descending", 0, kCmdSortTagsDescending, 0, {L"D", L"C", L"B", L"A"}, {17}},
  };
  for (const Case& c : cases) {
    bindNew({L"A", L"B", L"C", L"D"});
    if (c.command) {
      press(c.row, kNameX);
      triggerCommand(&pane, c.command);  // disabled where nothing would move
    } else {
      const QPoint from(kNameX, c.row * kRow + 14);
      const QPoint to(kNameX, c.dropY);
      QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, from);
      QTest::mouseMove(pane.viewport(), from + QPoint(0, 3));
      QTest::mouseMove(pane.viewport(), to);
      QTest::mouseRelease(pane.viewport(), Qt::LeftButton, {}, to);
    }
    EXPECT_EQ(rowNames(), c.names) << c.what;
    EXPECT_EQ(modelNames(), c.names) << c.what;
    EXPECT_EQ(eventCodes(), c.events) << c.what;
  }
  // Names compare by UTF-16 code units: capitals first, then small letters,
  // then characters beyond U+FFFF before the rest of the BMP's top.
  bindNew({L"apple", L"\uFF21pple", L"Banana", L"\U0001F600", L"Apple"});
  test::trigger(&pane, kCmdSortTagsAscending);
  EXPECT_EQ(modelNames(), (std::vector<std::wstring>{L"Apple", L"Banana", L"apple", L"\U0001F600", L"\uFF21pple"}));
  EXPECT_EQ(rowNames(), modelNames());
}

TEST_F(TagPaneTest, TheHintFadesInWhenTheMouseMovesAndGoesAtAPress) {
  bindNew({L"Colour"});
  QTest::mouseMove(pane.viewport(), at(0, kValueX));
  EXPECT_TRUE(pane.hintTimerRunning());
  // Real timers: 8 ticks of 100 ms to full strength; the margin is wide.
  TRY_COMPARE_WITH_TIMEOUT(pane.hintFader().alpha(), 255, 10000);
  press(0, kNameX);
  EXPECT_EQ(pane.hintFader().alpha(), 0);
  EXPECT_FALSE(pane.hintTimerRunning());
  // The mouse is still inside: no new fade until it has left.
  QTest::mouseMove(pane.viewport(), at(0, kValueX + 5));
  EXPECT_FALSE(pane.hintTimerRunning());
}

TEST(HintFaderTest, FadesInHoldsAndFadesOutInTicks) {
  HintFader fader;
  EXPECT_EQ(fader.mouseMoved(), 100);
  EXPECT_EQ(fader.mouseMoved(), 0) << "already running";
  struct Step {
    int interval;  // what the tick asks for next
    int alpha;
  };
  const Step steps[] = {
      {100, 32},  {100, 64},  {100, 96},  {100, 128}, {100, 160}, {100, 192}, {100, 224}, {800, 255},  // in, then hold
      {100, 255}, {100, 223}, {100, 191}, {100, 159}, {100, 127}, {100, 95},  {100, 63},  {100, 31},  {0, 0},
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    EXPECT_EQ(fader.tick(true), steps[i].interval) << "tick " << i;
    EXPECT_EQ(fader.alpha(), steps[i].alpha) << "tick " << i;
  }
  EXPECT_EQ(fader.phase(), HintFader::Phase::kSpent);
  EXPECT_EQ(fader.mouseMoved(), 0) << "once per visit";
  fader.mouseLeft();
  EXPECT_EQ(fader.mouseMoved(), 100) << "a new visit fades in again";

  // A press ends it at once; a fade that ends with the mouse outside leaves it ready.
  fader.tick(true);
  fader.mousePressed();
  EXPECT_EQ(fader.alpha(), 0);
  EXPECT_FALSE(fader.timerRunning());
  fader.mouseLeft();
  fader.mouseMoved();
  fader.mouseLeft();  // while running: ready only once the fade has ended
  EXPECT_EQ(fader.phase(), HintFader::Phase::kFadingIn);
  while (fader.tick(false) > 0) {
  }
  EXPECT_EQ(fader.phase(), HintFader::Phase::kIdle);
}

}  // namespace
}  // namespace tavoro::ui
