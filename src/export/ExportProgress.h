// Progress and cancellation of a long export, and what the export came to.
// The callback is called on the thread that runs the export (never on its
// helper threads), so that a window can forward it to a progress dialog.
// A ProgressReporter is used by one thread; the callback it wraps is called
// from that thread only.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Status.h"

namespace tavoro {

// Told how many of total steps are done; returns false to ask the export to
// stop (it then stops at the next step and leaves nothing behind).
using ProgressCallback = std::function<bool(uint64_t done, uint64_t total)>;

// Success, a failure (the path and the reason), or a stop the caller asked for.
struct ExportResult {
  Status status;
  bool cancelled = false;

  bool ok() const { return status.ok() && !cancelled; }
  static ExportResult failure(Status status) { return {std::move(status), false}; }
  static ExportResult stopped() { return {Status(), true}; }
};

class ProgressReporter {
 public:
  // An empty callback never asks to stop.
  ProgressReporter(ProgressCallback callback, uint64_t total);

  // Tells the callback that done of total steps are done. False once it has
  // asked to stop, and from then on without asking it again.
  bool report(uint64_t done);
  bool advance(uint64_t steps = 1) { return report(m_done + steps); }
  bool stopRequested() const { return m_stopped; }
  uint64_t done() const { return m_done; }
  uint64_t total() const { return m_total; }

 private:
  ProgressCallback m_callback;
  uint64_t m_total;
  uint64_t m_done = 0;
  bool m_stopped = false;
};

}  // namespace tavoro
