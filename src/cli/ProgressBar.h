// A one-line progress bar on standard error for long commands. It draws only
// when standard error is a terminal, so logs and pipes stay clean.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tavoro::cli {

class ProgressBar {
 public:
  explicit ProgressBar(std::string label);
  // Ends the line when something was drawn.
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  // "label [#####.....] done/total"; total 0 shows the count alone.
  void update(size_t done, size_t total);
  void finish();

 private:
  std::string m_label;
  bool m_enabled;
  bool m_drawn = false;
  size_t m_lastDone = SIZE_MAX;
};

}  // namespace tavoro::cli
