#include <gtest/gtest.h>

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <map>

#include "FindWidget.h"
#include "PhotoFactory.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "TestSession.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "ui/collections/CollectionPane.h"
#include "ui/collections/CollectionRow.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/controls/InlineEditor.h"
#include "ui/menus/PopupMenu.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {
namespace {

constexpr int kRow = CollectionRow::kHeight;

class CollectionPaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pane.resize(240, 12 * kRow);
    pane.show();
    pane.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pane));
  }

  // Closes the wardrobe (the pane empties) and starts another, for the next case of a table.
  void reset() { ts.reset(); }
  // Opens a wardrobe of these collections, chosen with hotId as when it was saved.
  void attach(const std::vector<std::wstring>& names, int32_t hotId = 0) {
    for (const std::wstring& name : names) ts.wardrobe().collections().add(name);
    ts.wardrobe().collections().setHotId(hotId);
    ts.open();
    selected.clear();
  }
  Collection* collection(int index) { return ts.wardrobe().collections().at(static_cast<size_t>(index)); }
  void addPhotos(Collection* target, int count) {
    for (int i = 0; i < count; ++i) {
      const std::wstring file = ts.dir() / (L"photo" + std::to_wstring(i) + L".jpg");
      test::writeFile(file, test::jpegBytes(8, 8, i));
      ASSERT_NE(target->items().addFromPhotoFile(file), nullptr);
    }
  }

  // Names as the rows show them (real collections only), and as the model holds them.
  std::vector<std::wstring> rowNames() const {
    std::vector<std::wstring> names;
    for (int i = 1; i < pane.rowCount() - 1; ++i) names.push_back(pane.collectionRow(i)->collection()->name());
    return names;
  }
  std::vector<std::wstring> modelNames() const {
    std::vector<std::wstring> names;
    for (const auto& c : ts.session.wardrobe()->collections().collections()) names.push_back(c->name());
    return names;
  }
  std::wstring selectedName() const {
    const Collection* c = pane.selectedCollection();
    return c ? c->name() : L"(none)";
  }

  QPoint centreOf(int row) const { return pane.rowRect(row).center(); }
  void click(int row) { QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, centreOf(row)); }
  void doubleClick(int row) { QTest::mouseDClick(pane.viewport(), Qt::LeftButton, {}, centreOf(row)); }
  // Replaces the editor's text (all of it is selected when it opens) and ends with the key.
  void typeAndEnd(const QString& text, Qt::Key key = Qt::Key_Return) {
    InlineEditor* editor = pane.editor();
    EXPECT_TRUE(editor->isVisible());
    editor->selectAll();
    if (text.isEmpty())
      QTest::keyClick(editor, Qt::Key_Delete);
    else
      QTest::keyClicks(editor, text);
    if (key != Qt::Key_unknown) QTest::keyClick(editor, key);
  }
  void dragRow(QPoint from, QPoint to) {
    QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(pane.viewport(), from + QPoint(0, 3));
    QTest::mouseMove(pane.viewport(), to);
    QTest::mouseRelease(pane.viewport(), Qt::LeftButton, {}, to);
  }

  test::TestSession ts;
  CollectionPane pane{ts.session};
  ScopedMessageResponder boxes;
  QSignalSpy selected{&ts.session, &WardrobeSession::currentCollectionChanged};
  QSignalSpy renamed{&ts.session, &WardrobeSession::collectionRenamed};
};

TEST_F(CollectionPaneTest, FillingSelectsTheRememberedCollection) {
  struct Case {
    int32_t hotId;
    int row;
  };
  // hotId names a collection by its position here (ids grow from case to case).
  for (const Case& c : {Case{0, 0}, Case{2, 2}, Case{3, 3}, Case{99, 0}}) {
    reset();
    const int32_t firstId = ts.wardrobe().collections().nextId();
    attach({L"Shoes", L"Hats", L"Coats"}, c.hotId == 0 || c.hotId == 99 ? c.hotId : firstId + c.hotId - 1);
    EXPECT_EQ(pane.rowCount(), 5);
    EXPECT_EQ(pane.selectedRows(), std::vector<int>{c.row}) << "hotId " << c.hotId;
    EXPECT_TRUE(pane.collectionRow(0)->isAllCollections());
    EXPECT_TRUE(pane.collectionRow(4)->isPlaceholder());
    EXPECT_FALSE(pane.collectionRow(4)->isSelectable());
  }
  ts.session.close();
  EXPECT_EQ(pane.rowCount(), 0);
  EXPECT_EQ(pane.selectedCollection(), nullptr);
}

TEST_F(CollectionPaneTest, FillingBeforeTheLayoutScrollsOnlyAsFarAsTheSelectedRowNeeds) {
  std::vector<std::wstring> names;
  for (int i = 0; i < 20; ++i) names.push_back(L"C" + std::to_wstring(i));
  struct Case {
    int chosen;  // the position of the remembered collection
    int firstShown;
  };
  // Five rows fit; row 0 is "All Collections".
  for (const Case& c : {Case{0, 0}, Case{3, 0}, Case{15, 12}}) {
    reset();
    pane.resize(240, 0);  // as a hidden page has it before its layout
    const int32_t firstId = ts.wardrobe().collections().nextId();
    attach(names, firstId + c.chosen);
    pane.resize(240, 5 * kRow + 2 * pane.frameWidth());
    EXPECT_EQ(pane.selectedRows(), std::vector<int>{c.chosen + 1});
    EXPECT_EQ(pane.verticalScrollBar()->value(), c.firstShown * kRow) << "collection " << c.chosen;
  }
}

TEST_F(CollectionPaneTest, ClicksChooseTheSessionsCollection) {
  attach({L"Shoes", L"Hats"});
  click(2);
  EXPECT_EQ(selectedName(), L"Hats");
  EXPECT_EQ(selected.count(), 1);
  EXPECT_EQ(ts.session.currentCollection(), collection(1));
  click(2);  // the same row again: the selection stays
  EXPECT_EQ(selected.count(), 1);
  click(3);  // the placeholder is never selected
  EXPECT_EQ(selectedName(), L"Hats");
  QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, QPoint(10, 11 * kRow));  // below the rows
  EXPECT_EQ(pane.selectedCollection(), nullptr);
  EXPECT_EQ(selected.count(), 1) << "no change without a selected row";
  EXPECT_EQ(ts.session.currentCollection(), collection(1));
  doubleClick(0);  // "All Collections" cannot be edited
  EXPECT_FALSE(pane.editor()->isVisible());
}

TEST_F(CollectionPaneTest, RenamingFollowsTheNameRules) {
  struct Case {
    const char* what;
    QString typed;
    Qt::Key end;
    std::wstring name;     // the first collection's name afterwards
    std::wstring message;  // the box shown, if any
    bool renamedEvent;
  };
  const Case cases[] = {
      {"other letter case", QStringLiteral("shoes"), Qt::Key_Return, L"shoes", L"", true},
      {"surrounding blanks go", QStringLiteral("  Boots  "), Qt::Key_Return, L"Boots", L"", true},
      {"the same name sends nothing", QStringLiteral("Shoes"), Qt::Key_Return, L"Shoes", L"", false},
      {"blanks only change nothing", QStringLiteral("   "), Qt::Key_Return, L"Shoes", L"", false},
      {"empty changes nothing", QString(), Qt::Key_Return, L"Shoes", L"", false},
      {"Escape changes nothing", QStringLiteral("Sandals"), Qt::Key_Escape, L"Shoes", L"", false},
      {"another's exact name is refused", QStringLiteral("Hats"), Qt::Key_Return, L"Shoes",
       L"Collection \"Hats\" already exists. Please try another name.", false},
      {"the pseudo-collection's name is refused", QStringLiteral("All Collections"), Qt::Key_Return, L"Shoes",
       L"Invalid collection name. Please try another name.", false},
  };
  for (const Case& c : cases) {
    reset();
    attach({L"Shoes", L"Hats"});
    renamed.clear();
    const size_t boxesBefore = boxes.count();
    doubleClick(1);
    ASSERT_TRUE(pane.editor()->isVisible()) << c.what;
    EXPECT_EQ(pane.editor()->text(), QStringLiteral("Shoes"));
    EXPECT_EQ(pane.editor()->selectedText(), QStringLiteral("Shoes")) << "all text selected";
    typeAndEnd(c.typed, c.end);
    if (!c.message.empty()) {
      ASSERT_EQ(boxes.count(), boxesBefore + 1) << c.what;
      EXPECT_EQ(boxes.last().text, c.message);
      EXPECT_EQ(boxes.last().caption, L"Tavoro Wardrobe Manager");
      EXPECT_EQ(boxes.last().icon, QMessageBox::Information);
      EXPECT_TRUE(pane.editor()->isVisible()) << c.what << ": the editor stays open";
      EXPECT_EQ(pane.editor()->selectedText(), c.typed) << c.what;
      QTest::keyClick(pane.editor(), Qt::Key_Escape);
    } else {
      EXPECT_EQ(boxes.count(), boxesBefore) << c.what;
    }
    EXPECT_FALSE(pane.editor()->isVisible()) << c.what;
    EXPECT_EQ(collection(0)->name(), c.name) << c.what;
    EXPECT_EQ(renamed.count(), c.renamedEvent ? 1 : 0) << c.what;
  }
}

TEST_F(CollectionPaneTest, RenameEndsByClickingElsewhereAndTheNameIsLimited) {
  attach({L"Shoes", L"Hats"});
  pane.selectAll(true);
  test::trigger(&pane, kCmdRename);  // the first selected real row
  ASSERT_TRUE(pane.editor()->isVisible());
  EXPECT_EQ(pane.editedRow(), 1);
  typeAndEnd(QString(150, QChar(u'x')), Qt::Key_unknown);
  EXPECT_EQ(pane.editor()->text().size(), 100);
  click(2);
  EXPECT_FALSE(pane.editor()->isVisible());
  EXPECT_EQ(collection(0)->name(), std::wstring(100, L'x'));
}

TEST_F(CollectionPaneTest, ThePlaceholderRowAddsACollection) {
  struct Case {
    const char* what;
    QString typed;  // empty: keep the suggested name
    Qt::Key end;    // Key_unknown: a click on another row
    std::vector<std::wstring> names;
  };
  const Case cases[] = {
      {"Enter adds the suggested name", QString(), Qt::Key_Return, {L"Shoes", L"New Collection 2"}},
      {"Enter adds a typed name", QStringLiteral("Boots"), Qt::Key_Return, {L"Shoes", L"Boots"}},
      {"a click elsewhere adds", QStringLiteral("Boots"), Qt::Key_unknown, {L"Shoes", L"Boots"}},
      {"Escape adds nothing", QStringLiteral("Boots"), Qt::Key_Escape, {L"Shoes"}},
      {"blanks add nothing", QStringLiteral("  "), Qt::Key_Return, {L"Shoes"}},
  };
  for (const Case& c : cases) {
    reset();
    attach({L"Shoes"});
    const int32_t nextId = ts.wardrobe().collections().nextId();
    doubleClick(2);
    ASSERT_EQ(pane.editedRow(), 2) << c.what;
    EXPECT_EQ(pane.editor()->text(), QStringLiteral("New Collection 2")) << c.what;
    if (!c.typed.isEmpty()) typeAndEnd(c.typed, Qt::Key_unknown);
    if (c.end == Qt::Key_unknown)
      click(1);
    else
      QTest::keyClick(pane.editor(), c.end);
    EXPECT_FALSE(pane.editor()->isVisible()) << c.what;
    EXPECT_EQ(modelNames(), c.names) << c.what;
    EXPECT_EQ(rowNames(), c.names) << c.what;
    EXPECT_TRUE(pane.isWellFormed()) << c.what;
    if (c.names.size() == 2 && c.end == Qt::Key_Return) {
      EXPECT_EQ(collection(1)->id(), nextId) << c.what;
      EXPECT_EQ(pane.selectedRows(), std::vector<int>{2}) << c.what << ": the new row is selected";
      EXPECT_GE(selected.count(), 1) << c.what;
    }
  }
  // "Add a Collection..." opens the editor on the placeholder with a free name.
  test::trigger(&pane, kCmdAddItem);
  EXPECT_EQ(pane.editedRow(), pane.rowCount() - 1);
  EXPECT_EQ(pane.editor()->text(), QStringLiteral("New Collection 2"));
  typeAndEnd(QStringLiteral("Shoes"));
  EXPECT_EQ(boxes.last().text, L"Collection \"Shoes\" already exists. Please try another name.");
  QTest::keyClick(pane.editor(), Qt::Key_Escape);
}

TEST_F(CollectionPaneTest, MoveCommandsReorderTheRowsAndTheModel) {
  struct Case {
    int row;
    int command;
    std::vector<std::wstring> names;
  };
  const Case cases[] = {
      {3, kCmdMoveToTop, {L"C", L"A", L"B", L"D"}},   {3, kCmdMoveUp, {L"A", L"C", L"B", L"D"}},
      {2, kCmdMoveDown, {L"A", L"C", L"B", L"D"}},    {1, kCmdMoveToBottom, {L"B", L"C", L"D", L"A"}},
      {1, kCmdMoveUp, {L"A", L"B", L"C", L"D"}},      {4, kCmdMoveDown, {L"A", L"B", L"C", L"D"}},
      {1, kCmdMoveToTop, {L"A", L"B", L"C", L"D"}},   {0, kCmdMoveToTop, {L"A", L"B", L"C", L"D"}},
  };
  for (const Case& c : cases) {
    reset();
    attach({L"A", L"B", L"C", L"D"});
    click(c.row);
    triggerCommand(&pane, c.command);  // some are disabled on that row: nothing moves
    EXPECT_EQ(rowNames(), c.names) << "row " << c.row << " command " << c.command;
    EXPECT_EQ(modelNames(), c.names) << "row " << c.row << " command " << c.command;
  }
}

TEST_F(CollectionPaneTest, DraggingMovesARowToWhereItsCentreIsDropped) {
  struct Case {
    const char* what;
    int row;
    int grabY;  // within the row
    QPoint to;
    std::vector<std::wstring> names;
  };
  const Case cases[] = {
      {"onto All Collections: first", 2, 15, {50, 5}, {L"B", L"A", L"C", L"D"}},
      {"above the first row: first", 3, 29, {50, 2}, {L"C", L"A", L"B", L"D"}},
      {"upper half of a row: before it", 1, 15, {50, 3 * kRow + 5}, {L"B", L"A", L"C", L"D"}},
      {"lower half of a row: after it", 1, 15, {50, 3 * kRow + 25}, {L"B", L"C", L"A", L"D"}},
      {"onto the placeholder: last", 2, 15, {50, 5 * kRow + 10}, {L"A", L"C", L"D", L"B"}},
      {"below every row: last", 1, 15, {50, 10 * kRow}, {L"B", L"C", L"D", L"A"}},
      {"onto itself: nothing", 3, 15, {50, 3 * kRow + 10}, {L"A", L"B", L"C", L"D"}},
      {"just after itself: nothing", 4, 15, {50, 10 * kRow}, {L"A", L"B", L"C", L"D"}},
      {"released outside the pane: nothing", 1, 15, {400, 3 * kRow + 25}, {L"A", L"B", L"C", L"D"}},
      {"All Collections cannot be dragged", 0, 15, {50, 4 * kRow + 25}, {L"A", L"B", L"C", L"D"}},
  };
  for (const Case& c : cases) {
    reset();
    attach({L"A", L"B", L"C", L"D"});
    dragRow(QPoint(50, c.row * kRow + c.grabY), c.to);
    EXPECT_FALSE(pane.isDragging()) << c.what;
    EXPECT_EQ(rowNames(), c.names) << c.what;
    EXPECT_EQ(modelNames(), c.names) << c.what;
  }
}

TEST_F(CollectionPaneTest, SortingComparesUtf16CodeUnits) {
  attach({L"apple", L"Banana", L"\U0001F600", L"cherry", L"\uFF21pple", L"Apple"});
  test::trigger(&pane, kCmdSortAscending);
  const std::vector<std::wstring> ascending = {L"Apple", L"Banana", L"apple", L"cherry", L"\U0001F600", L"\uFF21pple"};
  EXPECT_EQ(rowNames(), ascending);
  EXPECT_EQ(modelNames(), ascending);
  test::trigger(&pane, kCmdSortDescending);
  EXPECT_EQ(modelNames(), std::vector<std::wstring>(ascending.rbegin(), ascending.rend()));
  EXPECT_EQ(rowNames(), modelNames());
}

TEST_F(CollectionPaneTest, DeletingAsksRemovesThePhotosAndSelectsTheNextRow) {
  attach({L"Shoes", L"Hats", L"Coats"});
  addPhotos(collection(0), 2);
  const std::wstring shoesFolder = collection(0)->photoFolder();
  ASSERT_TRUE(isFolder(shoesFolder));

  // No keeps everything; the question mentions the items.
  click(1);
  QTest::keyClick(&pane, Qt::Key_Delete);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text,
            L"Are you sure you want to delete collection \"Shoes\"?\n\nNote: all items in this collection will also be "
            L"deleted.");
  EXPECT_EQ(boxes.last().caption, L"Confirm Collection Delete");
  EXPECT_EQ(boxes.last().defaultButton, kIdNo);
  EXPECT_EQ(modelNames(), (std::vector<std::wstring>{L"Shoes", L"Hats", L"Coats"}));

  // Yes: the collection, its row and its photos go; the next row is selected.
  QSignalSpy removing(&ts.session, &WardrobeSession::collectionAboutToBeRemoved);
  boxes.addAnswer(kIdYes);
  test::trigger(&pane, kCmdDelete);
  EXPECT_EQ(removing.count(), 1);
  EXPECT_EQ(modelNames(), (std::vector<std::wstring>{L"Hats", L"Coats"}));
  EXPECT_EQ(rowNames(), modelNames());
  EXPECT_TRUE(pathExists(shoesFolder)) << "the photos stay until the next save";
  EXPECT_EQ(selectedName(), L"Hats");
  EXPECT_TRUE(pane.hasFocus());

  // The last real row: the row before it; the question has no note for an empty collection.
  click(2);
  boxes.addAnswer(kIdYes);
  test::trigger(&pane, kCmdDelete);
  EXPECT_EQ(boxes.last().text, L"Are you sure you want to delete collection \"Coats\"?");
  EXPECT_EQ(selectedName(), L"Hats");
  // The only one: "All Collections".
  boxes.addAnswer(kIdYes);
  test::trigger(&pane, kCmdDelete);
  EXPECT_TRUE(modelNames().empty());
  EXPECT_EQ(pane.selectedRows(), std::vector<int>{0});
  // Nothing to delete on "All Collections".
  EXPECT_FALSE(findCommandAction(&pane, kCmdDelete)->isEnabled());
}

TEST_F(CollectionPaneTest, ADeletedCollectionsPhotosGoToTheTrashAtTheSaveAndOtherFilesStay) {
  attach({L"Shoes", L"Hats"});
  addPhotos(collection(0), 1);
  const std::wstring folder = collection(0)->photoFolder();
  const std::wstring photo = collection(0)->items().at(0)->mainPhotoPath();
  test::writeFile(folder + L"/notes.txt", "not a photo of the wardrobe");
  click(1);
  boxes.addAnswer(kIdYes);
  test::trigger(&pane, kCmdDelete);
  EXPECT_EQ(modelNames(), std::vector<std::wstring>{L"Hats"});
  EXPECT_EQ(selectedName(), L"Hats");
  EXPECT_EQ(boxes.count(), 1u) << "only the question: nothing is deleted yet";
  EXPECT_TRUE(isFile(photo));
  ASSERT_TRUE(ts.session.save());
  EXPECT_FALSE(pathExists(photo));
  EXPECT_TRUE(isFile(ts.trashFiles() + L"/" + pathFileName(photo)));
  EXPECT_TRUE(isFile(folder + L"/notes.txt")) << "a file the wardrobe does not name stays";
}

TEST_F(CollectionPaneTest, ContextMenuEnablesWhatAppliesToTheRowClicked) {
  const int commands[] = {kCmdAddItem,   kCmdDelete,         kCmdRename,        kCmdMoveToTop,     kCmdMoveUp,
                          kCmdMoveDown, kCmdMoveToBottom, kCmdSortAscending, kCmdSortDescending};
  const auto enabledIn = [&](int row) {
    std::string states;
    QTimer::singleShot(0, [&] {
      auto* menu = test::findTopLevel<PopupMenu>(QStringLiteral("CatList_Context"));
      for (int id : commands) states += menu->commandAction(id)->isEnabled() ? '1' : '0';
      menu->close();
    });
    const QPoint at = row >= 0 ? centreOf(row) : QPoint(10, 11 * kRow);
    pane.showContextMenu(at, pane.viewport()->mapToGlobal(at));
    return states;
  };
  //                              add del ren top up down bot asc desc
  attach({L"A", L"B", L"C"});
  EXPECT_EQ(enabledIn(-1), "100000011") << "no row";
  EXPECT_EQ(enabledIn(0), "100000011") << "All Collections";
  EXPECT_EQ(enabledIn(1), "111001111") << "the first collection";
  EXPECT_EQ(enabledIn(2), "111111111") << "a middle collection";
  EXPECT_EQ(enabledIn(3), "111110011") << "the last collection";
  EXPECT_EQ(enabledIn(4), "100000011") << "the placeholder";
  reset();
  attach({L"A"});
  EXPECT_EQ(enabledIn(1), "111000000") << "one collection: no moves, no sorting";

  // A command chosen from the menu is carried out on the selected row.
  click(1);
  QTimer::singleShot(0, [] {
    auto* menu = test::findTopLevel<PopupMenu>(QStringLiteral("CatList_Context"));
    menu->setActiveAction(menu->commandAction(kCmdRename));
    QTest::keyClick(menu, Qt::Key_Return);
  });
  pane.showContextMenu(centreOf(1), pane.viewport()->mapToGlobal(centreOf(1)));
  EXPECT_EQ(pane.editedRow(), 1);
}

}  // namespace
}  // namespace tavoro::ui
