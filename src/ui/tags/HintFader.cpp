#include "ui/tags/HintFader.h"

#include <algorithm>

namespace tavoro::ui {

int HintFader::mouseMoved() {
  if (m_phase != Phase::kIdle) return 0;
  m_phase = Phase::kFadingIn;
  return kTickMs;
}

int HintFader::tick(bool mouseInside) {
  switch (m_phase) {
    case Phase::kFadingIn:
      m_alpha = std::min(255, m_alpha + kStep);
      if (m_alpha < 255) return kTickMs;
      m_phase = Phase::kHolding;
      return kHoldMs;
    case Phase::kHolding:
      m_phase = Phase::kFadingOut;
      return kTickMs;
    case Phase::kFadingOut:
      m_alpha = std::max(0, m_alpha - kStep);
      if (m_alpha > 0) return kTickMs;
      m_phase = mouseInside ? Phase::kSpent : Phase::kIdle;
      return 0;
    case Phase::kIdle:
    case Phase::kSpent:
      break;
  }
  return 0;
}

void HintFader::mousePressed() {
  m_alpha = 0;
  if (timerRunning()) m_phase = Phase::kSpent;
}

void HintFader::mouseLeft() {
  if (!timerRunning()) m_phase = Phase::kIdle;
}

}  // namespace tavoro::ui
