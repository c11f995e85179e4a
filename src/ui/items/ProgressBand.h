// The "Filtering Files..." dialog's progress band: no end is known, so a
// highlight slides along a sunken track, a few pixels each step, and starts
// again from the left once it has left the track. User-interface thread only.
#pragma once

#include <QWidget>

namespace tavoro::ui {

class ProgressBand : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kStep = 4;  // pixels a step

  explicit ProgressBand(QWidget* parent = nullptr);

  // Moves the highlight on by one step.
  void advance();
  // The highlight's left edge, from -width of the highlight to the track's end.
  int offset() const { return m_offset; }
  int highlightWidth() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_offset = 0;
};

}  // namespace tavoro::ui
