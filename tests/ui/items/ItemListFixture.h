// A shown item list pane on a session over a real wardrobe in a temporary
// folder, with photo files made on the spot and message boxes answered by a
// responder.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QItemSelectionModel>
#include <QTest>
#include <string>
#include <vector>

#include "FrameTestSupport.h"
#include "PhotoFactory.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "TestSession.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/items/ItemListModel.h"
#include "ui/items/ItemListPane.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

class ItemListFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(createFolders(m_dir / L"photos"));
    m_shirts = m_wardrobe.collections().add(L"Shirts");
    m_ts.open();
    m_pane.resize(420, 300);
    m_pane.show();
    QApplication::setActiveWindow(&m_pane);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_pane));
  }
  void TearDown() override {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window != &m_pane) window->close();
  }

  // A photo file of one colour in the photos folder; its path.
  std::wstring photo(const std::wstring& name, QColor colour = QColor(200, 30, 40), QSize size = QSize(40, 30)) {
    const std::wstring path = m_dir / (L"photos/" + name);
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(toQString(path)));
    return path;
  }
  // New items of the collection, named as given, from JPEG photos.
  std::vector<Item*> addItems(Collection* collection, const std::vector<std::wstring>& names) {
    std::vector<Item*> items;
    for (const std::wstring& name : names) {
      Item* item = collection->items().addFromPhotoFile(photo(name + L".jpg"));
      EXPECT_NE(item, nullptr) << toUtf8(name);
      items.push_back(item);
    }
    return items;
  }
  // Shows the collection as choosing it in the collection pane does (null:
  // "All Collections"); the collection shown already is shown anew, so that
  // items added to the model meanwhile get their entries.
  void show(Collection* collection) {
    WardrobeSession& session = m_ts.session;
    Collection* all = m_wardrobe.collections().allCollections();
    if (!collection) collection = all;
    if (session.currentCollection() == collection) session.setCurrentCollection(collection == all ? m_shirts : all);
    session.setCurrentCollection(collection);
  }
  // Names of the entries in list order.
  std::vector<std::wstring> names() const {
    std::vector<std::wstring> shown;
    for (int row = 0; row < m_pane.entryCount(); ++row) shown.push_back(m_pane.model()->itemAt(row)->name());
    return shown;
  }
  std::vector<std::wstring> selectedNames() const {
    std::vector<std::wstring> shown;
    for (int row : m_pane.selectedRows()) shown.push_back(m_pane.model()->itemAt(row)->name());
    return shown;
  }
  void select(const std::vector<int>& rows) {
    m_pane.selection()->clearSelection();
    for (int row : rows)
      m_pane.selection()->select(m_pane.model()->index(row, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }

  test::TestSession m_ts;
  const test::TempDir& m_dir = m_ts.dir();
  Wardrobe& m_wardrobe = m_ts.wardrobe();
  Collection* m_shirts = nullptr;
  ItemListPane m_pane{m_ts.session};
  ScopedMessageResponder m_boxes;
};

}  // namespace tavoro::ui
