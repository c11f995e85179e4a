// The insights view on the wardrobe page: reached by its command, following
// the session's changes, copying its figures as text, jumping to an item.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QTest>

#include "TestSession.h"
#include "TryWait.h"
#include "ui/accessibility/Accessibility.h"
#include "ui/common/CommandIds.h"
#include "ui/common/QtText.h"
#include "ui/frame/PageStack.h"
#include "ui/insights/InsightsCard.h"
#include "ui/insights/InsightsCharts.h"
#include "ui/insights/InsightsView.h"
#include "ui/insights/LeastWornRow.h"
#include "ui/page/WardrobePage.h"

namespace tavoro::ui {
namespace {

class InsightsViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    installAccessibility();
    Collection* tops = wardrobe.wardrobe().collections().add(L"Tops");
    colour = tops->tags().add(L"Colour");
    const Tag* price = tops->tags().add(L"price");
    const Date today = Date::today();
    // Items from real photo files: the item list shows no item without its photo.
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 40));
    const std::wstring photo = wardrobe.dir() / L"shirt.jpg";
    EXPECT_TRUE(image.save(toQString(photo)));
    for (int id : {1, 2}) {
      Item* item = tops->items().addFromPhotoFile(photo);
      ASSERT_NE(item, nullptr);
      item->setName(L"Shirt " + std::to_wstring(id));
      item->setDateAdded(DateTime(Date(today.dayNumber() - 10 * id), Time()));
      item->records().set(colour->id(), id == 1 ? L"Red" : L" red");
      item->records().set(price->id(), id == 1 ? L"12" : L"twelve");
      items.push_back(item);
    }
    wardrobe.open();
    page = std::make_unique<WardrobePage>(wardrobe.session, QList<QAction*>{});
    page->resize(1000, 700);
    page->show();
  }

  test::TestSession wardrobe;
  const Tag* colour = nullptr;
  std::vector<Item*> items;
  std::unique_ptr<WardrobePage> page;
};

TEST_F(InsightsViewTest, FollowsChangesWhileShownAndCopiesEachFigureAsText) {
  ASSERT_TRUE(test::trigger(page.get(), kCmdShowInsights));
  EXPECT_EQ(page->middleStack()->currentIndex(), WardrobePage::kInsightsPage);
  InsightsView* view = page->insights();
  EXPECT_EQ(view->valuesCard()->plainText(), "Red: 2 items");
  EXPECT_EQ(view->collectionsCard()->plainText(), "Tops: 2 items");

  InsightsChart* chart = view->valuesChart();
  EXPECT_EQ(chart->labels(), QStringList{QStringLiteral("Red: 2")});

  // The charts keep their place and take the new figures.
  ASSERT_TRUE(wardrobe.session.setValue(items[1], colour, L"Blue"));
  TRY_COMPARE(view->valuesCard()->plainText(), QStringLiteral("Blue: 1 items\nRed: 1 items"));
  EXPECT_EQ(view->valuesChart(), chart);
  EXPECT_EQ(chart->labels(), (QStringList{QStringLiteral("Blue: 1"), QStringLiteral("Red: 1")}));
  // A screen reader reads each figure's text on its card and on its chart.
  for (QObject* object : {static_cast<QObject*>(view->valuesCard()), static_cast<QObject*>(chart)}) {
    QAccessibleInterface* figure = QAccessible::queryAccessibleInterface(object);
    ASSERT_TRUE(figure);
    EXPECT_EQ(figure->text(QAccessible::Description), view->valuesCard()->plainText());
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(chart)->role(), QAccessible::Chart);

  ASSERT_TRUE(test::trigger(view->costCard(), kCmdCopyAsText));
  EXPECT_EQ(QApplication::clipboard()->text(),
            "Cost per Wear\nTotal: 12.00\nShirt 1 (Tops): 12.00, 0 wears, never worn\n"
            "Shirt 2 (Tops): \"twelve\" is not a price");

  // Wear, as the session records it: the cost per wear and the wears follow.
  ASSERT_TRUE(wardrobe.session.wearItems({items[0]}, Date::today()));
  TRY_VERIFY(view->costCard()->plainText().contains("Shirt 1 (Tops): 12.00, 1 wears, 12.00 per wear"));
  EXPECT_TRUE(view->wearsCard()->plainText().endsWith(": 1 wears"));

  // A change while hidden waits for the view to be shown again.
  ASSERT_TRUE(test::trigger(page.get(), kCmdShowInsights));
  EXPECT_EQ(page->middleStack()->currentIndex(), WardrobePage::kItemListPage);
  ASSERT_TRUE(wardrobe.session.removeItems({items[0]}));
  EXPECT_TRUE(view->isStale());
  ASSERT_TRUE(test::trigger(page.get(), kCmdShowInsights));
  EXPECT_EQ(view->collectionsCard()->plainText(), "Tops: 1 items");
}

TEST_F(InsightsViewTest, ALeastWornRowJumpsToItsItem) {
  ASSERT_TRUE(test::trigger(page.get(), kCmdShowInsights));
  InsightsView* view = page->insights();
  ASSERT_EQ(view->leastWornRows().size(), 2u);
  // Shirt 2 was added longer ago: it has waited longest.
  LeastWornRow* row = view->leastWornRows().front();
  EXPECT_EQ(row->figure().item, items[1]);
  EXPECT_EQ(row->accessibleDescription(), "Tops \u00B7 Never worn, not worn for 20 days");
  // From "All Collections" (current after opening): the jump makes the
  // item's collection current, as the item list shows one collection.
  ASSERT_EQ(wardrobe.session.currentCollection(), wardrobe.wardrobe().collections().allCollections());
  QTest::mouseClick(row, Qt::LeftButton);
  TRY_COMPARE(page->middleStack()->currentIndex(), static_cast<int>(WardrobePage::kItemListPage));
  TRY_COMPARE(wardrobe.session.listSelection(), std::vector<Item*>{items[1]});
}

}  // namespace
}  // namespace tavoro::ui
