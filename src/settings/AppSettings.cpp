#include "AppSettings.h"

#include <algorithm>
#include <cstdint>

#include "platform/AppPaths.h"
#include "platform/PathOps.h"

namespace tavoro {

namespace {

int clampToInt(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

AppSettings& AppSettings::settings() {
  static AppSettings instance;
  return instance;
}

AppSettings::AppSettings() {
  const std::wstring documents = AppPaths::documentsFolder();
  wardrobeFolder = documents.empty() ? std::wstring(L"/My Wardrobes") : normalizePath(documents + L"/My Wardrobes");
}

std::wstring AppSettings::filePath() {
  std::wstring folder = AppPaths::dataFolder();
  if (folder.empty() || folder.back() != L'/') folder += L'/';
  return folder + L"Settings.xml";
}

Rect AppSettings::fitToWorkArea(Rect rect, const Rect& workArea) {
  // In 64 bits: a stored rectangle may hold any 32-bit numbers, and their
  // differences do not always fit in 32 bits.
  int64_t left = rect.left, top = rect.top, right = rect.right, bottom = rect.bottom;
  const int64_t workLeft = workArea.left, workTop = workArea.top;
  const int64_t workRight = workArea.right, workBottom = workArea.bottom;
  const int64_t workWidth = workRight - workLeft, workHeight = workBottom - workTop;

  bool keep = false;
  if (right - left <= 0 || bottom - top <= 0) {
    left = 0, top = 0, right = 920, bottom = 640;
  } else {
    if (right - left > workWidth) right = left + workWidth;
    if (bottom - top > workHeight) bottom = top + workHeight;
    const bool intersects =
        std::max(left, workLeft) < std::min(right, workRight) && std::max(top, workTop) < std::min(bottom, workBottom);
    const bool cornerInside = left >= workLeft && left < workRight && top >= workTop && top < workBottom;
    keep = intersects && cornerInside;
  }
  if (!keep) {
    const int64_t width = right - left, height = bottom - top;
    left = workLeft + (workWidth - width) / 2;
    top = workTop + (workHeight - height) / 2;
    right = left + width;
    bottom = top + height;
  }
  return Rect{clampToInt(left), clampToInt(top), clampToInt(right), clampToInt(bottom)};
}

}  // namespace tavoro
