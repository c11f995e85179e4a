#include "DetailsScreens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPixmap>
#include <cstdio>
#include <functional>

#include "SampleFrame.h"
#include "ScreenFolder.h"
#include "settings/AppSettings.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "ui/details/ItemDetailsPane.h"
#include "ui/details/DetailsHint.h"
#include "ui/details/InfoStrip.h"
#include "ui/details/PhotoPreview.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/PageStack.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/page/WardrobePage.h"
#include "ui/session/WardrobeSession.h"
#include "ui/tags/TagPane.h"
#include "ui/viewer/PhotoCanvas.h"
#include "ui/viewer/PhotoViewer.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::tools {

namespace {

using namespace tavoro::ui;

// Lets the event loop run until done says so (thumbnails and photos come
// from threads), for five seconds at most.
bool settle(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  QApplication::processEvents();
  return done();
}

void select(WardrobePage& page, Item* item) { page.session().setListSelection({item}); }

}  // namespace

bool renderDetails(const ScreenFolder& screens) {
  bool ok = true;
  {
    SampleFrame sample(1200, 700);
    if (!sample.isOpen()) return false;
    MainWindow& frame = sample.frame();
    auto& page = sample.page();
    ItemList& shirts = frame.wardrobe()->collections().at(0)->items();

    ok &= screens.save(page.detailsHint()->grab(), QStringLiteral("details-hint"));

    select(page, shirts.at(2));
    PhotoPreview* preview = page.details()->preview();
    ok &= settle([&] { return preview->picture().state() == PreviewPicture::State::kShown; });
    ok &= screens.save(frame.grab(), QStringLiteral("details-page"));
    // A value being typed, and the hint over the values of a tag without one.
    TagPane* tags = page.details()->tagPane();
    shirts.at(2)->records().set(shirts.at(2)->owner()->collection()->tags().at(2)->id(), L"");
    tags->startValueEdit(0);
    ok &= screens.save(page.details()->grab(), QStringLiteral("details-editing"));
    page.details()->clear();
    page.session().setListSelection({});
    select(page, shirts.at(2));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 10), QPointF(300, 10), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(tags->viewport(), &move);
    ok &= settle([&] { return tags->hintFader().alpha() == 255; });
    ok &= screens.save(page.details()->grab(), QStringLiteral("details-click-to-edit"));

    // Chosen among search results: the matches in the values on their highlight.
    WardrobeSession& session = page.session();
    session.search(QStringLiteral("red winter"));
    session.setResultSelection({shirts.at(2)});
    if (session.selectedItem() == shirts.at(2))
      ok &= screens.save(page.details()->grab(), QStringLiteral("details-from-search"));
    session.hideSearch();

    InfoStrip* strip = page.infoStrip();
    for (const int width : {1200, 560, 330}) {
      strip->resize(width, InfoStrip::kHeight);
      ok &= screens.save(strip->grab(), QStringLiteral("info-strip-%1").arg(width));
    }
    session.setListSelection({shirts.at(0), shirts.at(1), shirts.at(2)});
    ok &= screens.save(strip->grab(), QStringLiteral("info-strip-selected"));
    session.search(QStringLiteral("e"));
    ok &= screens.save(strip->grab(), QStringLiteral("info-strip-search"));
    session.hideSearch();
    session.setListSelection({});
    ok &= screens.save(strip->grab(), QStringLiteral("info-strip-count"));
    frame.resize(1201, 700);  // the page lays the strip out again
    frame.resize(1200, 700);

    // A photo whose file has gone: the preview says so.
    removeFile(shirts.at(4)->mainPhotoPath());
    select(page, shirts.at(4));
    preview->repaint();
    ok &= settle([&] { return preview->picture().state() == PreviewPicture::State::kUndecodable; });
    ok &= screens.save(page.details()->grab(), QStringLiteral("details-missing-photo"));

    std::vector<Item*> items;
    for (size_t i = 0; i < shirts.count(); ++i) items.push_back(shirts.at(i));
    frame.openViewer(items, 1);
    PhotoCanvas* view = frame.viewer()->imageView();
    ok &= settle([&] { return view->state() == PhotoCanvas::State::kShown; });
    ok &= screens.save(frame.grab(), QStringLiteral("viewer"));
    frame.viewer()->last();
    ok &= settle([&] { return view->state() == PhotoCanvas::State::kCannotShow; });
    ok &= screens.save(frame.grab(), QStringLiteral("viewer-missing-photo"));
    frame.viewer()->close();
  }
  return ok;
}

}  // namespace tavoro::tools
