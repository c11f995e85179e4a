#include "SearchScreens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <cstdio>

#include "SampleFrame.h"
#include "ScreenFolder.h"
#include "settings/AppSettings.h"
#include "platform/Utf8.h"
#include "ui/collections/CollectionPane.h"
#include "ui/frame/HeaderBar.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/page/WardrobePage.h"
#include "ui/search/SuggestionPopup.h"
#include "ui/search/SearchBox.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/search/SearchResultList.h"

namespace tavoro::tools {

namespace {

using namespace tavoro::ui;

// Lets the event loop run until done() or a second has passed (thumbnails
// arriving from their thread, the pop-up sliding down).
template <typename Done>
void settle(Done done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 1000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  QApplication::processEvents();
}

void typeText(SearchBox& box, const QString& text) {
  box.activate();
  box.edit()->setText(text);
  QApplication::processEvents();
}

// The window with the pop-up over it, where it shows on the screen.
QPixmap grabWithPopup(MainWindow& frame, SuggestionPopup& popup) {
  QPixmap picture = frame.grab();
  QPainter painter(&picture);
  painter.drawPixmap(frame.mapFromGlobal(popup.pos()), popup.grab());
  return picture;
}

void selectCollection(CollectionPane& pane, int row) {
  pane.clearSelection();
  pane.setRowSelected(row, true, true);
  QApplication::processEvents();
}

}  // namespace

bool renderSearch(const ScreenFolder& screens) {
  bool ok = true;
  {
    SampleFrame sample(1200, 700, [](AppSettings& settings) {
      settings.mruSearches = {L"red", L"linen shirt", L"boots"};
      settings.allSearches = {L"boots", L"linen shirt", L"red", L"red shirt", L"red sneakers"};
    });
    if (!sample.isOpen()) return false;
    MainWindow& frame = sample.frame();
    WardrobePage* page = frame.clientView()->wardrobeView();
    HeaderBar* header = frame.clientView()->header();
    SearchBox* box = frame.clientView()->searchBox();
    SearchResultList* results = page->searchResults()->list();
    selectCollection(*page->collectionPane(), 0);
    ok &= screens.save(header->grab(), QStringLiteral("search-box-cue"));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(box, &enter);
    ok &= screens.save(header->grab(), QStringLiteral("search-box-hover"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(box, &leave);

    // Typing "re": the pop-up offers the searches that begin with it.
    typeText(*box, QStringLiteral("re"));
    settle([box] { return box->popup()->isVisible() && box->popup()->mask().isEmpty(); });
    ok &= screens.save(grabWithPopup(frame, *box->popup()), QStringLiteral("search-popup"));

    box->edit()->setText(QStringLiteral("red"));
    box->popup()->hidePopup();
    ok &= screens.save(header->grab(), QStringLiteral("search-box-typed"));
    results->setRowSelected(1, true, true);
    settle([] { return false; });
    ok &= screens.save(frame.grab(), QStringLiteral("search-results-all-collections"));

    // Leaving the box draws the text in its place.
    page->collectionPane()->setFocus();
    QApplication::processEvents();
    ok &= screens.save(header->grab(), QStringLiteral("search-box-text"));
    selectCollection(*page->collectionPane(), 1);
    typeText(*box, QStringLiteral("shirt summer"));
    box->popup()->hidePopup();
    results->setRowSelected(0, true, true);
    settle([] { return false; });
    ok &= screens.save(frame.grab(), QStringLiteral("search-results-one-collection"));

    typeText(*box, QStringLiteral("velvet"));
    box->popup()->hidePopup();
    ok &= screens.save(page->searchResults()->grab(), QStringLiteral("search-results-empty"));
  }
  return ok;
}

}  // namespace tavoro::tools
