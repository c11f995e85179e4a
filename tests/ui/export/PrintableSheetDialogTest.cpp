#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include "ui/export/PrintableSheetDialog.h"

namespace tavoro::ui {
namespace {

TEST(PrintableSheetDialogTest, OffersEachTagOnceWithTheFirstTwoOfEachCollectionTicked) {
  WardrobeSnapshot snapshot;
  snapshot.collections.push_back({1, L"Shirts", {L"Colour", L"Size", L"Fabric"}, {}});
  snapshot.collections.push_back({2, L"Shoes", {L"Size", L"Heel"}, {}});
  PrintableSheetDialog dialog(nullptr, snapshot, QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(dialog.paperBox()->currentText(), QStringLiteral("Letter"));
  QListWidget* tags = dialog.tagList();
  ASSERT_EQ(tags->count(), 4);
  const QString names[] = {"Colour", "Size", "Fabric", "Heel"};
  const bool ticked[] = {true, true, false, true};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(tags->item(i)->text(), names[i]);
    EXPECT_EQ(tags->item(i)->checkState() == Qt::Checked, ticked[i]) << i;
  }
  ContactSheetOptions options = dialog.options();
  EXPECT_EQ(options.paper, ContactSheetOptions::Paper::Letter);
  EXPECT_EQ(options.tagNames, (std::vector<std::wstring>{L"Colour", L"Size", L"Heel"}));

  // Nothing ticked prints no values (not the first two of each collection).
  for (int i = 0; i < tags->count(); ++i) tags->item(i)->setCheckState(Qt::Unchecked);
  dialog.paperBox()->setCurrentIndex(0);
  options = dialog.options();
  EXPECT_EQ(options.paper, ContactSheetOptions::Paper::A4);
  ASSERT_TRUE(options.tagNames.has_value());
  EXPECT_TRUE(options.tagNames->empty());

  EXPECT_EQ(PrintableSheetDialog(nullptr, snapshot, QLocale(QLocale::German, QLocale::Germany)).paperBox()->currentText(),
            QStringLiteral("A4"));
}

}  // namespace
}  // namespace tavoro::ui
