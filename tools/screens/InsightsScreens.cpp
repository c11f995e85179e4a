#include "InsightsScreens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScrollArea>

#include "SampleFrame.h"
#include "ScreenFolder.h"
#include "ui/frame/MainWindow.h"
#include "ui/insights/InsightsView.h"
#include "ui/page/WardrobePage.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::tools {

namespace {

// Prices for the shirts and shoes (one written as people do, not a price),
// and wear over the last year through the session, as the window records it:
// the running shoes and the oxford shirt often, the straw hat never.
bool wearAndPrice(ui::WardrobeSession& session) {
  Wardrobe* wardrobe = session.wardrobe();
  if (!wardrobe || wardrobe->collections().count() < 2) return false;
  Collection* shirts = wardrobe->collections().at(0);
  Collection* shoes = wardrobe->collections().at(1);
  const wchar_t* shirtPrices[] = {L"39.90", L"\u20AC 49,00", L"29 EUR", L"a gift", L"45"};
  const wchar_t* shoePrices[] = {L"89.00", L"\u20AC 140", L"60"};
  bool ok = true;
  for (auto [collection, prices, count] :
       {std::tuple{shirts, shirtPrices, size_t{5}}, std::tuple{shoes, shoePrices, size_t{3}}}) {
    const Tag* price = session.addTag(collection, L"Price");
    ok &= price != nullptr;
    for (size_t i = 0; price && i < count && i < collection->items().count(); ++i)
      ok &= session.setValue(collection->items().at(i), price, prices[i]);
  }
  // How often each worn item is worn: every `every` days over the last year.
  const std::pair<Item*, int> wear[] = {{shoes->items().at(0), 6},
                                        {shirts->items().at(1), 9},
                                        {shirts->items().at(0), 21},
                                        {shoes->items().at(1), 30},
                                        {shirts->items().at(2), 45}};
  const int32_t today = Date::today().dayNumber();
  for (const auto& [item, every] : wear)
    for (int32_t day = today - 360 + every % 7; day <= today; day += every) ok &= session.wearItems({item}, Date(day));
  return ok;
}

}  // namespace

bool renderInsightsScreens(const ScreenFolder& screens) {
  SampleFrame sample(1200, 760);
  if (!sample.isOpen() || !wearAndPrice(sample.frame().session())) return false;
  ui::WardrobePage& page = sample.page();
  page.showInsights(true);
  // The least-worn rows' thumbnails are made on a thread: let them arrive.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 1500) QApplication::processEvents(QEventLoop::AllEvents, 50);
  bool ok = screens.save(sample.frame().grab(), QStringLiteral("insights"));
  // The whole view, every figure, as the scroll area holds it.
  QWidget* content = page.insights()->findChild<QScrollArea*>()->widget();
  ok &= screens.save(content->grab(), QStringLiteral("insights-all"));
  return ok;
}

}  // namespace tavoro::tools
