#include "FrameTestSupport.h"

#include <QTest>

#include "settings/AppSettings.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "ui/dialogs/NewWardrobeDialog.h"
#include "ui/dialogs/OpenWardrobeDialog.h"
#include "ui/frame/MainWindow.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {

ScopedChooser::ScopedChooser(std::vector<QString> answers) : m_answers(std::move(answers)) {
  m_previous = setChooserResponder([this](ChooserKind kind, const QString&) {
    asked.push_back(kind);
    if (m_answers.empty()) return QString();
    QString answer = m_answers.front();
    m_answers.erase(m_answers.begin());
    return answer;
  });
}

ScopedChooser::~ScopedChooser() { setChooserResponder(std::move(m_previous)); }

void FrameTest::SetUp() {
  ASSERT_TRUE(createFolders(m_dir / L"program"));
  AppPaths::setProgramFolderForTesting(m_dir / L"program");
  m_wardrobes = m_dir / L"wardrobes";
  m_dataHome = std::make_unique<test::ScopedEnv>("XDG_DATA_HOME", m_dir / L"data-home");
  AppSettings::settings() = AppSettings();
  AppSettings::settings().wardrobeFolder = m_wardrobes;
  newWardrobeDialogRect() = QRect();
  openWardrobeDialogRect() = QRect();
}

void FrameTest::TearDown() {
  // Windows of a failed test must not outlive it.
  for (QWidget* window : QApplication::topLevelWidgets()) window->close();
  QApplication::processEvents();
  AppPaths::setProgramFolderForTesting(L"");
}

std::unique_ptr<MainWindow> FrameTest::makeFrame() { return std::make_unique<MainWindow>(); }

void FrameTest::forgetSavedSettings() {
  removeFile(settingsPath());
  AppSettings::settings() = AppSettings();
  AppSettings::settings().wardrobeFolder = m_wardrobes;
}

void FrameTest::start(MainWindow& frame) {
  frame.enterEventLoop();
  EXPECT_TRUE(QTest::qWaitFor([&frame] { return frame.firstIdleDone() && frame.isVisible(); }, 5000));
}

std::wstring FrameTest::writeWardrobeFile(const std::wstring& name) {
  Wardrobe wardrobe(m_wardrobes + L"/" + name, name);
  EXPECT_TRUE(writeWardrobe(wardrobe));
  return wardrobe.wardrobeFilePath();
}

}  // namespace tavoro::ui
