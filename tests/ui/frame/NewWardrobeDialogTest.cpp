#include <gtest/gtest.h>

#include <unistd.h>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "FrameTestSupport.h"
#include "ScopedEnv.h"
#include "TestFiles.h"
#include "settings/AppSettings.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "ui/common/QtText.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/NewWardrobeDialog.h"

namespace tavoro::ui {
namespace {

using NewWardrobeDialogTest = FrameTest;

const wchar_t* const kHint =
    L"\n\nHint: a wardrobe name cannot contain any of the following charactes:\n\t\\ / : * ? \" < > |";

TEST_F(NewWardrobeDialogTest, ProposesANumberedNameInTheRememberedFolder) {
  struct Case {
    int32_t next;
    const char* name;
  };
  for (const Case c : {Case{1, "My Wardrobe"}, Case{0, "My Wardrobe"}, Case{3, "My Wardrobe 3"}}) {
    AppSettings::settings().nextWardrobeId = c.next;
    NewWardrobeDialog dialog(nullptr);
    EXPECT_EQ(dialog.nameEdit()->text(), QString::fromLatin1(c.name));
    EXPECT_EQ(dialog.folderEdit()->text(), toQString(m_wardrobes));
    EXPECT_EQ(dialog.nameEdit()->maxLength(), 50);
    // The number is taken while the dialog is open.
    EXPECT_EQ(AppSettings::settings().nextWardrobeId, c.next + 1);
    dialog.reject();
  }
}

TEST_F(NewWardrobeDialogTest, CancellingGivesTheNumberBackAndAcceptingKeepsIt) {
  AppSettings::settings().nextWardrobeId = 5;
  for (int i = 0; i < 3; ++i) {
    NewWardrobeDialog dialog(nullptr);
    dialog.reject();
  }
  EXPECT_EQ(AppSettings::settings().nextWardrobeId, 5);

  NewWardrobeDialog dialog(nullptr);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(AppSettings::settings().nextWardrobeId, 6);
  EXPECT_EQ(dialog.choice().name, L"My Wardrobe 5");
  EXPECT_EQ(dialog.choice().path, m_wardrobes + L"/My Wardrobe 5");
  EXPECT_TRUE(m_boxes.records().empty());
}

TEST_F(NewWardrobeDialogTest, ANumberedNameAboveTheCounterMovesItOn) {
  AppSettings::settings().nextWardrobeId = 3;
  NewWardrobeDialog dialog(nullptr);
  dialog.nameEdit()->setText(QStringLiteral("My Wardrobe 40"));
  dialog.accept();
  EXPECT_EQ(AppSettings::settings().nextWardrobeId, 41);
}

TEST_F(NewWardrobeDialogTest, OkNeedsBothFieldsWithMoreThanSpaces) {
  NewWardrobeDialog dialog(nullptr);
  dialog.show();
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  dialog.nameEdit()->setText(QStringLiteral("   "));
  EXPECT_FALSE(dialog.okButton()->isEnabled());
  QTest::keyClick(dialog.nameEdit(), Qt::Key_A);
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  dialog.folderEdit()->setText(QStringLiteral("\t"));
  EXPECT_FALSE(dialog.okButton()->isEnabled());
  // Enter does not accept while OK is disabled.
  QTest::keyClick(dialog.folderEdit(), Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(m_boxes.records().empty());

  // Typing stops at 50 characters.
  dialog.nameEdit()->clear();
  QTest::keyClicks(dialog.nameEdit(), QString(60, u'n'));
  EXPECT_EQ(dialog.nameEdit()->text(), QString(50, u'n'));
}

TEST_F(NewWardrobeDialogTest, RefusedInputSaysWhyAndSelectsTheFieldToChange) {
  ASSERT_TRUE(createFolders(m_wardrobes + L"/Taken"));
  test::writeFile(m_dir / L"a-file", "not a folder");
  struct Case {
    QString name;
    QString folder;
    std::wstring message;
    bool folderField;
  };
  const QString wardrobes = toQString(m_wardrobes);
  const std::vector<Case> cases = {
      {QStringLiteral("Tab\there"), wardrobes, L"Invalid wardrobe name: Tab\there" + std::wstring(kHint), false},
      {QStringLiteral("a/b"), wardrobes, L"Invalid wardrobe name: a/b" + std::wstring(kHint), false},
      {QStringLiteral("Coats"), toQString(m_dir / L"a-file"),
       L"Invalid folder: \"" + (m_dir / L"a-file") + L"\"\n\nPlease specify another location.", true},
      {QStringLiteral("Taken"), wardrobes,
       L"A wardrobe with the specified name already exists on disk in the specified location.\n\nPlease enter a new "
       L"wardrobe name or choose another folder.",
       false},
  };
  for (const Case& c : cases) {
    NewWardrobeDialog dialog(nullptr);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.nameEdit()->setText(c.name);
    dialog.folderEdit()->setText(c.folder);
    const size_t before = m_boxes.count();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_EQ(m_boxes.count(), before + 1) << c.name.toStdString();
    const MessageRecord& box = m_boxes.last();
    EXPECT_EQ(box.text, c.message);
    EXPECT_EQ(box.caption, L"Tavoro Wardrobe Manager");
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
    QLineEdit* field = c.folderField ? dialog.folderEdit() : dialog.nameEdit();
    EXPECT_TRUE(field->hasFocus()) << c.name.toStdString();
    EXPECT_EQ(field->selectedText(), field->text());
    dialog.reject();
  }
}

// "~" is the home folder, as in a shell; a relative folder is taken from the
// current folder once and for all, so that the wardrobe's path (and its entry
// in the recent list) means the same from any folder later.
TEST_F(NewWardrobeDialogTest, AFolderStartingWithATildeOrRelativeBecomesAbsolute) {
  test::ScopedEnv home("HOME", m_dir / L"home");
  char previous[4096];
  ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
  ASSERT_TRUE(createFolders(m_dir / L"started here"));
  ASSERT_EQ(::chdir(toUtf8(m_dir / L"started here").c_str()), 0);
  struct Case {
    QString typed;
    std::wstring path;
  };
  const Case cases[] = {
      {QStringLiteral("~/Wardrobes"), m_dir / L"home/Wardrobes/Closet"},
      {QStringLiteral(" ~ "), m_dir / L"home/Closet"},
      {QStringLiteral("mine/Wardrobes"), m_dir / L"started here/mine/Wardrobes/Closet"},
      {QStringLiteral("~other"), m_dir / L"started here/~other/Closet"},  // only the user's own home
  };
  for (const Case& c : cases) {
    NewWardrobeDialog dialog(nullptr);
    dialog.show();
    dialog.nameEdit()->setText(QStringLiteral("Closet"));
    dialog.folderEdit()->setText(c.typed);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.typed.toStdString();
    EXPECT_EQ(dialog.choice().path, c.path) << c.typed.toStdString();
  }
  EXPECT_FALSE(pathExists(m_dir / L"started here/~"));
  ASSERT_EQ(::chdir(previous), 0);
  EXPECT_TRUE(m_boxes.records().empty());
}

TEST_F(NewWardrobeDialogTest, TheFolderButtonReplacesAndRemembersTheFolder) {
  ASSERT_TRUE(createFolders(m_dir / L"chosen"));
  ScopedChooser chooser({toQString(m_dir / L"chosen"), QString()});
  NewWardrobeDialog dialog(nullptr);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.folderEdit()->text(), toQString(m_dir / L"chosen"));
  EXPECT_EQ(AppSettings::settings().wardrobeFolder, m_dir / L"chosen");
  EXPECT_TRUE(dialog.folderEdit()->hasFocus());
  EXPECT_EQ(dialog.folderEdit()->selectedText(), dialog.folderEdit()->text());
  // Cancelled: nothing changes.
  QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.folderEdit()->text(), toQString(m_dir / L"chosen"));
  EXPECT_EQ(chooser.asked, (std::vector<ChooserKind>{ChooserKind::Folder, ChooserKind::Folder}));
  dialog.reject();
}

TEST_F(NewWardrobeDialogTest, OnlyWidensAndComesBackWhereItWasLeft) {
  const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
  QRect left;
  {
    NewWardrobeDialog dialog(nullptr);
    dialog.show();
    const QSize initial = dluSize(261, 158);
    EXPECT_EQ(dialog.size(), initial);
    EXPECT_EQ(dialog.minimumSize(), initial);
    EXPECT_EQ(dialog.maximumHeight(), initial.height());
    // The whole window, frame included, may be as wide as the work area.
    EXPECT_EQ(dialog.maximumWidth() + dialog.frameGeometry().width() - dialog.width(), work.width());

    dialog.resize(initial.width() + 100, initial.height() + 100);
    EXPECT_EQ(dialog.size(), QSize(initial.width() + 100, initial.height()));
    // The edits widen; the buttons keep their distance to the right edge.
    EXPECT_EQ(dialog.nameEdit()->width(), dluRect(9, 70, 242, 12).width() + 100);
    EXPECT_EQ(dialog.width() - dialog.okButton()->geometry().right(),
              initial.width() - dluRect(148, 135, 50, 14).right());
    dialog.move(work.left() + 7, work.top() + 9);
    left = dialog.geometry();
    dialog.reject();
  }
  NewWardrobeDialog again(nullptr);
  again.show();
  EXPECT_EQ(again.geometry(), left);
  again.reject();
}

}  // namespace
}  // namespace tavoro::ui
