#include <gtest/gtest.h>

#include <QPushButton>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "QtTestApp.h"
#include "ui/common/MessageBox.h"

namespace tavoro::ui {
namespace {

TEST(MessageBoxTest, ButtonsIconAndDefaultFollowTheType) {
  struct Case {
    unsigned type;
    std::vector<int> buttons;
    int defaultButton;
    QMessageBox::Icon icon;
  };
  const Case cases[] = {
      {kMbQuestion, {kIdYes, kIdNo}, kIdNo, QMessageBox::Question},
      {kMbYesNo | kMbIconQuestion, {kIdYes, kIdNo}, kIdYes, QMessageBox::Question},
      {kMbOk | kMbIconInformation, {kIdOk}, kIdOk, QMessageBox::Information},
      {kMbOk | kMbIconError, {kIdOk}, kIdOk, QMessageBox::Critical},
      {kMbYesNoCancel | kMbDefaultButton3, {kIdYes, kIdNo, kIdCancel}, kIdCancel, QMessageBox::NoIcon},
      {kMbOkCancel | kMbIconWarning | kMbDefaultButton3, {kIdOk, kIdCancel}, kIdOk, QMessageBox::Warning},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    ScopedMessageResponder responder;
    EXPECT_EQ(showMessage(nullptr, L"Text", L"Caption", c.type), c.defaultButton);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().buttons, c.buttons);
    EXPECT_EQ(responder.last().defaultButton, c.defaultButton);
    EXPECT_EQ(responder.last().icon, c.icon);
    EXPECT_EQ(responder.last().caption, L"Caption");
  }
}

TEST(MessageBoxTest, ResponderAnswersInOrderAndIsRemovedWithItsScope) {
  QWidget owner;
  {
    ScopedMessageResponder outer({kIdYes});
    {
      ScopedMessageResponder inner({kIdNo, kIdYes});
      EXPECT_EQ(showMessage(&owner, L"first", L"c", kMbQuestion), kIdNo);
      EXPECT_EQ(showMessage(&owner, L"second", L"c", kMbQuestion), kIdYes);
      EXPECT_EQ(showMessage(&owner, L"third", L"c", kMbQuestion), kIdNo);  // answers ran out: the default
      ASSERT_EQ(inner.count(), 3u);
      EXPECT_EQ(inner.records()[1].text, L"second");
      EXPECT_EQ(inner.records()[1].owner, &owner);
    }
    EXPECT_EQ(showMessage(&owner, L"fourth", L"c", kMbQuestion), kIdYes);
    EXPECT_EQ(outer.count(), 1u);
  }
}

TEST(MessageBoxTest, RealBoxShowsPlainTextAndReturnsThePressedButton) {
  QWidget owner;
  owner.resize(400, 300);
  owner.show();
  QString shownText;
  Qt::TextFormat format = Qt::AutoText;
  QRect shownAt;
  QObject scope;  // drops the call below if nothing ran it before the stack frame ends
  QTimer::singleShot(0, &scope, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shownAt = box->frameGeometry();
    shownText = box->text();
    format = box->textFormat();
    EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(showMessage(&owner, L"Delete <b>all</b>?", L"Confirm", kMbQuestion), kIdYes);
  EXPECT_EQ(shownText, QStringLiteral("Delete <b>all</b>?"));
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_EQ(shownAt.topLeft(), centredMessageRect(shownAt.size(), &owner).topLeft());
}

TEST(MessageBoxTest, CentredOverTheOwnerWindowAndKeptInsideTheWorkArea) {
  const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
  QWidget window;
  window.setGeometry(work.left() + 100, work.top() + 100, 400, 300);
  window.show();
  auto* child = new QWidget(&window);
  const QRect frame = window.frameGeometry();

  const QRect box = centredMessageRect(QSize(200, 100), child);
  EXPECT_EQ(box.size(), QSize(200, 100));
  EXPECT_EQ(box.left(), (frame.left() * 2 + frame.width()) / 2 - 100);
  EXPECT_EQ(box.top(), (frame.top() * 2 + frame.height()) / 2 - 50);

  // A hidden owner: centred on the work area.
  QWidget hidden;
  const QRect onWork = centredMessageRect(QSize(200, 100), &hidden);
  EXPECT_EQ(onWork.topLeft(), QPoint((work.left() * 2 + work.width()) / 2 - 100, (work.top() * 2 + work.height()) / 2 - 50));

  // An owner near the corner: the box is pushed back inside.
  window.move(work.right() - 50, work.bottom() - 40);
  const QRect pushed = centredMessageRect(QSize(300, 200), &window);
  EXPECT_TRUE(work.contains(pushed)) << pushed.x() << "," << pushed.y();
}

}  // namespace
}  // namespace tavoro::ui
