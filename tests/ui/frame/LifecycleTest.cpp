#include <gtest/gtest.h>
#include <unistd.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "FrameTestSupport.h"
#include "LockHolder.h"
#include "TestSession.h"
#include "TestFiles.h"
#include "settings/AppSettings.h"
#include "platform/FileSystem.h"
#include "platform/FileTime.h"
#include "platform/Utf8.h"
#include "platform/LockFile.h"
#include "ui/common/CommandIds.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/QtText.h"
#include "ui/controls/InlineEditor.h"
#include "ui/page/WardrobePage.h"
#include "ui/dialogs/NewWardrobeDialog.h"
#include "ui/dialogs/OpenWardrobeDialog.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/RecentWardrobes.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

using LifecycleTest = FrameTest;

const wchar_t* const kProgram = L"Tavoro Wardrobe Manager";

std::wstring openingError(const std::wstring& path) {
  return L"Error opening \"" + path + L"\"!\n\nFile does not exist or may be corrupted.";
}

// Makes a later save of the wardrobe fail: a folder, with something in it,
// stands where its file goes (a read-only folder would not stop root).
void blockSaving(Wardrobe& wardrobe) {
  const std::wstring file = wardrobe.wardrobeFilePath();
  removeFile(file);
  ASSERT_TRUE(createFolders(file));
  test::writeFile(file + L"/keep", "x");
}

TEST_F(LifecycleTest, NewWardrobeFromTheDialogIsShownAndNamedInTheTitle) {
  AppSettings::settings().nextWardrobeId = 3;
  auto frame = makeFrame();
  start(*frame);
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavoro Wardrobe Manager"));

  onNextDialog<NewWardrobeDialog>([](NewWardrobeDialog& dialog) {
    dialog.nameEdit()->setText(QStringLiteral("My Wardrobe 40"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  });
  test::trigger(frame.get(), kCmdNew);

  ASSERT_NE(frame->wardrobe(), nullptr);
  EXPECT_EQ(frame->wardrobe()->name(), L"My Wardrobe 40");
  EXPECT_EQ(frame->wardrobe()->wardrobeId(), 40);
  EXPECT_EQ(AppSettings::settings().nextWardrobeId, 41);
  EXPECT_TRUE(isFolder(m_wardrobes + L"/My Wardrobe 40"));
  EXPECT_EQ(frame->selectedTab(), 1);
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavoro Wardrobe Manager - [My Wardrobe 40]"));
  // Not on disk, and so not among the recent wardrobes, until saved.
  EXPECT_FALSE(isFile(frame->wardrobe()->wardrobeFilePath()));
  EXPECT_TRUE(frame->recentWardrobes().paths().empty());
  EXPECT_TRUE(m_boxes.records().empty());

  ASSERT_TRUE(frame->lifecycle().saveWardrobe());
  EXPECT_TRUE(isFile(m_wardrobes + L"/My Wardrobe 40/My Wardrobe 40.twd"));
  EXPECT_EQ(frame->recentWardrobes().paths(), std::vector<std::wstring>{m_wardrobes + L"/My Wardrobe 40/My Wardrobe 40.twd"});
}

TEST_F(LifecycleTest, CancelledNewWardrobeChangesNothing) {
  AppSettings::settings().nextWardrobeId = 7;
  auto frame = makeFrame();
  start(*frame);
  for (int i = 0; i < 3; ++i) {
    onNextDialog<NewWardrobeDialog>([](NewWardrobeDialog& dialog) { dialog.reject(); });
    test::trigger(frame.get(), kCmdNew);
  }
  EXPECT_EQ(frame->wardrobe(), nullptr);
  EXPECT_EQ(AppSettings::settings().nextWardrobeId, 7);
}

TEST_F(LifecycleTest, OpenFailureSaysSoAndLeavesTheRecentList) {
  const std::wstring good = writeWardrobeFile(L"Summer");
  const std::wstring notAWardrobe = m_dir / L"notes.twd";
  test::writeFile(notAWardrobe, "<html>not a wardrobe</html>");
  const std::wstring missing = m_dir / L"gone.twd";
  AppSettings::settings().recentFiles = {notAWardrobe, missing, good};
  auto frame = makeFrame();
  start(*frame);

  EXPECT_FALSE(frame->lifecycle().openWardrobe(notAWardrobe, false, true));
  ASSERT_EQ(m_boxes.count(), 1u);
  // The design's words, then why on a line of its own.
  const std::wstring told = m_boxes.last().text;
  EXPECT_EQ(told.substr(0, openingError(notAWardrobe).size() + 2), openingError(notAWardrobe) + L"\n\n");
  EXPECT_GT(told.size(), openingError(notAWardrobe).size() + 2) << "a reason";
  EXPECT_EQ(m_boxes.last().caption, L"Error");
  EXPECT_EQ(m_boxes.last().icon, QMessageBox::Critical);
  EXPECT_EQ(frame->recentWardrobes().paths(), (std::vector<std::wstring>{missing, good}));

  // Silently: no box, but the path leaves the list all the same.
  EXPECT_FALSE(frame->lifecycle().openWardrobe(missing, true, true));
  EXPECT_EQ(m_boxes.count(), 1u);
  EXPECT_EQ(frame->recentWardrobes().paths(), std::vector<std::wstring>{good});
  EXPECT_EQ(frame->wardrobe(), nullptr);
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavoro Wardrobe Manager"));
}

TEST_F(LifecycleTest, OpeningMovesTheFileToTheFrontAndNamesTheTitle) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  const std::wstring winter = writeWardrobeFile(L"Winter");
  AppSettings::settings().recentFiles = {winter, summer};
  auto frame = makeFrame();
  start(*frame);

  // Given with spaces around it, as a command line might.
  ASSERT_TRUE(frame->lifecycle().openWardrobe(L"  " + summer + L" ", false, false));
  EXPECT_EQ(frame->recentWardrobes().paths(), (std::vector<std::wstring>{summer, winter}));
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavoro Wardrobe Manager - [Summer]"));
  // Not activated: the wardrobe tab is there, the home page stays in front.
  EXPECT_EQ(frame->selectedTab(), 0);
  // A second wardrobe cannot be opened over the first.
  EXPECT_FALSE(frame->lifecycle().openWardrobe(winter, false, true));
  EXPECT_EQ(frame->wardrobe()->name(), L"Summer");
}

TEST_F(LifecycleTest, CloseAsksWithTheTextOfThePageShown) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  auto frame = makeFrame();
  start(*frame);
  ASSERT_TRUE(frame->lifecycle().openWardrobe(summer, false, true));

  m_boxes.addAnswer(kIdNo);
  test::trigger(frame.get(), kCmdClose);
  ASSERT_EQ(m_boxes.count(), 1u);
  EXPECT_EQ(m_boxes.last().text, L"Are you sure you want to close current wardrobe \"Summer\"?");
  EXPECT_EQ(m_boxes.last().caption, kProgram);
  EXPECT_EQ(m_boxes.last().icon, QMessageBox::Question);
  EXPECT_EQ(m_boxes.last().defaultButton, kIdNo);
  EXPECT_NE(frame->wardrobe(), nullptr);

  // From the home page, opening another wardrobe asks the other question.
  frame->clientView()->selectTab(0);
  m_boxes.addAnswer(kIdNo);
  test::trigger(frame.get(), kCmdNew);
  ASSERT_EQ(m_boxes.count(), 2u);
  EXPECT_EQ(m_boxes.last().text,
            L"To continue, wardrobe \"Summer\" must be closed.\n\nAre you sure you want to close \"Summer\"?");
  EXPECT_NE(frame->wardrobe(), nullptr);

  m_boxes.addAnswer(kIdYes);
  FileTimes before, after;
  ASSERT_TRUE(fileTimes(summer, before));
  QTest::qWait(20);
  test::trigger(frame.get(), kCmdClose);
  EXPECT_EQ(frame->wardrobe(), nullptr);
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavoro Wardrobe Manager"));
  EXPECT_EQ(frame->selectedTab(), 0);
  ASSERT_TRUE(fileTimes(summer, after));
  EXPECT_NE(after.lastWrite, before.lastWrite) << "closing saves";
}

TEST_F(LifecycleTest, AFailedSaveKeepsTheWardrobeOpenOnCloseAndExit) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  auto frame = makeFrame();
  start(*frame);
  ASSERT_TRUE(frame->lifecycle().openWardrobe(summer, false, true));
  blockSaving(*frame->wardrobe());

  m_boxes.addAnswer(kIdYes);
  test::trigger(frame.get(), kCmdClose);
  ASSERT_EQ(m_boxes.count(), 2u);
  const std::wstring saying = L"Error saving file \"" + summer + L"\"!\n\n";
  EXPECT_EQ(m_boxes.last().text.substr(0, saying.size()), saying);
  EXPECT_GT(m_boxes.last().text.size(), saying.size()) << "a reason";
  EXPECT_EQ(m_boxes.last().caption, L"Error");
  EXPECT_NE(frame->wardrobe(), nullptr);

  // Exit saves without asking; the failure keeps the window.
  EXPECT_FALSE(frame->close());
  EXPECT_TRUE(frame->isVisible());
  EXPECT_NE(frame->wardrobe(), nullptr);
  EXPECT_EQ(m_boxes.count(), 3u);
  EXPECT_EQ(m_boxes.last().caption, L"Error");

  // Once the file can be written again, exit goes through.
  ASSERT_TRUE(removeTree(summer));
  EXPECT_TRUE(frame->close());
  EXPECT_TRUE(isFile(summer));
  EXPECT_TRUE(AppSettings::settings().lastWardrobeActive);
  EXPECT_EQ(AppSettings::settings().activeTab, 1);
}

TEST_F(LifecycleTest, AWardrobeOpenElsewhereOpensReadOnlyAnywayOrNotAtAll) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  test::LockHolder other(lockFilePath(summer));
  ASSERT_TRUE(other.waitUntilHeld());
  auto frame = makeFrame();
  start(*frame);
  struct Case {
    int answer;
    bool opened;
    bool readOnly;
  };
  for (const Case& c : {Case{kIdCancel, false, false}, Case{kIdYes, true, true}, Case{kIdNo, true, false}}) {
    m_boxes.addAnswer(c.answer);
    const size_t boxes = m_boxes.count();
    EXPECT_EQ(frame->lifecycle().openWardrobe(summer, false, true), c.opened) << c.answer;
    ASSERT_EQ(m_boxes.count(), boxes + 1);
    const std::wstring& asked = m_boxes.last().text;
    EXPECT_NE(asked.find(L"is open in Tavoro by "), std::wstring::npos) << toUtf8(asked);
    EXPECT_NE(asked.find(L"(process " + std::to_wstring(other.pid()) + L")"), std::wstring::npos) << toUtf8(asked);
    if (!c.opened) {
      EXPECT_EQ(frame->wardrobe(), nullptr);
      continue;
    }
    EXPECT_EQ(frame->session().isReadOnly(), c.readOnly);
    EXPECT_EQ(frame->windowTitle().endsWith(QStringLiteral(" (read-only)")), c.readOnly);
    if (c.readOnly) {
      const std::string before = test::readFile(summer);
      EXPECT_EQ(frame->session().addCollection(L"Coats"), nullptr);
      ASSERT_EQ(m_boxes.count(), boxes + 2) << "the refusal says why";
      EXPECT_NE(m_boxes.last().text.find(L"is open read-only"), std::wstring::npos);
      m_boxes.addAnswer(kIdYes);
      test::trigger(frame.get(), kCmdClose);
      EXPECT_EQ(test::readFile(summer), before) << "closing wrote nothing";
    } else {
      m_boxes.addAnswer(kIdYes);
      test::trigger(frame.get(), kCmdClose);
    }
    EXPECT_EQ(frame->wardrobe(), nullptr);
    LockOwner holder;
    ASSERT_TRUE(readLockFile(lockFilePath(summer), holder));
    EXPECT_EQ(holder.pid, other.pid()) << "their lock stays theirs";
  }
}

TEST_F(LifecycleTest, ASaveOverAFileAnotherProgramWroteAsksWhatToKeep) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  auto frame = makeFrame();
  start(*frame);
  ASSERT_TRUE(frame->lifecycle().openWardrobe(summer, false, true));
  LockOwner mine;
  ASSERT_TRUE(readLockFile(lockFilePath(summer), mine));
  EXPECT_EQ(mine.pid, static_cast<int>(::getpid())) << "the window holds the lock";
  const auto theirsAdds = [&](const std::wstring& name) {
    Wardrobe theirs;
    ASSERT_TRUE(readWardrobe(summer, theirs));
    theirs.collections().add(name);
    ASSERT_TRUE(writeWardrobe(theirs));
  };
  const auto fileHolds = [&](const std::wstring& name) {
    Wardrobe saved;
    EXPECT_TRUE(readWardrobe(summer, saved));
    return saved.collections().findByName(name) != nullptr;
  };
  WardrobeSession& session = frame->session();

  // Cancel: nothing is written.
  session.addCollection(L"Coats");
  theirsAdds(L"Bags");
  m_boxes.addAnswer(kIdCancel);
  test::trigger(frame.get(), kCmdSave);
  ASSERT_EQ(m_boxes.count(), 1u);
  EXPECT_NE(m_boxes.last().text.find(L"was changed on disk by another program since it was read"), std::wstring::npos);
  EXPECT_NE(m_boxes.last().text.find(L"- Add Collection"), std::wstring::npos) << "it names what would be lost";
  EXPECT_TRUE(fileHolds(L"Bags"));
  EXPECT_FALSE(fileHolds(L"Coats"));

  // No: their file is read anew, ours is lost.
  m_boxes.addAnswer(kIdNo);
  test::trigger(frame.get(), kCmdSave);
  EXPECT_EQ(m_boxes.count(), 2u);
  EXPECT_NE(session.wardrobe()->collections().findByName(L"Bags"), nullptr);
  EXPECT_EQ(session.wardrobe()->collections().findByName(L"Coats"), nullptr);
  EXPECT_FALSE(session.hasUnsavedChanges());
  EXPECT_TRUE(frame->wardrobePageShown());

  // Yes: ours replaces theirs.
  session.addCollection(L"Hats");
  theirsAdds(L"Belts");
  m_boxes.addAnswer(kIdYes);
  test::trigger(frame.get(), kCmdSave);
  EXPECT_EQ(m_boxes.count(), 3u);
  EXPECT_TRUE(fileHolds(L"Hats"));
  EXPECT_FALSE(fileHolds(L"Belts"));

  // With nothing unsaved, a save takes their file in and asks nothing.
  theirsAdds(L"Scarves");
  test::trigger(frame.get(), kCmdSave);
  EXPECT_EQ(m_boxes.count(), 3u);
  EXPECT_NE(session.wardrobe()->collections().findByName(L"Scarves"), nullptr);
}

TEST_F(LifecycleTest, FromOutsideTheOpenWardrobeIsLeftAloneAndAnotherReplacesIt) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  const std::wstring winter = writeWardrobeFile(L"Winter");
  auto frame = makeFrame();
  start(*frame);
  ASSERT_TRUE(frame->lifecycle().openWardrobe(summer, false, true));

  // The same file in another spelling: nothing is asked, nothing changes.
  const std::wstring sameFile = m_wardrobes + L"/Winter/../Summer//Summer.twd";
  frame->lifecycle().openWardrobeFromOutside(sameFile);
  EXPECT_TRUE(m_boxes.records().empty());
  EXPECT_EQ(frame->wardrobe()->name(), L"Summer");

  m_boxes.addAnswer(kIdNo);
  frame->lifecycle().openWardrobeFromOutside(winter);
  EXPECT_EQ(frame->wardrobe()->name(), L"Summer");
  m_boxes.addAnswer(kIdYes);
  frame->lifecycle().openWardrobeFromOutside(winter);
  ASSERT_NE(frame->wardrobe(), nullptr);
  EXPECT_EQ(frame->wardrobe()->name(), L"Winter");
  EXPECT_EQ(frame->selectedTab(), 1);
  EXPECT_EQ(frame->recentWardrobes().paths(), (std::vector<std::wstring>{winter, summer}));
}

TEST_F(LifecycleTest, TheLastWardrobeComesBackAtStart) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  struct Case {
    bool lastActive;
    bool loadLast;
    int activeTab;
    bool reopened;
  };
  for (const Case c : {Case{true, true, 1, true}, Case{true, true, 0, true}, Case{false, true, 1, false},
                       Case{true, false, 1, false}}) {
    forgetSavedSettings();
    AppSettings& settings = AppSettings::settings();
    settings.recentFiles = {summer};
    settings.lastWardrobeActive = c.lastActive;
    settings.loadLastWardrobe = c.loadLast;
    settings.activeTab = c.activeTab;
    auto frame = makeFrame();
    start(*frame);
    ASSERT_EQ(frame->wardrobe() != nullptr, c.reopened) << c.lastActive << c.loadLast;
    if (c.reopened) {
      EXPECT_EQ(frame->selectedTab(), c.activeTab);
    }
    frame->close();
  }
  EXPECT_TRUE(m_boxes.records().empty());
}

TEST_F(LifecycleTest, AWardrobeThatCannotBeReopenedIsDroppedSilently) {
  const std::wstring gone = m_dir / L"gone.twd";
  AppSettings& settings = AppSettings::settings();
  settings.recentFiles = {gone};
  settings.lastWardrobeActive = true;
  auto frame = makeFrame();
  start(*frame);
  EXPECT_EQ(frame->wardrobe(), nullptr);
  EXPECT_TRUE(frame->recentWardrobes().paths().empty());
  EXPECT_TRUE(m_boxes.records().empty());
}

TEST_F(LifecycleTest, ExitRecordsTheStateAndWritesTheSettings) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  {
    auto frame = makeFrame();
    start(*frame);
    ASSERT_TRUE(frame->lifecycle().openWardrobe(summer, false, false));
    ASSERT_TRUE(frame->close());
    EXPECT_EQ(frame->wardrobe(), nullptr);
  }
  const std::string written = test::readFile(settingsPath());
  EXPECT_NE(written.find("last_wardrobe_active=\"1\""), std::string::npos) << written;
  EXPECT_NE(written.find("active_tab=\"0\""), std::string::npos) << written;
  EXPECT_NE(written.find(toQString(summer).toStdString()), std::string::npos) << written;
  EXPECT_NE(written.find("debut=\"0\""), std::string::npos) << written;
}

TEST_F(LifecycleTest, OpenDialogOpensTheChosenRecentWardrobe) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  const std::wstring winter = writeWardrobeFile(L"Winter");
  AppSettings::settings().recentFiles = {winter, summer};
  auto frame = makeFrame();
  start(*frame);
  onNextDialog<OpenWardrobeDialog>([](OpenWardrobeDialog& dialog) {
    dialog.selectRow(1);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  });
  test::trigger(frame.get(), kCmdOpen);
  ASSERT_NE(frame->wardrobe(), nullptr);
  EXPECT_EQ(frame->wardrobe()->name(), L"Summer");
  EXPECT_EQ(frame->selectedTab(), 1);
}

TEST_F(LifecycleTest, ANameStillBeingTypedIsSavedBySaveAndByClosingTheWindow) {
  for (const bool byClosing : {false, true}) {
    SCOPED_TRACE(byClosing ? "closing the window" : "Ctrl+S");
    Wardrobe closet(m_wardrobes + L"/Closet" + (byClosing ? L"1" : L"2"), L"Closet");
    closet.collections().add(L"Shoes");
    ASSERT_TRUE(writeWardrobe(closet));
    auto frame = makeFrame();
    start(*frame);
    ASSERT_TRUE(frame->lifecycle().openWardrobe(closet.wardrobeFilePath(), false, true));
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    CollectionPane* pane = frame->clientView()->wardrobeView()->collectionPane();
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->rowRect(1).center());
    QTest::mouseDClick(pane->viewport(), Qt::LeftButton, {}, pane->rowRect(1).center());
    ASSERT_TRUE(pane->editor()->hasFocus());
    QTest::keyClick(pane->editor(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(pane->editor(), QStringLiteral("Boots"));
    if (byClosing) {
      // Closing the window by its frame moves no focus: the edit is still open.
      ASSERT_TRUE(frame->close());
    } else {
      QTest::keyClick(pane->editor(), Qt::Key_S, Qt::ControlModifier);
      EXPECT_FALSE(pane->editor()->isEditing());
      EXPECT_TRUE(pane->hasFocus()) << "the focus goes back to the pane whose edit ended";
    }
    Wardrobe saved;
    ASSERT_TRUE(readWardrobe(closet.wardrobeFilePath(), saved));
    ASSERT_EQ(saved.collections().count(), 1u);
    EXPECT_EQ(saved.collections().at(0)->name(), L"Boots");
  }
}

}  // namespace
}  // namespace tavoro::ui
