#include "ProgressBar.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>

namespace tavoro::cli {

namespace {
constexpr size_t kWidth = 30;
}

ProgressBar::ProgressBar(std::string label) : m_label(std::move(label)), m_enabled(::isatty(STDERR_FILENO) == 1) {}

ProgressBar::~ProgressBar() {
  finish();
}

void ProgressBar::update(size_t done, size_t total) {
  if (!m_enabled || done == m_lastDone) return;
  m_lastDone = done;
  std::string line = "\r" + m_label + " ";
  if (total > 0) {
    const size_t filled = done >= total ? kWidth : done * kWidth / total;
    line += '[';
    line.append(filled, '#');
    line.append(kWidth - filled, '.');
    line += "] ";
    line += std::to_string(done) + "/" + std::to_string(total);
  } else {
    line += std::to_string(done);
  }
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  m_drawn = true;
}

void ProgressBar::finish() {
  if (!m_drawn) return;
  std::fputs("\n", stderr);
  m_drawn = false;
}

}  // namespace tavoro::cli
