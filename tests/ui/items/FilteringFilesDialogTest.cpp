#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "FrameTestSupport.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/import/FilterThread.h"
#include "imaging/import/ImportMessages.h"
#include "platform/FileSystem.h"
#include "ui/common/MessageBox.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/items/FilteringFilesDialog.h"
#include "ui/items/ProgressBand.h"

namespace tavoro::ui {
namespace {

class FilteringFilesDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* folder : {L"tree", L"tree/nested"}) ASSERT_TRUE(createFolders(m_dir / folder));
    for (int i = 0; i < 12; ++i) {
      test::writeFile(m_dir / (L"tree/" + std::to_wstring(i) + L".jpg"), "x");
      test::writeFile(m_dir / (L"tree/nested/" + std::to_wstring(i) + L".png"), "x");
      test::writeFile(m_dir / (L"tree/nested/" + std::to_wstring(i) + L".txt"), "x");
    }
    m_owner.resize(400, 300);
    m_owner.show();
  }
  test::TempDir m_dir;
  QWidget m_owner;
};

TEST_F(FilteringFilesDialogTest, AQuickWalkNeverShowsTheDialog) {
  FilteringFilesDialog dialog(ImportList{m_dir / L"tree"}, &m_owner);
  EXPECT_EQ(dialog.size(), dluSize(175, 47));
  EXPECT_EQ(dialog.size(), QSize(263, 76));
  EXPECT_TRUE(dialog.run());
  EXPECT_EQ(dialog.accepted().count(), 24u);
  EXPECT_EQ(dialog.shownAtTick(), 0);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FilteringFilesDialogTest, CancelHoldsTheWalkWhileItAsksAndNoLetsItGoOn) {
  for (const int answer : {kIdNo, kIdYes}) {
    FilteringFilesDialog dialog(ImportList{m_dir / L"tree"}, &m_owner);
    // The walk waits before its first step until the test lets it go.
    dialog.filterThread().runPermission().reset();
    MessageResponder previous = setMessageResponder([&](const MessageRecord& box) {
      EXPECT_EQ(box.text, kCancelFilteringQuestion);
      EXPECT_EQ(box.caption, L"Confirm Cancel");
      EXPECT_EQ(box.type, unsigned(kMbQuestion));
      EXPECT_EQ(dialog.filterThread().acceptedCount(), 0u) << "the walk waits while the user decides";
      return answer;
    });
    onNextDialog<FilteringFilesDialog>([&](FilteringFilesDialog& shown) {
      EXPECT_EQ(shown.shownAtTick(), FilteringFilesDialog::kHiddenTicks + 1) << "out of sight for eight ticks";
      EXPECT_EQ(shown.countLabel()->text(), QStringLiteral("_COUNT_"));
      const int tick = shown.ticks();
      const int offset = shown.band()->offset();
      EXPECT_TRUE(QTest::qWaitFor([&] { return shown.ticks() >= tick + 3; }, 5000));
      EXPECT_EQ(shown.band()->offset() - offset, ProgressBand::kStep * (shown.ticks() - tick));
      QTest::mouseClick(shown.cancelButton(), Qt::LeftButton);
    });
    const bool completed = dialog.run();
    setMessageResponder(std::move(previous));
    EXPECT_EQ(completed, answer == kIdNo);
    if (answer == kIdNo) {
      EXPECT_EQ(dialog.accepted().count(), 24u) << "the count went on";
      EXPECT_EQ(dialog.countLabel()->text(), QStringLiteral("24"));
    } else {
      EXPECT_LT(dialog.accepted().count(), 24u);
    }
  }
}

}  // namespace
}  // namespace tavoro::ui
