// Running many independent jobs (one photo each) on a few threads while the
// calling thread reports progress and may ask them to stop. Thread-safe: the
// job is called on the helper threads at once and must be safe for that;
// progress is reported on the calling thread only.
#pragma once

#include <cstddef>
#include <functional>

#include "ExportProgress.h"
#include "platform/Status.h"

namespace tavoro {

// Threads worth running photo jobs on: the machine's cores, at most 8.
unsigned photoJobThreads();

// Runs job(0) .. job(count - 1) on up to `threads` helper threads (none when
// threads is 0 or count is small: then on the calling thread), advancing
// progress by one for each finished job. No job starts after one failed or
// after progress asked to stop; the jobs already running are waited for.
// Returns the first failure, or success with progress.stopRequested() telling
// whether it stopped early.
Status runJobs(size_t count, unsigned threads, const std::function<Status(size_t)>& job, ProgressReporter& progress);

}  // namespace tavoro
