#include <gtest/gtest.h>
#include <zip.h>

#include <QPushButton>
#include <QTest>

#include "FrameTestSupport.h"
#include "PhotoFactory.h"
#include "TestFiles.h"
#include "TestSession.h"
#include "export/WardrobeBackup.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "ui/common/CommandIds.h"
#include "ui/dialogs/OpenWardrobeDialog.h"
#include "ui/frame/MainWindow.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

class RestoreWindowTest : public FrameTest {
 protected:
  // A backup of a wardrobe "Winter" with two photographed items.
  std::wstring makeBackup() {
    const std::wstring source = m_dir / L"source.jpg";
    test::writeFile(source, test::jpegBytes(64, 48, 1));
    Wardrobe wardrobe(m_dir / L"original/Winter", L"Winter");
    Collection* coats = wardrobe.collections().add(L"Coats");
    for (int i = 0; i < 2; ++i) EXPECT_NE(coats->items().addFromPhotoFile(source), nullptr);
    EXPECT_TRUE(writeWardrobe(wardrobe));
    const std::wstring zip = m_dir / L"Winter.zip";
    EXPECT_TRUE(backupWardrobe(wardrobe.wardrobeFilePath(), zip, {}).ok());
    return zip;
  }

  void expectRestoredAt(const std::wstring& folder) {
    ASSERT_NE(m_frame->wardrobe(), nullptr);
    EXPECT_EQ(m_frame->wardrobe()->wardrobeFilePath(), folder + L"/Winter.twd");
    const Collection* coats = m_frame->wardrobe()->collections().at(0);
    ASSERT_EQ(coats->items().count(), 2u);
    EXPECT_TRUE(isFile(coats->items().at(0)->mainPhotoPath()));
  }

  std::unique_ptr<MainWindow> m_frame;
};

TEST_F(RestoreWindowTest, RestoringFromTheOpenDialogOrTheMenuOpensTheRestoredWardrobe) {
  const std::wstring zip = makeBackup();
  m_frame = makeFrame();
  start(*m_frame);
  {
    ScopedChooser chooser({QString::fromStdWString(zip), QString::fromStdWString(m_dir / L"first")});
    onNextDialog<OpenWardrobeDialog>(
        [](OpenWardrobeDialog& dialog) { QTest::mouseClick(dialog.restoreButton(), Qt::LeftButton); });
    ASSERT_TRUE(test::trigger(m_frame.get(), kCmdOpen));
    EXPECT_EQ(chooser.asked, (std::vector<ChooserKind>{ChooserKind::BackupFile, ChooserKind::NewFolder}));
  }
  expectRestoredAt(m_dir / L"first");
  EXPECT_EQ(m_frame->selectedTab(), 1);

  // With a wardrobe open, it is closed first, asking as Open does.
  m_boxes.addAnswer(kIdYes);
  {
    ScopedChooser chooser({QString::fromStdWString(zip), QString::fromStdWString(m_dir / L"second")});
    ASSERT_TRUE(test::trigger(m_frame.get(), kCmdRestoreWardrobe));
  }
  ASSERT_EQ(m_boxes.count(), 1u);
  EXPECT_EQ(m_boxes.last().text, L"Are you sure you want to close current wardrobe \"Winter\"?");
  expectRestoredAt(m_dir / L"second");
}

TEST_F(RestoreWindowTest, ARefusedArchiveSaysWhyAndWritesNothing) {
  const std::wstring zip = m_dir / L"hostile.zip";
  {
    int error = 0;
    zip_t* archive = zip_open(toUtf8(zip).c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    static const char kText[] = "x";
    for (const char* name : {"Evil.twd", "../outside.txt"}) {
      zip_source_t* source = zip_source_buffer(archive, kText, 1, 0);
      ASSERT_GE(zip_file_add(archive, name, source, 0), 0);
    }
    ASSERT_EQ(zip_close(archive), 0);
  }
  m_frame = makeFrame();
  start(*m_frame);
  ScopedChooser chooser({QString::fromStdWString(zip), QString::fromStdWString(m_dir / L"restored")});
  ASSERT_TRUE(test::trigger(m_frame.get(), kCmdRestoreWardrobe));
  ASSERT_EQ(m_boxes.count(), 1u);
  const std::wstring& text = m_boxes.last().text;
  EXPECT_NE(text.find(L"could not be restored from \"" + zip + L"\""), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"names a place outside the folder to restore into."), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"Nothing was written."), std::wstring::npos) << text;
  EXPECT_FALSE(pathExists(m_dir / L"restored"));
  EXPECT_FALSE(pathExists(m_dir / L"outside.txt"));
  EXPECT_EQ(m_frame->wardrobe(), nullptr);
}

}  // namespace
}  // namespace tavoro::ui
