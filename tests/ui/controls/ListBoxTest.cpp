#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "QtTestApp.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/TextRowList.h"
#include "ui/controls/RowList.h"

namespace tavoro::ui {
namespace {

// A row that fills itself with a colour for its state and remembers how it
// was last drawn.
class TestRow : public ListBoxRow {
 public:
  mutable State lastState;
  mutable int paints = 0;
  void paint(QPainter& painter, const QRect& rect, const State& state) const override {
    lastState = state;
    ++paints;
    painter.fillRect(rect, state.selected ? Qt::blue : state.hot ? Qt::yellow : Qt::lightGray);
  }
  QString accessibleName() const override { return QStringLiteral("row"); }
};

constexpr int kRowHeight = 24;

struct ListFixture {
  RowList list{kRowHeight};
  QSignalSpy changed{&list, &RowList::selectionChanged};
  std::vector<TestRow*> rows;

  explicit ListFixture(int count = 6) {
    list.resize(200, 10 * kRowHeight);
    for (int i = 0; i < count; ++i) {
      auto row = std::make_unique<TestRow>();
      rows.push_back(row.get());
      list.addRow(std::move(row));
    }
    list.show();
    list.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&list));
  }

  QPoint centreOf(int index) const { return list.rowRect(index).center(); }
  void click(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint at = index >= 0 ? centreOf(index) : QPoint(10, list.viewport()->height() - 5);
    QTest::mouseClick(list.viewport(), button, modifiers, at);
  }
  std::vector<int> selected() const { return list.selectedRows(); }
};

TEST(RowListTest, ClicksFollowTheSelectionRules) {
  ListFixture f;
  f.rows[4]->setSelectable(false);
  struct Step {
    const char* what;
    int row;  // -1: the empty area below the rows
    Qt::KeyboardModifiers modifiers;
    Qt::MouseButton button;
    std::vector<int> selected;
    int notifications;
  };
  const Step steps[] = {
      {"plain click", 1, Qt::NoModifier, Qt::LeftButton, {1}, 1},
      {"plain click on the same row", 1, Qt::NoModifier, Qt::LeftButton, {1}, 0},
      {"ctrl adds", 3, Qt::ControlModifier, Qt::LeftButton, {1, 3}, 1},
      {"ctrl on a selected row removes it", 1, Qt::ControlModifier, Qt::LeftButton, {3}, 1},
      {"shift selects from the anchor, leaving out unselectable rows", 5, Qt::ShiftModifier, Qt::LeftButton,
       {1, 2, 3, 5}, 1},
      {"right click inside the selection keeps it", 2, Qt::NoModifier, Qt::RightButton, {1, 2, 3, 5}, 0},
      {"ctrl+shift adds a range", 0, Qt::ControlModifier | Qt::ShiftModifier, Qt::LeftButton, {0, 1, 2, 3, 5}, 1},
      {"right click outside the selection selects only that row", 5, Qt::NoModifier, Qt::LeftButton, {5}, 1},
      {"right click on an unselected row", 0, Qt::NoModifier, Qt::RightButton, {0}, 1},
      {"right click with a modifier changes nothing", 2, Qt::ControlModifier, Qt::RightButton, {0}, 0},
      {"click on an unselectable row changes nothing", 4, Qt::NoModifier, Qt::LeftButton, {0}, 0},
      {"click on no row clears", -1, Qt::NoModifier, Qt::LeftButton, {}, 1},
      {"click on no row when nothing is selected", -1, Qt::NoModifier, Qt::LeftButton, {}, 0},
      {"ctrl+click on no row keeps", -1, Qt::ControlModifier, Qt::LeftButton, {}, 0},
      {"select one again", 2, Qt::NoModifier, Qt::LeftButton, {2}, 1},
      {"ctrl-clicking the only selected row leaves none", 2, Qt::ControlModifier, Qt::LeftButton, {}, 1},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    const qsizetype before = f.changed.count();
    f.click(step.row, step.modifiers, step.button);
    EXPECT_EQ(f.selected(), step.selected);
    EXPECT_EQ(f.changed.count() - before, step.notifications);
    EXPECT_EQ(f.list.selectedCount(), static_cast<int>(step.selected.size()));
  }
  EXPECT_TRUE(f.list.hasFocus());  // a press gives the list the focus
}

TEST(RowListTest, ShiftClickWithoutAnchorStartsFromTheFocusRow) {
  ListFixture f;
  f.list.setFocusRow(1);
  f.click(3, Qt::ShiftModifier);
  EXPECT_EQ(f.selected(), (std::vector<int>{1, 2, 3}));

  ListFixture fresh;
  fresh.click(2, Qt::ShiftModifier);  // no anchor, no focus row: only the clicked row
  EXPECT_EQ(fresh.selected(), std::vector<int>{2});
  fresh.click(4, Qt::ShiftModifier);  // and it became the anchor
  EXPECT_EQ(fresh.selected(), (std::vector<int>{2, 3, 4}));
}

TEST(RowListTest, CtrlAAndDelIgnoreAutoRepeat) {
  ListFixture f;
  QSignalSpy commands(&f.list, &RowList::commandRequested);
  f.list.setFocus();
  auto press = [&](int key, Qt::KeyboardModifiers modifiers, bool repeat) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeat);
    QApplication::sendEvent(&f.list, &event);
  };

  press(Qt::Key_A, Qt::ControlModifier, false);
  EXPECT_EQ(f.list.selectedCount(), 6);
  EXPECT_EQ(f.changed.count(), 1);
  press(Qt::Key_A, Qt::ControlModifier, false);  // nothing left to change: no notification
  EXPECT_EQ(f.changed.count(), 1);

  f.list.clearSelection();
  press(Qt::Key_A, Qt::ControlModifier, true);  // held down: the repeats do nothing
  EXPECT_EQ(f.list.selectedCount(), 0);
  EXPECT_EQ(f.changed.count(), 1);

  press(Qt::Key_Delete, Qt::NoModifier, false);  // not a list of deletable things
  EXPECT_EQ(commands.count(), 0);
  f.list.setDeleteKeyEnabled(true);
  press(Qt::Key_Delete, Qt::NoModifier, false);
  press(Qt::Key_Delete, Qt::NoModifier, true);
  ASSERT_EQ(commands.count(), 1);
  EXPECT_EQ(commands[0][0].toInt(), kCmdDelete);
}

TEST(RowListTest, SelectAllInvertAndProgrammaticChanges) {
  ListFixture f;
  f.rows[0]->setSelectable(false);
  f.list.setRowSelected(1, true, false);
  f.list.invertSelection(false);
  EXPECT_EQ(f.selected(), (std::vector<int>{2, 3, 4, 5}));
  EXPECT_EQ(f.changed.count(), 0);
  f.list.invertSelection(true);
  EXPECT_EQ(f.selected(), std::vector<int>{1});
  EXPECT_EQ(f.changed.count(), 1);
  f.list.selectAll(true);
  EXPECT_EQ(f.selected(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(f.changed.count(), 2);
  EXPECT_FALSE(f.list.setRowSelected(0, true, true));  // unselectable
  EXPECT_TRUE(f.list.clearSelection());
  EXPECT_FALSE(f.list.clearSelection());
  EXPECT_EQ(f.changed.count(), 2);
}

TEST(RowListTest, HotRowFollowsTheMouseAndRowsDrawTheirState) {
  ListFixture f;
  f.rows[3]->setSelectable(false);
  QTest::mouseMove(f.list.viewport(), f.centreOf(2));
  EXPECT_EQ(f.list.hotRow(), 2);
  QTest::mouseMove(f.list.viewport(), f.centreOf(3));
  EXPECT_EQ(f.list.hotRow(), -1);  // unselectable rows never become hot
  QTest::mouseMove(f.list.viewport(), f.centreOf(1));
  EXPECT_EQ(f.list.hotRow(), 1);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(f.list.viewport(), &leave);
  EXPECT_EQ(f.list.hotRow(), -1);

  f.click(1);
  const QImage image = test::renderWidget(*f.list.viewport());
  EXPECT_EQ(QColor(image.pixel(f.centreOf(1))), QColor(Qt::blue));
  EXPECT_EQ(QColor(image.pixel(f.centreOf(2))), QColor(Qt::lightGray));
  EXPECT_TRUE(f.rows[1]->lastState.selected);
  EXPECT_TRUE(f.rows[1]->lastState.listFocused);
  EXPECT_FALSE(f.rows[2]->lastState.selected);
  // Below the last row: white.
  EXPECT_EQ(QColor(image.pixel(5, 6 * kRowHeight + 5)), QColor(Qt::white));
}

TEST(RowListTest, ScrollingRemovalAndDoubleClick) {
  ListFixture f(100);
  QSignalSpy doubled(&f.list, &RowList::rowDoubleClicked);
  f.list.ensureVisible(50);
  EXPECT_TRUE(f.list.viewport()->rect().contains(f.list.rowRect(50)));
  EXPECT_EQ(f.list.rowAt(f.list.rowRect(50).center()), 50);
  f.list.ensureVisible(0);
  EXPECT_EQ(f.list.rowRect(0).top(), 0);

  f.click(5);
  f.click(7, Qt::ShiftModifier);
  QTest::mouseMove(f.list.viewport(), f.centreOf(9));
  // Removing a row above them moves the focus, anchor and hot row with their rows.
  EXPECT_TRUE(f.list.removeRow(f.rows[2]));
  EXPECT_EQ(f.list.rowCount(), 99);
  EXPECT_EQ(f.list.anchorRow(), 4);
  EXPECT_EQ(f.list.focusRow(), 6);
  EXPECT_EQ(f.list.hotRow(), 8);
  EXPECT_EQ(f.selected(), (std::vector<int>{4, 5, 6}));
  EXPECT_FALSE(f.list.removeRow(f.rows[2]));  // already gone

  QTest::mouseDClick(f.list.viewport(), Qt::LeftButton, Qt::NoModifier, f.centreOf(3));
  ASSERT_EQ(doubled.count(), 1);
  EXPECT_EQ(doubled[0][0].toInt(), 3);
  f.list.removeAllRows();
  EXPECT_EQ(f.list.rowCount(), 0);
  EXPECT_EQ(f.list.focusRow(), -1);
}

TEST(TextRowListTest, KeysMoveTheSelectionAroundTheEnds) {
  TextRowList list;
  list.resize(200, 100);
  QSignalSpy changed(&list, &RowList::selectionChanged);
  QSignalSpy cleared(&list, &TextRowList::selectionCleared);
  list.selectNext();  // no rows: nothing happens
  EXPECT_EQ(list.firstSelectedRow(), -1);

  list.setRows({L"red", L"green", L"blue"});
  struct Step {
    bool next;
    const wchar_t* expected;
  };
  const Step steps[] = {{true, L"red"},   {true, L"green"}, {true, L"blue"}, {true, L"red"},
                        {false, L"blue"}, {false, L"green"}, {false, L"red"}, {false, L"blue"}};
  for (const Step& step : steps) {
    step.next ? list.selectNext() : list.selectPrevious();
    EXPECT_EQ(list.selectedText(), step.expected);
    EXPECT_EQ(list.selectedCount(), 1);
  }
  list.deselect();
  EXPECT_EQ(list.selectedText(), L"");
  list.selectPrevious();  // from no selection: the last row
  EXPECT_EQ(list.selectedText(), L"blue");
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(cleared.count(), 1);

  list.setRows({L"one"});
  EXPECT_EQ(list.rowCount(), 1);
  EXPECT_EQ(list.selectedCount(), 0);
}

TEST(TextRowListTest, RowsArePaintedInTheirColours) {
  TextRowList list;
  list.resize(200, 100);
  list.setRows({L"first", L"second"});
  list.selectNext();
  list.show();
  const QImage image = test::renderWidget(*list.viewport());
  EXPECT_EQ(QColor(image.pixel(2, 2)), QColor(212, 221, 238));
  EXPECT_EQ(QColor(image.pixel(2, 22)), QColor(Qt::white));
  EXPECT_GT(test::countPixels(image, QColor(61, 75, 102), QRect(0, 0, 200, 40)), 0);
  EXPECT_EQ(QColor(image.pixel(198, 90)), QColor(Qt::white));
}

}  // namespace
}  // namespace tavoro::ui
