#include <unistd.h>

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <set>

#include "ItemListFixture.h"
#include "imaging/import/ImportMessages.h"
#include "platform/PathOps.h"
#include "ui/common/CommandIds.h"
#include "ui/items/PhotoFileDialog.h"

namespace tavoro::ui {
namespace {

// Answers the Add Photos chooser with prepared files, recording what it was offered.
class ScopedPhotoFiles {
 public:
  explicit ScopedPhotoFiles(QStringList files) {
    m_previous = setPhotoFilesResponder([this, files](const QStringList& offered) {
      filters = offered;
      ++asked;
      return files;
    });
  }
  ~ScopedPhotoFiles() { setPhotoFilesResponder(std::move(m_previous)); }
  QStringList filters;
  int asked = 0;

 private:
  PhotoFilesResponder m_previous;
};

QMimeData* fileList(const std::vector<std::wstring>& paths) {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  for (const std::wstring& path : paths) urls.push_back(QUrl::fromLocalFile(toQString(path)));
  data->setUrls(urls);
  return data;
}

class ItemListImportTest : public ItemListFixture {
 protected:
  // A folder of count photos (and as many text files) under the photos folder.
  std::wstring photoFolder(const std::wstring& name, int count) {
    const std::wstring folder = m_dir / (L"photos/" + name);
    EXPECT_TRUE(createFolders(folder));
    for (int i = 0; i < count; ++i) {
      test::writeFile(folder + L"/" + std::to_wstring(i) + L".jpg", test::jpegBytes(8, 8, i));
      test::writeFile(folder + L"/" + std::to_wstring(i) + L".txt", "not a photo");
    }
    return folder;
  }
  // Drags the data over the list and drops it; whether the drag was taken as a copy.
  bool drop(QMimeData* data) {
    QWidget* target = m_pane.currentView()->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    const bool taken = enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
    QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    delete data;
    return taken;
  }
  // Waits until the pane has count entries (the drop is taken in after it ends).
  void waitForEntries(int count) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_pane.entryCount() == count; }, 10000)) << m_pane.entryCount();
  }
};

TEST_F(ItemListImportTest, AddPhotosAddsTheChosenFilesSelectsThemAndSaysHowManyWereNotAdded) {
  show(m_shirts);
  struct Case {
    const char* what;
    std::vector<std::wstring> chosen;
    int added;
    std::wstring message;  // empty: none
  };
  const Case cases[] = {
      {"three photos", {photo(L"a.jpg"), photo(L"b.png"), photo(L"c.bmp")}, 3, L""},
      {"another type and a file gone",
       {photo(L"d.jpg"), m_dir / L"photos/notes.txt", m_dir / L"photos/gone.jpg"},
       1,
       L"2 of the 3 photos could not be added."},
      {"one file gone", {m_dir / L"photos/gone.png"}, 0, L"The photo could not be added."},
  };
  for (const Case& c : cases) {
    test::writeFile(m_dir / L"photos/notes.txt", "text");
    QStringList chosen;
    for (const std::wstring& path : c.chosen) chosen.push_back(toQString(path));
    ScopedPhotoFiles chooser(chosen);
    const int before = m_pane.entryCount();
    const size_t boxes = m_boxes.count();
    test::trigger(&m_pane, kCmdAddPhotos);
    EXPECT_EQ(chooser.filters, photoFileFilters());
    EXPECT_EQ(chooser.filters.back(),
              QStringLiteral("All Formats (*.bmp *.dib *.jfif *.jpg *.jpeg *.jpe *.png *.rle)"));
    EXPECT_EQ(m_pane.entryCount(), before + c.added) << c.what;
    if (c.added > 0) {
      std::vector<int> added;
      for (int row = before; row < before + c.added; ++row) added.push_back(row);
      EXPECT_EQ(m_pane.selectedRows(), added) << c.what;
      EXPECT_EQ(m_pane.selection()->currentIndex().row(), before);
    }
    if (c.message.empty()) {
      EXPECT_EQ(m_boxes.count(), boxes) << c.what;
    } else {
      ASSERT_EQ(m_boxes.count(), boxes + 1) << c.what;
      EXPECT_EQ(m_boxes.last().text, c.message);
      EXPECT_EQ(m_boxes.last().type, unsigned(kMbOk | kMbIconWarning));
    }
  }
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"a", L"b", L"c", L"d"}));
}

TEST_F(ItemListImportTest, PasteSearchesFoldersKeepsOnlyPhotosAndFailsOnTheRest) {
  const std::wstring tree = photoFolder(L"tree", 1);
  photoFolder(L"tree/sub", 1);
  test::writeFile(tree + L"/sub/c.png", test::jpegBytes(8, 8));
  ASSERT_EQ(::symlink(toUtf8(tree).c_str(), toUtf8(tree + L"/sub/back up").c_str()), 0) << "a link cycle";
  show(m_shirts);
  struct Case {
    const char* what;
    QMimeData* clipboard;
    int added;
    bool pasteFailed;
  };
  auto* text = new QMimeData;
  text->setText(QStringLiteral("red shirt"));
  const Case cases[] = {
      {"text only: nothing happens", text, 0, false},
      {"a folder tree with other files and a link cycle", fileList({tree}), 3, false},
      {"text files only", fileList({tree + L"/0.txt", tree + L"/sub/0.txt"}), 0, true},
  };
  for (const Case& c : cases) {
    QGuiApplication::clipboard()->setMimeData(c.clipboard);
    const int before = m_pane.entryCount();
    const size_t boxes = m_boxes.count();
    test::trigger(&m_pane, kCmdListPaste);
    EXPECT_EQ(m_pane.entryCount(), before + c.added) << c.what;
    EXPECT_EQ(m_boxes.count(), boxes + (c.pasteFailed ? 1 : 0)) << c.what;
    if (c.pasteFailed) {
      EXPECT_EQ(m_boxes.last().text, kPasteFailedMessage);
      EXPECT_EQ(m_boxes.last().type, unsigned(kMbOk | kMbIconInformation));
    }
  }
  const std::vector<std::wstring> shown = names();
  EXPECT_EQ(std::set<std::wstring>(shown.begin(), shown.end()), (std::set<std::wstring>{L"0", L"c"}));
  EXPECT_EQ(shown.size(), 3u);
}

TEST_F(ItemListImportTest, APasteWhoseCopiesAllFailSaysOnlyThat) {
  show(m_shirts);
  const std::wstring folder = photoFolder(L"blocked", 2);
  // A file where the collection's photo folder goes: no photo can be copied.
  const std::wstring photos = m_shirts->namedPhotoFolder();
  ASSERT_FALSE(isFolder(photos));
  ASSERT_TRUE(createFolders(pathFolder(photos)));
  test::writeFile(photos, "in the way");
  QGuiApplication::clipboard()->setMimeData(fileList({folder}));
  const size_t boxes = m_boxes.count();
  const int before = m_pane.entryCount();
  test::trigger(&m_pane, kCmdListPaste);
  EXPECT_EQ(m_pane.entryCount(), before);
  ASSERT_EQ(m_boxes.count(), boxes + 1) << "the failure, and no \"Paste failed\" after it";
  EXPECT_EQ(m_boxes.last().type, unsigned(kMbOk | kMbIconWarning));
}

TEST_F(ItemListImportTest, DroppedFilesAreCopiedAndTwentyOrMoreAreAskedAbout) {
  show(m_shirts);
  auto* text = new QMimeData;
  text->setText(QStringLiteral("red shirt"));
  EXPECT_FALSE(drop(text)) << "only lists of files are taken";
  struct Case {
    int photos;
    int answer;  // 0: no question expected
    int added;
  };
  int total = 0;
  for (const Case& c : {Case{19, 0, 19}, Case{20, kIdNo, 0}, Case{20, kIdYes, 20}}) {
    const std::wstring folder = photoFolder(L"drop" + std::to_wstring(total++), c.photos);
    const size_t boxes = m_boxes.count();
    if (c.answer) m_boxes.addAnswer(c.answer);
    const int before = m_pane.entryCount();
    EXPECT_TRUE(drop(fileList({folder})));
    if (c.answer) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return m_boxes.count() == boxes + 1; }, 5000));
      EXPECT_EQ(m_boxes.last().text, addFilesQuestion(20));
      EXPECT_EQ(m_boxes.last().text,
                L"20 files are to be added. This may take some time. \nAre you sure you want to continue?");
      EXPECT_EQ(m_boxes.last().caption, L"Confirm Add Files");
      EXPECT_EQ(m_boxes.last().type, unsigned(kMbQuestion));
    }
    if (c.added) {
      waitForEntries(before + c.added);
      EXPECT_TRUE(m_pane.currentView()->hasFocus());
    } else {
      QApplication::processEvents();
    }
    EXPECT_EQ(m_pane.entryCount(), before + c.added) << c.photos << " photos";
    EXPECT_EQ(m_boxes.count(), boxes + (c.answer ? 1 : 0));
    EXPECT_EQ(m_shirts->items().count(), static_cast<size_t>(m_pane.entryCount()));
  }
}

TEST_F(ItemListImportTest, EveryWayInRefusesAllCollections) {
  const std::wstring photoFile = photo(L"a.jpg");
  QGuiApplication::clipboard()->setMimeData(fileList({photoFile}));
  ScopedPhotoFiles chooser({toQString(photoFile)});
  struct Way {
    const char* what;
    std::function<void()> use;
  };
  const Way ways[] = {
      {"Add Photos", [&] { m_pane.addPhotos(); }},
      {"Paste", [&] { m_pane.paste(); }},
      {"a drop", [&] { drop(fileList({photoFile})); }},
  };
  show(m_wardrobe.collections().allCollections());
  // The commands' buttons and menu entries are disabled there too.
  for (const int id : {kCmdAddPhotos, kCmdListPaste}) EXPECT_FALSE(findCommandAction(&m_pane, id)->isEnabled()) << id;
  for (const Way& way : ways) {
    const size_t boxes = m_boxes.count();
    way.use();
    QApplication::processEvents();
    EXPECT_EQ(m_boxes.count(), boxes + 1) << way.what;
    EXPECT_EQ(m_boxes.last().text,
              L"Adding photos to \"All Collections\" is not allowed.\n\nPlease select a collection and try again.");
    EXPECT_EQ(m_boxes.last().caption, L"Tavoro Wardrobe Manager");
    EXPECT_EQ(m_boxes.last().type, unsigned(kMbOk | kMbIconInformation));
  }
  EXPECT_EQ(chooser.asked, 0);
  EXPECT_EQ(m_pane.entryCount(), 0);
  EXPECT_EQ(m_shirts->items().count(), 0u);
}

}  // namespace
}  // namespace tavoro::ui
