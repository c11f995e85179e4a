#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "FrameTestSupport.h"
#include "ui/common/QtText.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/OpenWardrobeDialog.h"
#include "ui/frame/RecentWardrobes.h"
#include "ui/home/RecentWardrobeList.h"

namespace tavoro::ui {
namespace {

using OpenWardrobeDialogTest = FrameTest;

TEST_F(OpenWardrobeDialogTest, OkWaitsForARowAndReturnsItsPath) {
  RecentWardrobes recent({m_dir / L"a/A.twd", m_dir / L"b/B.twd"});
  OpenWardrobeDialog dialog(nullptr, recent);
  dialog.show();
  EXPECT_EQ(dialog.list()->rowCount(), 2);
  EXPECT_FALSE(dialog.okButton()->isEnabled());
  dialog.selectRow(1);
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  dialog.list()->clearSelection();
  emit dialog.list()->selectionChanged();
  EXPECT_FALSE(dialog.okButton()->isEnabled());
  dialog.selectRow(1);
  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.path(), m_dir / L"b/B.twd");
}

TEST_F(OpenWardrobeDialogTest, DoubleClickOpensTheRowAtOnce) {
  RecentWardrobes recent({m_dir / L"a/A.twd", m_dir / L"b/B.twd"});
  OpenWardrobeDialog dialog(nullptr, recent);
  QTimer::singleShot(0, &dialog, [&dialog] {
    RecentWardrobeList* list = dialog.list();
    const QPoint inFirstRow = list->rowRect(0).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, inFirstRow);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, inFirstRow);
  });
  ASSERT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.path(), m_dir / L"a/A.twd");
}

TEST_F(OpenWardrobeDialogTest, WithoutRecentWardrobesBrowseClosesWithTheChosenFile) {
  RecentWardrobes recent;
  ScopedChooser chooser({QString(), toQString(m_dir / L"elsewhere/C.twd")});
  OpenWardrobeDialog dialog(nullptr, recent);
  QTimer::singleShot(0, &dialog, [&dialog] {
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);  // cancelled
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
  });
  ASSERT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.path(), m_dir / L"elsewhere/C.twd");
  EXPECT_EQ(chooser.asked, (std::vector<ChooserKind>{ChooserKind::WardrobeFile, ChooserKind::WardrobeFile}));
}

TEST_F(OpenWardrobeDialogTest, GrowsBothWaysAndComesBackWhereItWasLeft) {
  const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
  RecentWardrobes recent;
  QRect left;
  {
    OpenWardrobeDialog dialog(nullptr, recent);
    dialog.show();
    const QSize initial = dluSize(294, 212);
    EXPECT_EQ(dialog.size(), initial);
    EXPECT_EQ(dialog.minimumSize(), initial);
    EXPECT_EQ(dialog.maximumSize() + dialog.frameGeometry().size() - dialog.size(), work.size());
    dialog.resize(initial.width() + 40, initial.height() + 60);
    EXPECT_EQ(dialog.list()->size(), dluRect(7, 69, 279, 113).size() + QSize(40, 60));
    EXPECT_EQ(dialog.height() - dialog.browseButton()->geometry().bottom(),
              initial.height() - dluRect(7, 190, 50, 14).bottom());
    EXPECT_EQ(dialog.browseButton()->x(), dluRect(7, 190, 50, 14).x());
    EXPECT_EQ(dialog.width() - dialog.okButton()->geometry().right(),
              initial.width() - dluRect(183, 190, 50, 14).right());
    dialog.resize(initial.width() - 50, initial.height() - 50);
    EXPECT_EQ(dialog.size(), initial) << "no smaller than the template";
    dialog.setGeometry(work.left() + 5, work.top() + 6, initial.width() + 10, initial.height() + 20);
    left = dialog.geometry();
    dialog.reject();
  }
  OpenWardrobeDialog again(nullptr, recent);
  again.show();
  EXPECT_EQ(again.geometry(), left);
  again.reject();
}

}  // namespace
}  // namespace tavoro::ui
