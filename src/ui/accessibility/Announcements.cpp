#include "ui/accessibility/Announcements.h"

#include <QAccessible>

namespace tavoro::ui {

namespace {

AnnouncementObserver& observer() {
  static AnnouncementObserver installed;
  return installed;
}

}  // namespace

void announce(QAccessibleEvent& event) {
  if (observer()) observer()(event);
  QAccessible::updateAccessibility(&event);
}

AnnouncementObserver setAnnouncementObserver(AnnouncementObserver replacement) {
  AnnouncementObserver previous = std::move(observer());
  observer() = std::move(replacement);
  return previous;
}

}  // namespace tavoro::ui
