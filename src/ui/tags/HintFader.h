// The tag pane's "Click to edit" hint: it fades in when the mouse moves over
// the pane, holds, and fades out again, once each time the mouse comes in.
// The fader only counts; its owner runs the timer at the intervals it is
// told, so that tests can step it without waiting. Not thread-safe.
#pragma once

namespace tavoro::ui {

class HintFader {
 public:
  enum class Phase {
    kIdle,       // ready to fade in at the next mouse move
    kFadingIn,   // timer running
    kHolding,    // timer running
    kFadingOut,  // timer running
    kSpent,      // faded out or stopped; idle again once the mouse leaves
  };
  static constexpr int kTickMs = 100;
  static constexpr int kHoldMs = 800;
  static constexpr int kStep = 32;

  // The mouse moved over the pane. Returns the interval to start the timer
  // with when the fade begins now, else 0 (leave the timer alone).
  int mouseMoved();
  // One timer tick. Returns the interval until the next tick, or 0 when the
  // timer is to stop; mouseInside tells whether the mouse is still over the
  // pane (a fade that ends with the mouse outside leaves the fader idle).
  int tick(bool mouseInside);
  // Any button pressed in the pane: the hint goes at once and the timer stops.
  void mousePressed();
  // The mouse left the pane.
  void mouseLeft();

  int alpha() const { return m_alpha; }
  Phase phase() const { return m_phase; }
  bool timerRunning() const {
    return m_phase == Phase::kFadingIn || m_phase == Phase::kHolding || m_phase == Phase::kFadingOut;
  }

 private:
  Phase m_phase = Phase::kIdle;
  int m_alpha = 0;
};

}  // namespace tavoro::ui
