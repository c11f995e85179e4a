#include "ui/export/BackgroundWork.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

#include "ui/export/ExportProgressDialog.h"

namespace tavoro::ui {

namespace {

// How often the window looks at the work's progress. The worker never posts
// to the window: it only stores numbers, so that a fast export of 50,000
// items cannot flood the event queue.
constexpr int kPollMs = 40;

// What the worker and the window share: plain atomics, and the result, which
// the window reads only after finished was set (and the thread joined).
struct WorkState {
  std::atomic<uint64_t> done{0};
  std::atomic<uint64_t> total{0};
  std::atomic<bool> stop{false};
  std::atomic<bool> finished{false};
  ExportResult result;
};

}  // namespace

ExportResult runInBackground(QWidget* owner, const QString& title, const QString& text, BackgroundWork work) {
  auto state = std::make_shared<WorkState>();
  std::thread worker([state, work = std::move(work)] {
    const ProgressCallback progress = [&state](uint64_t done, uint64_t total) {
      state->done.store(done, std::memory_order_relaxed);
      state->total.store(total, std::memory_order_relaxed);
      return !state->stop.load(std::memory_order_relaxed);
    };
    state->result = work(progress);
    state->finished.store(true, std::memory_order_release);
  });

  {
    QPointer<ExportProgressDialog> dialog = new ExportProgressDialog(owner ? owner->window() : nullptr, title, text);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    QObject::connect(dialog, &ExportProgressDialog::stopRequestedChanged, dialog,
                     [state] { state->stop.store(true, std::memory_order_relaxed); });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (dialog) dialog->setProgress(state->done.load(std::memory_order_relaxed),
                                      state->total.load(std::memory_order_relaxed));
      if (state->finished.load(std::memory_order_acquire)) loop.quit();
    });
    poll.start(kPollMs);
    dialog->show();
    // Ends when the work has, or when the program's event loops are told to end.
    loop.exec();
    poll.stop();
    if (dialog) dialog->finish();
  }
  // Only when the event loop ended early is the work still running: it is
  // asked to stop, and stops at its next step.
  if (!state->finished.load(std::memory_order_acquire)) state->stop.store(true, std::memory_order_relaxed);
  worker.join();
  return std::move(state->result);
}

}  // namespace tavoro::ui
