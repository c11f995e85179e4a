#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "ui/controls/InlineEditor.h"

namespace tavoro::ui {
namespace {

// A pane with a button (where the focus was before editing), another button to
// click outside the editor, and the editor; the pane accepts or refuses texts.
struct EditFixture {
  QWidget pane;
  QPushButton* before = new QPushButton(QStringLiteral("before"), &pane);
  QPushButton* outside = new QPushButton(QStringLiteral("outside"), &pane);
  InlineEditor* edit = new InlineEditor(&pane);
  bool accept = true;
  int validations = 0;
  std::vector<int> reasons;
  QString committedText;

  EditFixture() {
    pane.resize(400, 200);
    before->setGeometry(10, 10, 80, 30);
    outside->setGeometry(10, 150, 80, 30);
    QObject::connect(edit, &InlineEditor::validateRequested, [this](bool* ok) {
      ++validations;
      *ok = accept;
    });
    QObject::connect(edit, &InlineEditor::editEnded, [this](int reason) {
      reasons.push_back(reason);
      committedText = edit->text();
    });
    pane.show();
    pane.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&pane));
    before->setFocus();
  }

  void start(const QString& text) {
    edit->setText(text);
    edit->place(QRect(100, 60, 200, 40), true);
  }
};

TEST(InlineEditorTest, EnterEscapeAndCtrlEnterEndTheEditOnce) {
  struct Case {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int reason;
    int validations;
  };
  const Case cases[] = {
      {"Enter", Qt::Key_Return, Qt::NoModifier, InlineEditor::kEndEnter, 1},
      {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, InlineEditor::kEndEnter, 1},
      {"Escape", Qt::Key_Escape, Qt::NoModifier, InlineEditor::kEndEscape, 0},
      {"Ctrl+Enter", Qt::Key_Return, Qt::ControlModifier, InlineEditor::kEndCtrlEnter, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EditFixture f;
    f.start(QStringLiteral("Shirts"));
    ASSERT_TRUE(f.edit->hasFocus());
    EXPECT_EQ(f.edit->selectedText(), QStringLiteral("Shirts"));
    QTest::keyClick(f.edit, c.key, c.modifiers);
    EXPECT_EQ(f.reasons, std::vector<int>{c.reason});
    EXPECT_EQ(f.validations, c.validations);
    EXPECT_FALSE(f.edit->isVisible());
    EXPECT_TRUE(f.before->hasFocus());  // back where the focus was before
    EXPECT_EQ(InlineEditor::isCommitReason(c.reason), c.reason != InlineEditor::kEndEscape);
  }
}

TEST(InlineEditorTest, CtrlEnterAnywhereEndsTheEditButNotItsRepeats) {
  EditFixture f;
  f.start(QStringLiteral("x"));
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::ControlModifier, QString(), true);
  QApplication::sendEvent(f.outside, &repeat);
  EXPECT_TRUE(f.reasons.empty());
  EXPECT_TRUE(f.edit->isVisible());
  QTest::keyClick(f.outside, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(f.reasons, std::vector<int>{InlineEditor::kEndCtrlEnter});
}

TEST(InlineEditorTest, RefusedTextKeepsTheUserInTheEditor) {
  EditFixture f;
  f.accept = false;
  f.start(QStringLiteral("bad/name"));
  QTest::keyClick(f.edit, Qt::Key_Return);
  EXPECT_TRUE(f.reasons.empty());
  EXPECT_TRUE(f.edit->isVisible());
  EXPECT_TRUE(f.edit->hasFocus());
  EXPECT_EQ(f.edit->selectedText(), QStringLiteral("bad/name"));

  // A click outside is swallowed: the button under it never sees it, and the
  // pane is asked once per click, whether the press comes through the window
  // (as from the window system) or straight to the widget.
  QSignalSpy clicked(f.outside, &QPushButton::clicked);
  QTest::mouseClick(f.pane.windowHandle(), Qt::LeftButton, Qt::NoModifier, f.outside->geometry().center());
  EXPECT_EQ(f.validations, 2);
  EXPECT_TRUE(f.edit->hasFocus());
  QTest::mouseClick(f.outside, Qt::LeftButton);
  EXPECT_EQ(f.validations, 3);
  EXPECT_EQ(clicked.count(), 0);
  EXPECT_TRUE(f.edit->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return f.edit->hasFocus(); }, 2000));

  // The focus moving away comes back to the editor with its text selected.
  f.outside->setFocus();
  EXPECT_EQ(f.validations, 4);
  EXPECT_TRUE(QTest::qWaitFor([&] { return f.edit->hasFocus(); }, 2000));
  EXPECT_EQ(f.edit->selectedText(), QStringLiteral("bad/name"));
  EXPECT_TRUE(f.reasons.empty());

  // Once the text is fixed, Enter commits it.
  f.accept = true;
  f.edit->setText(QStringLiteral("good"));
  QTest::keyClick(f.edit, Qt::Key_Return);
  EXPECT_EQ(f.reasons, std::vector<int>{InlineEditor::kEndEnter});
  EXPECT_EQ(f.committedText, QStringLiteral("good"));
}

TEST(InlineEditorTest, ClickOutsideOrFocusLossCommitsWithReasonZero) {
  {
    EditFixture f;
    QSignalSpy clicked(f.outside, &QPushButton::clicked);
    f.start(QStringLiteral("a"));
    QTest::mouseClick(f.outside, Qt::LeftButton);
    EXPECT_EQ(f.reasons, std::vector<int>{InlineEditor::kEndFocusLost});
    EXPECT_EQ(clicked.count(), 1);  // accepted: the click goes on to its button
    EXPECT_FALSE(f.edit->isVisible());
  }
  {
    EditFixture f;
    f.start(QStringLiteral("a"));
    QTest::mouseClick(f.edit, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));  // inside: nothing ends
    QTest::mouseClick(f.edit, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(f.reasons.empty());
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    f.outside->setFocus();
    EXPECT_EQ(f.reasons, std::vector<int>{InlineEditor::kEndFocusLost});
    EXPECT_EQ(f.validations, 1);
    EXPECT_TRUE(f.outside->hasFocus());
  }
}

TEST(InlineEditorTest, PlacedCentredInTallerTargets) {
  EditFixture f;
  const int height = f.edit->editorHeight();
  EXPECT_EQ(height, QFontMetrics(f.edit->font()).height() + 4);
  f.edit->place(QRect(20, 40, 150, height + 10), false);
  EXPECT_EQ(f.edit->geometry(), QRect(20, 45, 150, height));
  EXPECT_TRUE(f.edit->isVisible());
  EXPECT_FALSE(f.edit->hasFocus());
  f.edit->place(QRect(20, 40, 150, height - 6), false);  // a lower target: the editor keeps its height
  EXPECT_EQ(f.edit->geometry(), QRect(20, 40, 150, height));
}

}  // namespace
}  // namespace tavoro::ui
