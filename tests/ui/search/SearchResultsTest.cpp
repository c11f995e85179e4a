#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>

#include "CombinationChoice.h"
#include "FindWidget.h"
#include "PhotoFactory.h"
#include "SearchFixture.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "TestSession.h"
#include "TryWait.h"
#include "platform/FileSystem.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"
#include "ui/controls/InlineEditor.h"
#include "ui/menus/PopupMenu.h"
#include "ui/search/SearchResultsBanner.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/search/SearchResultList.h"
#include "ui/session/WardrobeSession.h"

namespace tavoro::ui {
namespace {

using test::ItemData;

// Pixels in area (the whole image when empty) that are not white, or that
// have the colour given.
int inkIn(const QImage& image, QRect area, std::optional<QColor> colour = std::nullopt) {
  if (area.isEmpty()) area = image.rect();
  int ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      ink += colour ? pixel == *colour : pixel != QColor(Qt::white);
    }
  return ink;
}

class SearchResultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Every item is for "all year", so that the query "all" finds all five.
    m_shirts = test::addCollection(m_wardrobe, L"Shirts", {L"Colour", L"Season"},
                                   {{L"Linen shirt", {{1001, L"white"}, {1002, L"all year"}}},
                                    {L"Flannel shirt", {{1001, L"red"}, {1002, L"all year"}}},
                                    {L"Oxford shirt", {{1001, L"blue"}, {1002, L"all year"}}},
                                    {L"Red polo", {{1001, L"red"}, {1002, L"all year"}}}});
    m_shoes = test::addCollection(m_wardrobe, L"Shoes", {L"Colour", L"Season"},
                                  {{L"Red sneakers", {{1001, L"red"}, {1002, L"all year"}}}});
    m_ts.open();
    m_view.resize(500, 400);
    m_view.show();
    m_view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_view));
  }
  Collection* all() const { return m_wardrobe.collections().allCollections(); }
  SearchResultList& list() { return *m_view.list(); }
  std::vector<std::wstring> rowNames() {
    std::vector<std::wstring> names;
    for (int i = 0; i < list().rowCount(); ++i) names.push_back(list().resultRow(i)->item()->name());
    return names;
  }
  void search(Collection* scope, const char* text) {
    m_ts.session.setCurrentCollection(scope);
    m_ts.session.search(QString::fromUtf8(text));
  }
  void select(std::initializer_list<int> rows) {
    list().clearSelection();
    for (int row : rows) list().setRowSelected(row, true, true);
  }

  test::TestSession m_ts{L"Closet"};
  const test::TempDir& m_dir = m_ts.dir();
  Wardrobe& m_wardrobe = m_ts.wardrobe();
  Collection* m_shirts = nullptr;
  Collection* m_shoes = nullptr;
  SearchResultsPane m_view{m_ts.session};
};

TEST_F(SearchResultsTest, TheBannerNamesTheCollection) {
  Collection* summer = m_wardrobe.collections().add(L"Summer Collection");
  Collection* lower = m_wardrobe.collections().add(L"winter COLLECTION");
  Collection* bare = m_wardrobe.collections().add(L"Collection");
  const std::pair<const Collection*, const char*> cases[] = {
      {m_shoes, "Shoes Collection"},   {summer, "Summer Collection"}, {lower, "winter COLLECTION"},
      {bare, "Collection Collection"}, {all(), "All Collections"},    {nullptr, "Unknown Collection"},
  };
  for (const auto& [collection, title] : cases) EXPECT_EQ(bannerTitle(collection), QString::fromUtf8(title));
  search(m_shoes, "red");
  EXPECT_EQ(m_view.banner()->title(), QStringLiteral("Shoes Collection"));
}

TEST_F(SearchResultsTest, RowsNameTheirCollectionOnlyWhenEveryCollectionIsSearched) {
  for (Collection* scope : {all(), m_shoes}) {
    SCOPED_TRACE(toWString(bannerTitle(scope)).size());
    search(scope, "sneakers");
    ASSERT_EQ(rowNames(), std::vector<std::wstring>{L"Red sneakers"});
    const QImage picture = list().viewport()->grab().toImage();
    const QRect text = SearchResultRow::textBlock(list().rowRect(0));
    const int nameWidth = QFontMetrics(UiFontLarge()).horizontalAdvance(QStringLiteral("Red sneakers"));
    const QRect afterName(text.left() + nameWidth + 4, text.top() + 1, 120, text.height() / 2);
    EXPECT_EQ(inkIn(picture, afterName) > 0, scope == all());
  }
}

TEST_F(SearchResultsTest, QueriesThatCannotRunShowTheEmptyList) {
  ScopedMessageResponder boxes;
  const std::wstring manyTerms = [] {
    std::wstring words;
    for (int i = 0; i < 5000; ++i) words += L"w" + std::to_wstring(i) + L" ";
    return words;
  }();
  struct Case {
    Collection* scope;
    QString query;
  };
  const Case cases[] = {
      {all(), QStringLiteral(":")},     {all(), QStringLiteral("\"\"")},      {all(), QStringLiteral("=red")},
      {all(), QStringLiteral("   ")},   {all(), QString(200000, u'x')},       {all(), toQString(manyTerms)},
      {m_shirts, QStringLiteral("velvet")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query.left(20).toStdString());
    search(all(), "red");
    ASSERT_GT(list().rowCount(), 0);
    m_ts.session.setCurrentCollection(c.scope);
    m_ts.session.search(c.query);
    EXPECT_TRUE(m_ts.session.results().empty());
    EXPECT_EQ(list().rowCount(), 0);
    const QImage picture = list().viewport()->grab().toImage();
    EXPECT_GT(inkIn(picture, {}, QColor(160, 160, 160)), 0) << "\"No items match your search.\"";
  }
  EXPECT_EQ(boxes.count(), 0u);
}

TEST_F(SearchResultsTest, MarkupIsWorkedOutWhenARowIsFirstDrawn) {
  for (int i = 0; i < 40; ++i) m_shirts->items().add(L"Shirt " + std::to_wstring(i), 100 + i);
  search(m_shirts, "shirt");
  ASSERT_EQ(list().rowCount(), 43);
  EXPECT_FALSE(list().resultRow(0)->hasMarkup());
  list().viewport()->grab();
  EXPECT_TRUE(list().resultRow(0)->hasMarkup());
  EXPECT_EQ(list().resultRow(0)->result().nameMarkup, L"Linen&nbsp;<color bg=#FFEB64>shirt</color>");
  EXPECT_EQ(list().resultRow(0)->result().detailMarkup, L"<color fg=#828A99>Season: </color>all&nbsp;year");
  EXPECT_FALSE(list().resultRow(42)->hasMarkup()) << "rows out of sight cost nothing";

  m_ts.session.renameItem(m_shirts->items().at(0), L"Shirt of linen");
  EXPECT_FALSE(list().resultRow(0)->hasMarkup());
  list().viewport()->grab();
  EXPECT_EQ(list().resultRow(0)->result().nameMarkup, L"<color bg=#FFEB64>Shirt</color>&nbsp;of&nbsp;linen");
}

TEST_F(SearchResultsTest, DeleteAsksFirstAndDeletesThroughTheSession) {
  struct Case {
    std::vector<int> rows;
    int answer;
    const wchar_t* text;
    const wchar_t* caption;
    std::vector<std::wstring> left;
  };
  const Case cases[] = {
      {{1},
       kIdNo,
       L"Are you sure you want to delete \"Flannel shirt\"?",
       L"Confirm Item Delete",
       {L"Linen shirt", L"Flannel shirt", L"Oxford shirt", L"Red polo", L"Red sneakers"}},
      {{0, 2, 4},
       kIdNo,
       L"Are you sure you want to delete these 3 items?",
       L"Confirm Multiple Item Delete",
       {L"Linen shirt", L"Flannel shirt", L"Oxford shirt", L"Red polo", L"Red sneakers"}},
      {{1, 4},
       kIdYes,
       L"Are you sure you want to delete these 2 items?",
       L"Confirm Multiple Item Delete",
       {L"Linen shirt", L"Oxford shirt", L"Red polo"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    search(all(), "all");
    ASSERT_EQ(list().rowCount(), 5);
    select({});
    for (int row : c.rows) list().setRowSelected(row, true, false);
    std::vector<Item*> doomed;
    for (int row : c.rows) doomed.push_back(list().resultRow(row)->item());
    std::vector<std::wstring> told;
    QObject::connect(&m_ts.session, &WardrobeSession::itemsAboutToBeRemoved, &m_view,
                     [&told](const std::vector<Item*>& items) {
                       for (const Item* item : items) told.push_back(item->name());
                     });
    QSignalSpy after(&m_ts.session, &WardrobeSession::itemsRemoved);
    ScopedMessageResponder boxes({c.answer});
    QTest::keyClick(&list(), Qt::Key_Delete);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, c.text);
    EXPECT_EQ(boxes.last().caption, c.caption);
    EXPECT_EQ(boxes.last().type, static_cast<unsigned>(kMbQuestion));
    EXPECT_EQ(rowNames(), c.left);
    if (c.answer == kIdYes) {
      EXPECT_EQ(told, (std::vector<std::wstring>{L"Flannel shirt", L"Red sneakers"}));
      EXPECT_EQ(after.count(), 1);
      EXPECT_EQ(m_shirts->items().count() + m_shoes->items().count(), 3u);
      for (const SearchResult& result : m_ts.session.results())
        EXPECT_TRUE(std::find(doomed.begin(), doomed.end(), result.item) == doomed.end());
    } else {
      EXPECT_TRUE(told.empty());
      EXPECT_EQ(after.count(), 0);
    }
    EXPECT_TRUE(list().hasFocus());
    QObject::disconnect(&m_ts.session, &WardrobeSession::itemsAboutToBeRemoved, &m_view, nullptr);
  }
}

TEST_F(SearchResultsTest, DeletingAsksOnlyOnceAndLeavesTheFilesForTheSave) {
  search(m_shirts, "polo");
  select({0});
  Item* item = list().resultRow(0)->item();
  ASSERT_TRUE(createFolders(item->photoFolder()));
  const std::wstring folder = item->photoFolder();
  test::writeFile(folder + L"notes.txt", "not a photo of the wardrobe");
  ScopedMessageResponder boxes({kIdYes});
  QTest::keyClick(&list(), Qt::Key_Delete);
  EXPECT_EQ(list().rowCount(), 0);
  EXPECT_EQ(boxes.count(), 1u);
  EXPECT_TRUE(isFile(folder + L"notes.txt"));
}

TEST_F(SearchResultsTest, RenamingInPlaceSetsADifferentNameOnly) {
  struct Case {
    const char* typed;
    Qt::Key end;
    const wchar_t* name;
    bool told;
  };
  const Case cases[] = {
      {"Linen shirt", Qt::Key_Return, L"Linen shirt", false},
      {"Summer shirt", Qt::Key_Escape, L"Linen shirt", false},
      {"", Qt::Key_Return, L"Linen shirt", false},
      {"Linen overshirt", Qt::Key_Return, L"Linen overshirt", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    search(m_shirts, "linen");
    select({0});
    list().viewport()->grab();
    test::trigger(&list(), kCmdRenameResult);
    InlineEditor* editor = list().renameEdit();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), QStringLiteral("Linen shirt"));
    EXPECT_EQ(editor->maxLength(), 100);
    QSignalSpy renamed(&m_ts.session, &WardrobeSession::itemRenamed);
    editor->clear();
    QTest::keyClicks(editor, QString::fromUtf8(c.typed));
    QTest::keyClick(editor, c.end);
    EXPECT_FALSE(editor->isVisible());
    Item* item = m_shirts->items().at(0);
    EXPECT_EQ(item->name(), c.name);
    ASSERT_EQ(renamed.count(), c.told ? 1 : 0);
    if (c.told) {
      EXPECT_EQ(renamed.first().first().value<Item*>(), item);
      EXPECT_FALSE(list().resultRow(0)->hasMarkup()) << "drawn again with the new name";
    }
  }
}

TEST_F(SearchResultsTest, TheContextMenuFollowsTheSelection) {
  search(all(), "all");
  ASSERT_EQ(list().rowCount(), 5);
  const auto states = [this](std::initializer_list<int> rows) {
    select(rows);
    std::string enabled;
    QTimer::singleShot(0, [&enabled] {
      auto* menu = test::findTopLevel<PopupMenu>(QStringLiteral("SRList Context"));
      for (int id :
           {kCmdAddToCombination, kCmdDelete, kCmdRenameResult, kCmdSelectAllResults, kCmdSelectInverseResults})
        enabled += menu->commandAction(id)->isEnabled() ? '1' : '0';
      menu->close();
    });
    list().showContextMenu(list().viewport()->mapToGlobal(QPoint(30, 30)));
    return enabled;
  };
  //                    add del ren all inv
  EXPECT_EQ(states({}), "00011");
  EXPECT_EQ(states({2}), "11111");
  EXPECT_EQ(states({1, 3}), "11011");

  test::trigger(&list(), kCmdSelectInverseResults);
  EXPECT_EQ(list().selectedRows(), (std::vector<int>{0, 2, 4}));
  // The selected results make a new combination, in their order.
  test::chooseInCombinationMenu(kCmdNewCombination, {L"Reds"});
  test::trigger(&list(), kCmdAddToCombination);
  const Combination* reds = m_ts.session.wardrobe()->combinations().findByName(L"Reds");
  ASSERT_NE(reds, nullptr);
  EXPECT_EQ(reds->items(), (std::vector<Item*>{list().resultRow(0)->item(), list().resultRow(2)->item(),
                                               list().resultRow(4)->item()}));
  test::trigger(&list(), kCmdSelectAllResults);
  EXPECT_EQ(list().selectedCount(), 5);

  search(all(), "velvet");
  bool shown = false;
  // A menu that opened all the same is closed, so that the test fails rather than waits.
  QTimer::singleShot(0, [&shown] {
    shown = PopupMenu::isTracking();
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  list().showContextMenu(list().viewport()->mapToGlobal(QPoint(30, 30)));
  QApplication::processEvents();
  EXPECT_FALSE(shown) << "no menu without rows";
}

TEST_F(SearchResultsTest, ThumbnailsArriveFromTheirThread) {
  const std::wstring file = m_dir / L"photo.jpg";
  test::writeFile(file, test::jpegBytes(64, 48, 3));
  Item* item = m_shoes->items().addFromPhotoFile(file);
  ASSERT_NE(item, nullptr);
  item->setName(L"Suede boots");
  const QRect box(13, (SearchResultRow::kHeight - 40) / 2, 55, 40);
  search(m_shoes, "sneakers");
  ASSERT_EQ(list().rowCount(), 1);
  EXPECT_EQ(inkIn(list().viewport()->grab().toImage(), box), 0) << "no photo, no picture";
  search(m_shoes, "boots");
  ASSERT_EQ(list().rowCount(), 1);
  TRY_VERIFY_WITH_TIMEOUT(inkIn(list().viewport()->grab().toImage(), box) > 0, 10000);
}

}  // namespace
}  // namespace tavoro::ui
