// A user's day with the program, end to end on the real main window: every
// step is taken the way a person takes it (clicks, keys, drops, menus), with
// real photo files in temporary folders, and the saved wardrobe and settings
// are read back afterwards.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <map>

#include "CliRunner.h"
#include "TestSession.h"
#include "FindWidget.h"
#include "FrameTestSupport.h"
#include "TestFiles.h"
#include "TryWait.h"
#include "settings/AppSettings.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "ui/collections/CollectionPane.h"
#include "ui/collections/CollectionRow.h"
#include "ui/common/CommandIds.h"
#include "ui/common/QtText.h"
#include "ui/controls/InlineEditor.h"
#include "ui/controls/CommandBar.h"
#include "ui/controls/TextRowList.h"
#include "ui/details/ItemDetailsPane.h"
#include "ui/details/InfoStrip.h"
#include "ui/details/PhotoPreview.h"
#include "ui/dialogs/NewWardrobeDialog.h"
#include "ui/dialogs/OpenWardrobeDialog.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/PageStack.h"
#include "ui/home/HomePageDialog.h"
#include "ui/home/RecentWardrobeList.h"
#include "ui/items/ItemGridView.h"
#include "ui/items/ItemListDelegate.h"
#include "ui/items/ItemListModel.h"
#include "ui/items/ItemListPane.h"
#include "ui/items/PhotoFileDialog.h"
#include "ui/menus/PopupMenu.h"
#include "ui/page/WardrobePage.h"
#include "ui/session/WardrobeSession.h"
#include "ui/search/SuggestionPopup.h"
#include "ui/search/SearchBox.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/search/SearchResultList.h"
#include "ui/tags/TagPane.h"
#include "ui/viewer/PhotoCanvas.h"
#include "ui/viewer/PhotoViewer.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

constexpr int kNameX = 80;                        // inside the tag pane's name column
constexpr int kValueX = TagRow::kNameWidth + 10;  // inside its value column

// What the user made, as the wardrobe holds it: compared before closing and
// after reopening.
struct Snapshot {
  std::vector<std::wstring> collections;  // in order
  std::vector<std::wstring> tags;         // "collection: tag", in order
  std::vector<std::wstring> items;        // "collection: item [tag=value ...] photo bytes"
  int32_t hotId = -1;
  bool operator==(const Snapshot&) const = default;
};

void PrintTo(const Snapshot& s, std::ostream* out) {
  for (const auto* list : {&s.collections, &s.tags, &s.items})
    for (const std::wstring& line : *list) *out << "\n  " << toUtf8(line);
  *out << "\n  hotId " << s.hotId;
}

Snapshot snapshotOf(const Wardrobe& wardrobe) {
  Snapshot s;
  for (const auto& collection : wardrobe.collections().collections()) {
    const std::wstring prefix = collection->name() + L": ";
    s.collections.push_back(collection->name());
    for (const auto& tag : collection->tags().tags()) s.tags.push_back(prefix + tag->name());
    for (const auto& item : collection->items().items()) {
      std::wstring line = prefix + item->name() + L" [";
      for (const auto& tag : collection->tags().tags())
        line += tag->name() + L"=" + item->records().get(tag->id()) + L" ";
      line += L"] " + std::to_wstring(test::readFile(item->mainPhotoPath()).size());
      s.items.push_back(line);
    }
  }
  s.hotId = wardrobe.collections().hotId();
  return s;
}

class JourneyTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    // 25 photos in a nested folder to drop, 3 more to choose with Add Photos.
    const wchar_t* const folders[] = {L"drop", L"drop/tops", L"drop/tops/summer"};
    for (int i = 1; i <= 25; ++i) {
      wchar_t name[16];
      swprintf(name, 16, L"shirt%02d", i);
      photo(std::wstring(folders[i % 3]) + L"/" + name + L".jpg", name, i);
    }
    test::writeFile(m_dir / L"photos/drop/notes.txt", "not a photo");
    int n = 26;
    for (const wchar_t* name : {L"boots.png", L"sandals.bmp", L"sneakers.jpg"})
      m_chosen.push_back(toQString(photo(name, std::wstring(name).substr(0, std::wstring(name).find(L'.')), n++)));
  }
  void TearDown() override {
    m_frame.reset();
    FrameTest::TearDown();
  }

  // A photo of one colour of its own under the photos folder; its path.
  std::wstring photo(const std::wstring& relative, const std::wstring& itemName, int n) {
    const std::wstring path = m_dir / (L"photos/" + relative);
    EXPECT_TRUE(createFolders(path.substr(0, path.rfind(L'/'))));
    QImage image(64, 48, QImage::Format_RGB32);
    m_colours[itemName] = QColor::fromHsv((n * 47) % 360, 220, 230);
    image.fill(m_colours[itemName]);
    EXPECT_TRUE(image.save(toQString(path)));
    return path;
  }

  // --- The program and its parts -------------------------------------------------

  void startProgram() {
    m_frame = makeFrame();
    start(*m_frame);
    QApplication::setActiveWindow(m_frame.get());
    m_page = m_frame->clientView()->wardrobeView();
  }
  // Closes the main window as the user does; the next start is a new window.
  void quitProgram() {
    EXPECT_TRUE(m_frame->close());
    m_frame.reset();
  }
  CollectionPane* collections() const { return m_page->collectionPane(); }
  ItemListPane* itemList() const { return m_page->itemList(); }
  SearchResultList* results() const { return m_page->searchResults()->list(); }
  TagPane* tagPane() const { return m_page->details()->tagPane(); }
  SearchBox* searchBox() const { return m_frame->clientView()->searchBox(); }

  // --- Mouse and keys ----------------------------------------------------------------

  static void doubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
  }
  // Replaces the text of the focused editor and ends with key.
  static void typeInto(QWidget* editor, const QString& text, Qt::Key end = Qt::Key_Return) {
    ASSERT_TRUE(editor->isVisible()) << editor->objectName().toStdString();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    if (end != Qt::Key_unknown) QTest::keyClick(editor, end);
  }
  // The offscreen platform leaves no window active after a dialog or a menu
  // closes, where a desktop gives the main window back its activation.
  static void activateMainWindow(QWidget* inside) {
    inside->window()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(inside->window()));
  }
  // A right click at the place, and the command chosen from the menu that
  // opens (inside the submenu of that label, when given).
  static void chooseFromMenu(QWidget* widget, QPoint at, const QString& menuName, int command,
                             const QString& submenu = {}) {
    bool chosen = false;
    QObject guard;  // no menu: the timer goes with the locals it uses
    QTimer::singleShot(0, &guard, [&] {
      auto* menu = qobject_cast<PopupMenu*>(QApplication::activePopupWidget());
      if (!menu || menu->objectName() != menuName) {
        ADD_FAILURE() << "the menu " << menuName.toStdString() << " did not open";
        if (menu) menu->close();
        return;
      }
      PopupMenu* target = menu;
      if (!submenu.isEmpty()) {
        target = menu->submenu(submenu);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(target->menuAction()).center());
        if (!QTest::qWaitFor([target] { return target->isVisible(); }, 2000)) {
          ADD_FAILURE() << "the submenu " << submenu.toStdString() << " did not open";
          menu->close();
          return;
        }
      }
      QAction* action = target->commandAction(command);
      if (!action || !action->isEnabled()) {
        ADD_FAILURE() << "command " << command << " is not offered";
        menu->close();
        return;
      }
      QTest::mouseClick(target, Qt::LeftButton, {}, target->actionGeometry(action).center());
      chosen = true;
    });
    QTest::mousePress(widget, Qt::RightButton, {}, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    QTest::mouseRelease(widget, Qt::RightButton, {}, at);
    activateMainWindow(widget);
    EXPECT_TRUE(chosen) << menuName.toStdString() << ": " << command;
  }
  void clickCommandBar(int command) {
    CommandBar* bar = m_page->commandBar();
    ASSERT_TRUE(bar->isButtonEnabled(command)) << command;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->buttonRect(command).center());
  }

  // --- What the user does ----------------------------------------------------------

  void createWardrobe(const QString& name) {
    onNextDialog<NewWardrobeDialog>([name](NewWardrobeDialog& dialog) {
      typeInto(test::findWidget<QLineEdit>(&dialog, QStringLiteral("1035")), name, Qt::Key_unknown);
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    auto* home = test::findWidget<HomePageDialog>(m_frame.get(), QStringLiteral("HomePageDialog"));
    QTest::mouseClick(home->control(HomePageDialog::kIdCreate), Qt::LeftButton);
    activateMainWindow(m_frame.get());
  }
  // "Open an Existing Wardrobe" on the home page, and a double-click on the
  // first of the recent wardrobes (the one named so).
  void reopenFromTheRecentList(const std::wstring& name) {
    onNextDialog<OpenWardrobeDialog>([name](OpenWardrobeDialog& dialog) {
      auto* recent = test::findWidget<RecentWardrobeList>(&dialog, QStringLiteral("1029"));
      EXPECT_EQ(recent->rowName(0), name);
      doubleClick(recent->viewport(), recent->rowRect(0).center());
    });
    auto* home = test::findWidget<HomePageDialog>(m_frame.get(), QStringLiteral("HomePageDialog"));
    QTest::mouseClick(home->control(HomePageDialog::kIdOpen), Qt::LeftButton);
    activateMainWindow(m_frame.get());
  }
  void addCollection(const QString& name) {
    doubleClick(collections()->viewport(), collections()->rowRect(collections()->rowCount() - 1).center());
    typeInto(collections()->editor(), name);
  }
  void selectCollection(const std::wstring& name) {
    const int row = collections()->rowOf(m_frame->wardrobe()->collections().findByName(name));
    ASSERT_GE(row, 0) << toUtf8(name);
    QTest::mouseClick(collections()->viewport(), Qt::LeftButton, {}, collections()->rowRect(row).center());
  }
  // Drags the folder from the desktop onto the item list and drops it there.
  void dropFolder(const std::wstring& folder) {
    QWidget* target = itemList()->currentView()->viewport();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(toQString(folder))});
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
  }
  // The chooser of Add Photos answers with the files (the command reaches
  // the item list through the event loop).
  void addPhotosWithTheChooser(const QStringList& files) {
    const int before = itemList()->entryCount();
    PhotoFilesResponder previous = setPhotoFilesResponder([files](const QStringList&) { return files; });
    clickCommandBar(kCmdAddPhotos);
    TRY_COMPARE(itemList()->entryCount(), before + static_cast<int>(files.size()));
    setPhotoFilesResponder(std::move(previous));
  }
  // The item list's entry of the item, scrolled into view; its rectangle.
  QRect entryRect(const std::wstring& name) {
    const ItemListModel* model = itemList()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      if (model->itemAt(row)->name() != name) continue;
      itemList()->currentView()->scrollTo(model->index(row, 0));
      return itemList()->currentView()->visualRect(model->index(row, 0));
    }
    ADD_FAILURE() << "no entry " << toUtf8(name);
    return {};
  }
  void clickItem(const std::wstring& name) {
    QTest::mouseClick(itemList()->currentView()->viewport(), Qt::LeftButton, {}, entryRect(name).center());
  }
  static bool near(QColor shown, QColor made) {
    return std::abs(shown.red() - made.red()) + std::abs(shown.green() - made.green()) +
               std::abs(shown.blue() - made.blue()) <=
           30;
  }
  // The widget shows the photo of the item (the colour it was made in) at the place.
  bool showsPhotoOf(QWidget* widget, QPoint at, const std::wstring& item) {
    return QTest::qWaitFor([&] { return near(widget->grab().toImage().pixelColor(at), m_colours.at(item)); }, 5000);
  }
  // Every entry in view shows its photo.
  bool visibleThumbnailsShown() {
    ItemGridView* grid = itemList()->gridView();
    const auto* delegate = static_cast<const ItemListDelegate*>(grid->itemDelegate());
    const auto [first, last] = grid->visibleRows();
    if (first < 0) return false;
    const QImage shot = grid->viewport()->grab().toImage();
    int seen = 0;
    for (int row = first; row <= last; ++row) {
      const QPoint centre = delegate->pictureRect(grid->visualRect(itemList()->model()->index(row, 0))).center();
      if (!shot.rect().contains(centre)) continue;
      if (!near(shot.pixelColor(centre), m_colours.at(itemList()->model()->itemAt(row)->name()))) return false;
      ++seen;
    }
    return seen > 0;
  }
  void waitForTheThumbnails() {
    EXPECT_TRUE(QTest::qWaitFor([this] { return visibleThumbnailsShown(); }, 20000)) << "thumbnails in view";
  }
  // With one item selected, a tag added on the tag pane's last row.
  void defineTag(const QString& name) {
    TagPane* tags = tagPane();
    ASSERT_TRUE(tags->isVisible());
    doubleClick(tags->viewport(), QPoint(kNameX, tags->rowRect(tags->rowCount() - 1).center().y()));
    typeInto(tags->nameEditor(), name);
  }
  // Selects the item and types its values, Enter stepping from one to the next.
  void typeValues(const std::wstring& item, const QStringList& values) {
    clickItem(item);
    TagPane* tags = tagPane();
    ASSERT_TRUE(tags->isVisible()) << toUtf8(item);
    QTest::mouseClick(tags->viewport(), Qt::LeftButton, {}, QPoint(kValueX, tags->rowRect(0).center().y()));
    for (int row = 0; row < values.size(); ++row) {
      TRY_VERIFY(tags->editedRow() == row && tags->valueEditor()->hasFocus());
      typeInto(tags->valueEditor(), values[row]);
    }
    if (values.size() > 1) {
      // The last Enter went round to the first value: Escape leaves it.
      TRY_VERIFY(tags->editedRow() == 0);
      QTest::keyClick(tags->valueEditor(), Qt::Key_Escape);
    }
    EXPECT_EQ(tags->editedRow(), -1);
  }
  // Clicks into the search box and types text in place of what it holds.
  void search(const QString& text) {
    const QPoint at(30, searchBox()->height() / 2);
    QWidget* under = searchBox()->childAt(at);
    if (!under) under = searchBox();
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(searchBox(), at));
    ASSERT_TRUE(searchBox()->edit()->hasFocus());
    typeInto(searchBox()->edit(), text, Qt::Key_unknown);
  }
  std::vector<std::wstring> resultNames() const {
    std::vector<std::wstring> names;
    for (int i = 0; i < results()->rowCount(); ++i) names.push_back(results()->resultRow(i)->item()->name());
    std::sort(names.begin(), names.end());
    return names;
  }
  int resultRowOf(const std::wstring& name) const {
    for (int i = 0; i < results()->rowCount(); ++i)
      if (results()->resultRow(i)->item()->name() == name) return i;
    ADD_FAILURE() << "no result " << toUtf8(name);
    return 0;
  }
  void clickResult(const std::wstring& name, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(results()->viewport(), Qt::LeftButton, modifiers, results()->rowRect(resultRowOf(name)).center());
  }
  std::vector<std::wstring> collectionRows() const {
    std::vector<std::wstring> names;
    for (int i = 1; i < collections()->rowCount() - 1; ++i)
      names.push_back(collections()->collectionRow(i)->collection()->name());
    return names;
  }
  QPoint collectionCentre(const std::wstring& name) const {
    return collections()->rowRect(collections()->rowOf(m_frame->wardrobe()->collections().findByName(name))).center();
  }
  int count(const std::wstring& collection) const {
    return m_frame->wardrobe()->collections().itemCount(m_frame->wardrobe()->collections().findByName(collection));
  }
  void dragSplitter(int toX) {
    const int from = m_page->paneLayout().panes[kMidPane].left - 2;
    QTest::mousePress(m_page, Qt::LeftButton, {}, QPoint(from, 100));
    QTest::mouseMove(m_page, QPoint(toX, 100));
    QTest::mouseRelease(m_page, Qt::LeftButton, {}, QPoint(toX, 100));
  }

  // The first part of the day: a wardrobe made, filled, tagged and searched.
  void buildTheWardrobe() {
    createWardrobe(QStringLiteral("Summer Closet"));
    ASSERT_NE(m_frame->wardrobe(), nullptr);
    EXPECT_TRUE(m_frame->wardrobePageShown());
    EXPECT_EQ(m_frame->titleText(), QStringLiteral("Tavoro Wardrobe Manager - [Summer Closet]"));

    addCollection(QStringLiteral("Shirts"));
    addCollection(QStringLiteral("Shoes"));
    EXPECT_EQ(collectionRows(), (std::vector<std::wstring>{L"Shirts", L"Shoes"}));
    EXPECT_EQ(m_page->session().currentCollection()->name(), L"Shoes") << "a new collection is selected";

    selectCollection(L"Shirts");
    m_boxes.addAnswer(kIdYes);
    const size_t boxes = m_boxes.count();
    dropFolder(m_dir / L"photos/drop");
    TRY_COMPARE_WITH_TIMEOUT(itemList()->entryCount(), 25, 20000);
    activateMainWindow(m_frame.get());  // after the "Filtering Files..." dialog
    ASSERT_EQ(m_boxes.count(), boxes + 1);
    EXPECT_EQ(m_boxes.last().caption, L"Confirm Add Files");
    EXPECT_EQ(itemList()->selectedCount(), 25) << "the new entries are selected";
    EXPECT_EQ(m_page->infoStrip()->shownTexts(), QStringList{QStringLiteral("25 items selected")});
    waitForTheThumbnails();

    selectCollection(L"Shoes");
    addPhotosWithTheChooser(m_chosen);
    EXPECT_EQ(itemList()->entryCount(), 3);
    EXPECT_EQ(count(L"Shoes"), 3);
    EXPECT_EQ(m_frame->wardrobe()->collections().itemCount(m_frame->wardrobe()->collections().allCollections()), 28);
    waitForTheThumbnails();
    EXPECT_EQ(m_boxes.count(), boxes + 1) << "three photos are added without a question";
  }
  void tagTheShirts() {
    selectCollection(L"Shirts");
    clickItem(L"shirt01");
    ASSERT_EQ(m_page->rightStack()->currentIndex(), WardrobePage::kDetailsPage);
    for (const char* tag : {"Colour", "Size", "Brand"}) defineTag(QString::fromLatin1(tag));
    typeValues(L"shirt01", {QStringLiteral("red"), QStringLiteral("M"), QStringLiteral("Acme")});
    typeValues(L"shirt02", {QStringLiteral("blue"), QStringLiteral("L"), QStringLiteral("Acme")});
    typeValues(L"shirt03", {QStringLiteral("red dotted"), QStringLiteral("S"), QStringLiteral("Zeta")});
    typeValues(L"shirt04", {QStringLiteral("green"), QStringLiteral("XL"), QStringLiteral("Zeta")});
    EXPECT_TRUE(
        showsPhotoOf(m_page->details()->preview(), m_page->details()->preview()->photoBox().center(), L"shirt04"))
        << "the preview";
    const Snapshot typed = snapshotOf(*m_frame->wardrobe());
    EXPECT_EQ(typed.tags, (std::vector<std::wstring>{L"Shirts: Colour", L"Shirts: Size", L"Shirts: Brand"}));
    for (const wchar_t* line :
         {L"Shirts: shirt01 [Colour=red Size=M Brand=Acme ]", L"Shirts: shirt03 [Colour=red dotted Size=S Brand=Zeta ]",
          L"Shirts: shirt05 [Colour= Size= Brand= ]"}) {
      EXPECT_TRUE(std::any_of(typed.items.begin(), typed.items.end(), [line](const std::wstring& item) {
        return item.starts_with(line);
      })) << toUtf8(line);
    }
  }
  void searchRenameAndDelete() {
    search(QStringLiteral("re"));
    EXPECT_EQ(m_page->middleStack()->currentIndex(), WardrobePage::kSearchResultsPage);
    QTest::keyClicks(searchBox()->edit(), QStringLiteral("d"));
    EXPECT_EQ(resultNames(), (std::vector<std::wstring>{L"shirt01", L"shirt03"}));
    QTest::keyClick(searchBox()->edit(), Qt::Key_Return);  // committed: remembered
    search(QStringLiteral("acme"));
    QTest::keyClick(searchBox()->edit(), Qt::Key_Return);
    EXPECT_EQ(resultNames(), (std::vector<std::wstring>{L"shirt01", L"shirt02"}));

    // A suggestion picked with the keys.
    search(QStringLiteral("r"));
    SuggestionPopup* popup = searchBox()->popup();
    TRY_VERIFY(popup->isVisible());
    ASSERT_EQ(popup->list()->rowCount(), 1);
    QTest::keyClick(searchBox()->edit(), Qt::Key_Down);
    QTest::keyClick(searchBox()->edit(), Qt::Key_Return);
    EXPECT_EQ(searchBox()->text(), QStringLiteral("red"));
    EXPECT_EQ(resultNames(), (std::vector<std::wstring>{L"shirt01", L"shirt03"}));

    // Renamed from the results: the item list, the tag pane and the info strip follow.
    clickResult(L"shirt03");
    ASSERT_EQ(m_page->rightStack()->currentIndex(), WardrobePage::kDetailsPage);
    chooseFromMenu(results()->viewport(), results()->rowRect(resultRowOf(L"shirt03")).center(),
                   QStringLiteral("SRList Context"), kCmdRenameResult);
    typeInto(results()->renameEdit(), QStringLiteral("Red flannel"));
    EXPECT_EQ(resultNames(), (std::vector<std::wstring>{L"Red flannel", L"shirt01"}));
    m_colours[L"Red flannel"] = m_colours[L"shirt03"];
    const ItemListModel* model = itemList()->model();
    const int listRow = model->rowOfItem(m_page->details()->item());
    ASSERT_GE(listRow, 0);
    EXPECT_EQ(model->data(model->index(listRow, 0)).toString(), QStringLiteral("Red flannel"));
    EXPECT_EQ(tagPane()->boundItem()->name(), L"Red flannel");
    EXPECT_EQ(tagPane()->tagRow(0)->tag()->name(), L"Colour");
    EXPECT_TRUE(m_page->infoStrip()->shownTexts().contains(QStringLiteral("Red flannel")));

    // Two deleted from the results: the counts fall.
    search(QStringLiteral("shirt2"));
    ASSERT_EQ(results()->rowCount(), 6);
    clickResult(L"shirt20");
    clickResult(L"shirt21", Qt::ControlModifier);
    m_boxes.addAnswer(kIdYes);
    QTest::keyClick(results(), Qt::Key_Delete);
    EXPECT_EQ(m_boxes.last().caption, L"Confirm Multiple Item Delete");
    EXPECT_EQ(resultNames(), (std::vector<std::wstring>{L"shirt22", L"shirt23", L"shirt24", L"shirt25"}));
    EXPECT_EQ(count(L"Shirts"), 23);
    EXPECT_EQ(m_page->infoStrip()->shownTexts(), QStringList{QStringLiteral("4 items")});
    clickCommandBar(kCmdHideSearchResults);
    EXPECT_EQ(m_page->middleStack()->currentIndex(), WardrobePage::kItemListPage);
    EXPECT_EQ(itemList()->entryCount(), 23);
  }
  void arrangeTheCollections() {
    // Dragged: Shoes above Shirts.
    const QPoint from = collectionCentre(L"Shoes");
    const QPoint to = collections()->rowRect(1).topLeft() + QPoint(from.x(), 3);
    QTest::mousePress(collections()->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(collections()->viewport(), from - QPoint(0, 4));
    QTest::mouseMove(collections()->viewport(), to);
    QTest::mouseRelease(collections()->viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(collectionRows(), (std::vector<std::wstring>{L"Shoes", L"Shirts"}));
    chooseFromMenu(collections()->viewport(), collectionCentre(L"Shirts"), QStringLiteral("CatList_Context"),
                   kCmdSortAscending);
    EXPECT_EQ(collectionRows(), (std::vector<std::wstring>{L"Shirts", L"Shoes"}));
    chooseFromMenu(collections()->viewport(), collectionCentre(L"Shirts"), QStringLiteral("CatList_Context"),
                   kCmdMoveDown);
    EXPECT_EQ(collectionRows(), (std::vector<std::wstring>{L"Shoes", L"Shirts"}));
    EXPECT_EQ(m_frame->wardrobe()->collections().at(0)->name(), L"Shoes");
  }
  void switchViewsAndOpenTheViewer() {
    selectCollection(L"Shirts");
    QWidget* grid = itemList()->gridView();
    for (int command : {kCmdViewDetails, kCmdViewList, kCmdViewIcons, kCmdViewThumbnails}) {
      QWidget* view = itemList()->currentView()->viewport();
      chooseFromMenu(view, QPoint(5, view->height() - 5), QStringLiteral("TogList Context"), command,
                     QStringLiteral("View"));
      EXPECT_EQ(itemList()->currentView() == grid, command != kCmdViewDetails) << command;
    }
    waitForTheThumbnails();

    // The viewer pages through the list's photos.
    const QRect first = entryRect(L"shirt01");
    doubleClick(itemList()->currentView()->viewport(), first.center());
    PhotoViewer* viewer = m_frame->viewer();
    ASSERT_TRUE(viewer->isOpen());
    ASSERT_EQ(viewer->count(), 23);
    const int start = viewer->index();
    PhotoCanvas* image = viewer->imageView();
    EXPECT_EQ(image->photoPath(), itemList()->model()->itemAt(start)->mainPhotoPath());
    EXPECT_TRUE(showsPhotoOf(image, image->rect().center(), itemList()->model()->itemAt(start)->name()));
    QTest::keyClick(image, Qt::Key_Right);
    QTest::keyClick(image, Qt::Key_Space);
    EXPECT_EQ(viewer->index(), start + 2);
    QTest::keyClick(image, Qt::Key_Backspace);
    EXPECT_EQ(image->photoPath(), itemList()->model()->itemAt(start + 1)->mainPhotoPath());
    EXPECT_TRUE(showsPhotoOf(image, image->rect().center(), itemList()->model()->itemAt(start + 1)->name()));
    QTest::keyClick(image, Qt::Key_Escape);
    EXPECT_FALSE(viewer->isOpen());
    EXPECT_TRUE(itemList()->currentView()->hasFocus()) << "the focus is back in the item list";
    EXPECT_TRUE(m_page->isVisible());
  }

  std::unique_ptr<MainWindow> m_frame;
  WardrobePage* m_page = nullptr;
  QStringList m_chosen;
  std::map<std::wstring, QColor> m_colours;  // by item name
};

TEST_F(JourneyTest, ADayWithAWardrobeAndItComesBackAsItWasLeft) {
  startProgram();
  buildTheWardrobe();
  tagTheShirts();
  searchRenameAndDelete();
  arrangeTheCollections();
  switchViewsAndOpenTheViewer();
  dragSplitter(180);
  const int leftWidth = m_page->paneLayout().panes[kLeftPane].width();
  const int midWidth = m_page->paneLayout().panes[kMidPane].width();
  EXPECT_NE(leftWidth, 220);

  const Snapshot made = snapshotOf(*m_frame->wardrobe());
  EXPECT_EQ(made.items.size(), 26u);
  EXPECT_EQ(made.hotId, m_frame->wardrobe()->collections().findByName(L"Shirts")->id());
  const std::wstring file = m_frame->wardrobe()->wardrobeFilePath();
  m_boxes.addAnswer(kIdYes);
  clickCommandBar(kCmdCloseWardrobe);
  TRY_VERIFY(m_frame->wardrobe() == nullptr);
  EXPECT_EQ(m_frame->titleText(), QStringLiteral("Tavoro Wardrobe Manager"));
  EXPECT_FALSE(searchBox()->isVisible());
  EXPECT_FALSE(m_frame->wardrobePageShown());

  reopenFromTheRecentList(L"Summer Closet");
  ASSERT_NE(m_frame->wardrobe(), nullptr);
  EXPECT_EQ(m_frame->wardrobe()->wardrobeFilePath(), file);
  EXPECT_EQ(snapshotOf(*m_frame->wardrobe()), made);
  EXPECT_EQ(collectionRows(), (std::vector<std::wstring>{L"Shoes", L"Shirts"}));
  EXPECT_EQ(m_page->session().currentCollection()->name(), L"Shirts");
  EXPECT_EQ(itemList()->entryCount(), 23);
  EXPECT_EQ(searchBox()->cueText(), QStringLiteral("Search Shirts"));
  EXPECT_EQ(m_page->infoStrip()->shownTexts(), QStringList{QStringLiteral("23 items")});
  EXPECT_EQ(m_page->rightStack()->currentIndex(), WardrobePage::kHintPage);
  waitForTheThumbnails();
  clickItem(L"Red flannel");
  EXPECT_EQ(tagPane()->boundItem()->name(), L"Red flannel");
  EXPECT_EQ(tagPane()->tagRow(2)->tag()->name(), L"Brand");
  EXPECT_TRUE(
      showsPhotoOf(m_page->details()->preview(), m_page->details()->preview()->photoBox().center(), L"Red flannel"));
  EXPECT_EQ(m_page->paneLayout().panes[kLeftPane].width(), leftWidth);
  size_t photoFiles = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(toUtf8(m_frame->wardrobe()->photoFolder())))
    photoFiles += entry.is_regular_file() ? 1 : 0;
  EXPECT_EQ(photoFiles, 26u) << "the deleted items' photos are gone from disk";

  quitProgram();
  AppSettings saved;
  ASSERT_TRUE(saved.loadFrom(settingsPath(), Rect{0, 0, 1920, 1080}));
  EXPECT_EQ(saved.leftPaneWidth, leftWidth);
  EXPECT_EQ(saved.midPaneWidth, midWidth);
  EXPECT_EQ(saved.mruSearches, (std::vector<std::wstring>{L"shirt2", L"red", L"acme"}));
  EXPECT_EQ(saved.recentFiles.front(), file);
  EXPECT_EQ(saved.allSearches, (std::vector<std::wstring>{L"acme", L"red", L"shirt2"}));
}

TEST_F(JourneyTest, QuittingWithTheWardrobeOpenBringsItBackAtTheNextStart) {
  startProgram();
  createWardrobe(QStringLiteral("Travel"));
  addCollection(QStringLiteral("Bags"));
  addPhotosWithTheChooser(m_chosen);
  ASSERT_EQ(itemList()->entryCount(), 3);
  clickItem(L"boots");
  defineTag(QStringLiteral("Colour"));
  typeValues(L"boots", {QStringLiteral("brown")});
  // A value still being typed when the window is closed.
  clickItem(L"sandals");
  QTest::mouseClick(tagPane()->viewport(), Qt::LeftButton, {}, QPoint(kValueX, tagPane()->rowRect(0).center().y()));
  typeInto(tagPane()->valueEditor(), QStringLiteral("tan"), Qt::Key_unknown);
  const Snapshot made = snapshotOf(*m_frame->wardrobe());
  const std::wstring file = m_frame->wardrobe()->wardrobeFilePath();
  quitProgram();

  startProgram();
  ASSERT_NE(m_frame->wardrobe(), nullptr) << "the wardrobe open at exit reopens";
  EXPECT_EQ(m_frame->wardrobe()->wardrobeFilePath(), file);
  EXPECT_TRUE(m_frame->wardrobePageShown());
  const Snapshot reopened = snapshotOf(*m_frame->wardrobe());
  EXPECT_EQ(reopened.collections, made.collections);
  EXPECT_EQ(reopened.hotId, made.hotId);
  EXPECT_EQ(reopened.tags, std::vector<std::wstring>{L"Bags: Colour"});
  ASSERT_EQ(reopened.items.size(), 3u);
  EXPECT_TRUE(reopened.items[0].starts_with(L"Bags: boots [Colour=brown ]")) << toUtf8(reopened.items[0]);
  EXPECT_TRUE(reopened.items[1].starts_with(L"Bags: sandals [Colour=tan ]")) << toUtf8(reopened.items[1]);
  EXPECT_EQ(m_page->session().currentCollection()->name(), L"Bags");
  EXPECT_EQ(itemList()->entryCount(), 3);
  waitForTheThumbnails();
}

TEST_F(JourneyTest, ASecondWriterWhileTheWardrobeIsOpenLosesNothingOfTheirs) {
  startProgram();
  createWardrobe(QStringLiteral("Shared"));
  addCollection(QStringLiteral("Bags"));
  ASSERT_TRUE(test::trigger(m_frame.get(), kCmdSave));
  const std::string file = toUtf8(m_frame->wardrobe()->wardrobeFilePath());
  const auto import = [&](const QString& photo, bool force) {
    std::vector<std::string> arguments{"import", file, "Bags", photo.toStdString()};
    if (force) arguments.insert(arguments.begin() + 1, "--force");
    return test::runCli(arguments);
  };

  // The window holds the wardrobe's lock: tavoro-cli names it and refuses.
  const test::CliRun refused = import(m_chosen[0], false);
  EXPECT_NE(refused.status, 0);
  EXPECT_NE(refused.err.find("is open in Tavoro by"), std::string::npos) << refused.err;
  // Forced, it writes the file; with nothing unsaved the window reads it anew.
  ASSERT_EQ(import(m_chosen[0], true).status, 0);
  TRY_COMPARE(itemList()->entryCount(), 1);
  EXPECT_EQ(m_page->session().currentCollection()->name(), L"Bags");
  addPhotosWithTheChooser({m_chosen[1]});
  ASSERT_TRUE(test::trigger(m_frame.get(), kCmdSave));

  // Now with a change of ours unsaved: the window asks before anything is
  // written, naming what reading anew would lose.
  addCollection(QStringLiteral("Hats"));
  const size_t boxes = m_boxes.count();
  m_boxes.addAnswer(kIdYes);
  ASSERT_EQ(import(m_chosen[2], true).status, 0);
  TRY_COMPARE(m_boxes.count(), boxes + 1);
  EXPECT_NE(m_boxes.last().text.find(L"changed on disk by another program"), std::wstring::npos);
  EXPECT_NE(m_boxes.last().text.find(L"- Add Collection"), std::wstring::npos);
  TRY_COMPARE(itemList()->entryCount(), 3);
  EXPECT_EQ(m_frame->wardrobe()->collections().findByName(L"Hats"), nullptr) << "ours was given up, as chosen";
  EXPECT_EQ(m_page->session().history().count(), 0);

  quitProgram();
  Wardrobe saved;
  ASSERT_TRUE(readWardrobe(fromUtf8(file), saved));
  const Snapshot kept = snapshotOf(saved);
  ASSERT_EQ(kept.items.size(), 3u);
  EXPECT_TRUE(kept.items[0].starts_with(L"Bags: boots")) << toUtf8(kept.items[0]);
  EXPECT_TRUE(kept.items[1].starts_with(L"Bags: sandals")) << toUtf8(kept.items[1]);
  EXPECT_TRUE(kept.items[2].starts_with(L"Bags: sneakers")) << toUtf8(kept.items[2]);
}

}  // namespace
}  // namespace tavoro::ui
