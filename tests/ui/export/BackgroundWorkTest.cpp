#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "ui/export/BackgroundWork.h"
#include "ui/export/ExportProgressDialog.h"

namespace tavoro::ui {
namespace {

// The work reports progress until it is asked to stop; it can only be asked
// while the window's event loop runs (the dialog shows the progress and its
// Cancel is clicked), so a blocked window fails the test at the work's
// deadline instead of hanging it.
TEST(BackgroundWorkTest, TheWindowShowsProgressWhileTheWorkRunsAndCancelStopsIt) {
  QWidget window;
  window.show();
  std::atomic<bool> askedToStop{false};
  std::thread::id workThread;
  int barSeen = -1;
  QPointer<ExportProgressDialog> seen;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<ExportProgressDialog*>(QApplication::activeModalWidget());
    if (!dialog || dialog->bar()->value() <= 0) return;
    watch.stop();
    seen = dialog;
    barSeen = dialog->bar()->value();
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->cancelButton()->isEnabled()) << "one click is enough";
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays until the work has stopped";
  });
  watch.start(5);

  const ExportResult result = runInBackground(&window, QStringLiteral("Work"), QStringLiteral("Working..."),
                                              [&](const ProgressCallback& progress) {
                                                workThread = std::this_thread::get_id();
                                                const auto deadline = std::chrono::steady_clock::now() +
                                                                      std::chrono::seconds(20);
                                                while (progress(250, 1000)) {
                                                  if (std::chrono::steady_clock::now() > deadline)
                                                    return ExportResult::failure(
                                                        Status::failure(L"", "never asked to stop"));
                                                  std::this_thread::yield();
                                                }
                                                askedToStop = true;
                                                return ExportResult::stopped();
                                              });
  EXPECT_TRUE(result.status.ok()) << result.status.reason();
  EXPECT_TRUE(result.cancelled);
  EXPECT_TRUE(askedToStop);
  EXPECT_NE(workThread, std::this_thread::get_id());
  EXPECT_EQ(barSeen, 250) << "a quarter of the bar's 1000 steps";
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(seen.isNull()) << "the dialog is gone once the work has ended";
}

}  // namespace
}  // namespace tavoro::ui
