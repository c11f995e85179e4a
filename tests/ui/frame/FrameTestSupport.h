// Helpers for tests of the main window and its dialogs: a scratch program
// folder (so Settings.xml goes there, never to a user's), fresh settings,
// recorded message boxes and choosers, and a way to act inside a modal
// dialog's own event loop.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "ui/common/MessageBox.h"
#include "ui/dialogs/FileChoosers.h"

namespace tavoro::ui {

class MainFrame;

// Runs action on the next modal dialog of type Dialog once its event loop
// runs. Gives up (failing the test) when none appears within five seconds.
template <typename Dialog>
void onNextDialog(std::function<void(Dialog&)> action) {
  auto* timer = new QTimer;
  auto deadline = std::make_shared<QDeadlineTimer>(5000);
  QObject::connect(timer, &QTimer::timeout, [timer, deadline, action] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      action(*dialog);
    } else if (deadline->hasExpired()) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "no dialog of the expected kind appeared";
    }
  });
  timer->start(5);
}

// Answers the folder and file choosers from a queue, recording the kinds asked.
class ScopedChooser {
 public:
  explicit ScopedChooser(std::vector<QString> answers = {});
  ~ScopedChooser();
  std::vector<ChooserKind> asked;

 private:
  std::vector<QString> m_answers;
  ChooserResponder m_previous;
};

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new main window over the settings as they stand (and Settings.xml in
  // the scratch program folder, when the test wrote one).
  std::unique_ptr<MainFrame> makeFrame();
  // Runs the first idle moment: the window shows itself.
  void start(MainFrame& frame);
  // Writes a wardrobe named name into the scratch wardrobes folder; its file.
  std::wstring writeWardrobeFile(const std::wstring& name);
  std::wstring settingsPath() const { return m_dir / L"program/Settings.xml"; }

  test::TempDir m_dir;
  std::wstring m_wardrobes;  // the scratch folder for new wardrobes
  ScopedMessageResponder m_boxes;
};

}  // namespace tavoro::ui
