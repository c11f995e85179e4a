// Helpers for tests of the main window and its dialogs: a scratch program
// folder (so Settings.xml goes there, never to a user's), fresh settings,
// recorded message boxes and choosers, and a way to act inside a modal
// dialog's own event loop.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QRect>
#include <QString>
#include <ostream>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ScopedEnv.h"
#include "TempDir.h"
#include "ui/common/MessageBox.h"
#include "ui/dialogs/FileChoosers.h"

// Readable values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* out) {
  *out << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}
inline void PrintTo(const QSize& s, std::ostream* out) { *out << "QSize(" << s.width() << " x " << s.height() << ")"; }

namespace tavoro::ui {

class MainWindow;

// Runs action on the next modal dialog of type Dialog once its event loop
// runs. Gives up (failing the test) when none appears within five seconds.
// A dialog still open ten seconds after its action (keys that missed it, an
// assertion that left the action early) fails the test and is closed, so
// that its event loop ends instead of waiting for ever.
template <typename Dialog>
void onNextDialog(std::function<void(Dialog&)> action) {
  auto* timer = new QTimer;
  auto deadline = std::make_shared<QDeadlineTimer>(5000);
  QObject::connect(timer, &QTimer::timeout, [timer, deadline, action] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      action(*dialog);
      QTimer::singleShot(10000, dialog, [dialog] {
        if (!dialog->isVisible()) return;
        ADD_FAILURE() << "the dialog was still open ten seconds after its action";
        dialog->close();
      });
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
  std::unique_ptr<MainWindow> makeFrame();
  // Forgets what an earlier window of the test saved, so that the next one
  // starts from AppSettings as the test set it.
  void forgetSavedSettings();
  // Runs the first idle moment: the window shows itself.
  void start(MainWindow& frame);
  // Writes a wardrobe named name into the scratch wardrobes folder; its file.
  std::wstring writeWardrobeFile(const std::wstring& name);
  std::wstring settingsPath() const { return m_dir / L"program/Settings.xml"; }

  test::TempDir m_dir;
  // The desktop's trash (photos of deleted items go there after a save), in m_dir.
  std::unique_ptr<test::ScopedEnv> m_dataHome;
  std::wstring m_wardrobes;  // the scratch folder for new wardrobes
  ScopedMessageResponder m_boxes;
};

}  // namespace tavoro::ui
