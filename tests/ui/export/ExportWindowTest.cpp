#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "FrameTestSupport.h"
#include "PhotoFactory.h"
#include "TestFiles.h"
#include "TestSession.h"
#include "platform/FileSystem.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/CommandBar.h"
#include "ui/export/ExportProgressDialog.h"
#include "ui/export/PrintableSheetDialog.h"
#include "ui/export/WebCatalogueDialog.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/menus/PopupMenu.h"
#include "ui/page/WardrobePage.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

class ExportWindowTest : public FrameTest {
 protected:
  // Opens, in a new window, a wardrobe of one collection whose items each
  // have a photo (copies of one JPEG) and a value with a comma and quotes.
  void openWardrobe(int items) {
    const std::wstring source = m_dir / L"source.jpg";
    test::writeFile(source, test::jpegBytes(800, 600, 3));
    Wardrobe wardrobe(m_wardrobes + L"/Summer", L"Summer");
    Collection* shirts = wardrobe.collections().add(L"Shirts");
    const int32_t colour = shirts->tags().add(L"Colour")->id();
    for (int i = 0; i < items; ++i) {
      Item* item = shirts->items().addFromPhotoFile(source);
      ASSERT_NE(item, nullptr);
      item->setName(L"Shirt " + std::to_wstring(i + 1));
      item->records().set(colour, L"Navy, \"dark\"");
    }
    ASSERT_TRUE(writeWardrobe(wardrobe));
    m_frame = makeFrame();
    start(*m_frame);
    ASSERT_TRUE(m_frame->lifecycle().openWardrobe(wardrobe.wardrobeFilePath(), false, true));
  }

  CommandBar* bar() const { return m_frame->clientView()->wardrobeView()->commandBar(); }

  // Watches for the progress dialog of the next run; counts what it saw.
  void watchProgress(bool cancel) {
    onNextDialog<ExportProgressDialog>([this, cancel](ExportProgressDialog& dialog) {
      ++m_progressShown;
      if (cancel) QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    });
  }

  std::unique_ptr<MainWindow> m_frame;
  int m_progressShown = 0;
};

std::vector<QString> entryTexts(const PopupMenu& menu) {
  std::vector<QString> texts;
  for (const QAction* action : menu.actions()) texts.push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
  return texts;
}

TEST_F(ExportWindowTest, TheWardrobeMenuHoldsUndoRedoTheExportsAndTheBackup) {
  openWardrobe(1);
  auto menu = bar()->buttonMenu(kCmdWardrobeMenu);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(entryTexts(*menu),
            (std::vector<QString>{"Undo", "Redo", "-", "Insights", "-", "Export Web Catalogue...", "Export Spreadsheet...",
                                  "Export Printable Sheet...", "-", "Back Up Wardrobe...", "Restore Wardrobe..."}));
  // Nothing to undo or redo yet; everything else is enabled while a wardrobe is open.
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    EXPECT_EQ(action->isEnabled(), !action->text().startsWith("Undo") && !action->text().startsWith("Redo"))
        << action->text().toStdString();
  }

  // The menu shows Undo as it stands: named after the step, and carried out once.
  WardrobeSession& session = m_frame->session();
  ASSERT_TRUE(session.renameCollection(session.wardrobe()->collections().at(0), L"Tops"));
  ASSERT_TRUE(session.renameCollection(session.wardrobe()->collections().at(0), L"Tees"));
  menu = bar()->buttonMenu(kCmdWardrobeMenu);
  EXPECT_TRUE(menu->actions().front()->isEnabled());
  EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("Undo Rename Collection"));
  QTimer::singleShot(0, [] {
    auto* shown = qobject_cast<PopupMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(shown, nullptr);
    QTest::keyClick(shown, Qt::Key_Down);
    QTest::keyClick(shown, Qt::Key_Return);
  });
  QTest::mouseClick(bar(), Qt::LeftButton, {}, bar()->buttonRect(kCmdWardrobeMenu).center());
  EXPECT_EQ(session.wardrobe()->collections().at(0)->name(), L"Tops") << "undone once, not twice";

  // Without a wardrobe only Restore stays.
  m_boxes.addAnswer(kIdYes);
  ASSERT_TRUE(m_frame->lifecycle().confirmAndCloseWardrobe(true));
  m_frame->lifecycle().closeWardrobe();
  for (const int id : {kCmdExportWebCatalogue, kCmdExportSpreadsheet, kCmdExportPrintableSheet, kCmdBackUpWardrobe})
    EXPECT_FALSE(findCommandAction(m_frame.get(), id)->isEnabled()) << id;
  EXPECT_TRUE(findCommandAction(m_frame.get(), kCmdRestoreWardrobe)->isEnabled());
}

TEST_F(ExportWindowTest, EachExportWritesItsTargetInTheBackground) {
  openWardrobe(3);
  const std::wstring out = m_dir / L"out";
  ASSERT_TRUE(createFolders(out));
  test::writeFile(out + L"/replaced.csv", "old");  // the save dialog agreed to replace it
  struct Case {
    int command;
    std::wstring target;
    std::string starts;  // the target's first bytes (index.html's for the catalogue)
  };
  const Case cases[] = {
      {kCmdExportSpreadsheet, out + L"/replaced.csv", "Collection,Item,Colour,"},
      {kCmdExportWebCatalogue, out + L"/Catalogue", "<!DOCTYPE html>"},
      {kCmdExportPrintableSheet, out + L"/sheet.pdf", "%PDF"},
      {kCmdBackUpWardrobe, out + L"/backup.zip", "PK"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    ScopedChooser chooser({QString::fromStdWString(c.target)});
    if (c.command == kCmdExportWebCatalogue)
      onNextDialog<WebCatalogueDialog>([](WebCatalogueDialog& dialog) { dialog.accept(); });
    if (c.command == kCmdExportPrintableSheet)
      onNextDialog<PrintableSheetDialog>([](PrintableSheetDialog& dialog) { dialog.accept(); });
    const int shownBefore = m_progressShown;
    watchProgress(false);
    ASSERT_TRUE(test::trigger(m_frame.get(), c.command));
    EXPECT_EQ(m_progressShown, shownBefore + 1) << "the window ran while the work did";
    const std::string written =
        test::readFile(c.command == kCmdExportWebCatalogue ? c.target + L"/index.html" : c.target);
    EXPECT_EQ(written.substr(0, c.starts.size()), c.starts);
    EXPECT_EQ(chooser.asked.size(), 1u);
  }
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(listFolder(out, entries));
  EXPECT_EQ(entries.size(), 4u) << "nothing left beside the targets";
  EXPECT_TRUE(m_boxes.records().empty());
}

TEST_F(ExportWindowTest, CancelStopsTheWorkAndLeavesNothing) {
  // Enough photos that the work is still running when the window reacts.
  openWardrobe(150);
  const std::wstring out = m_dir / L"out";
  ASSERT_TRUE(createFolders(out));
  ScopedChooser chooser({QString::fromStdWString(out + L"/Catalogue")});
  onNextDialog<WebCatalogueDialog>([](WebCatalogueDialog& dialog) {
    dialog.originalsBox()->setChecked(true);
    dialog.accept();
  });
  watchProgress(true);
  ASSERT_TRUE(test::trigger(m_frame.get(), kCmdExportWebCatalogue));
  EXPECT_EQ(m_progressShown, 1);
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(listFolder(out, entries));
  EXPECT_TRUE(entries.empty()) << "a cancelled catalogue leaves nothing, not even its temporary folder";
  EXPECT_TRUE(m_boxes.records().empty()) << "a cancel is no failure";
}

TEST_F(ExportWindowTest, AFailedOrRefusedExportSaysWhy) {
  openWardrobe(1);
  {
    ScopedChooser chooser({QString::fromStdWString(m_dir / L"no such folder/out.csv")});
    ASSERT_TRUE(test::trigger(m_frame.get(), kCmdExportSpreadsheet));
  }
  ASSERT_EQ(m_boxes.count(), 1u);
  EXPECT_NE(m_boxes.last().text.find(L"The spreadsheet could not be written."), std::wstring::npos);
  EXPECT_NE(m_boxes.last().text.find(L"No such folder."), std::wstring::npos) << m_boxes.last().text;

  // Replacing the wardrobe's own file would lose the wardrobe.
  const std::wstring own = m_frame->session().wardrobe()->wardrobeFilePath();
  const std::string before = test::readFile(own);
  {
    ScopedChooser chooser({QString::fromStdWString(own)});
    ASSERT_TRUE(test::trigger(m_frame.get(), kCmdBackUpWardrobe));
  }
  ASSERT_EQ(m_boxes.count(), 2u);
  EXPECT_NE(m_boxes.last().text.find(L"part of the wardrobe itself"), std::wstring::npos) << m_boxes.last().text;
  EXPECT_EQ(test::readFile(own), before);
}

}  // namespace
}  // namespace tavoro::ui
