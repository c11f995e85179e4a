#include "ui/keyboard/TabOrder.h"

#include <QLineEdit>
#include <QWidget>
#include <vector>

namespace tavoro::ui {

namespace {

// The panes by their role, in the order Tab visits them; a name may stand for
// several widgets (the home page's buttons, its links), taken in the order
// they were made.
constexpr const char* kOrder[] = {
    // home page
    "WTL_BitmapButton",
    "RecentWardrobeList",
    "NavigationLink",
    // wardrobe page
    "CollectionPane",
    "ItemGridView",
    "ItemTableView",
    "SearchResultList",
    "TagPane",
    "SearchEdit",
    "CommandBar",
    // header
    "TabStrip",
};

}  // namespace

void arrangeTabOrder(QWidget* view) {
  std::vector<QWidget*> chain;
  for (const char* name : kOrder) {
    for (QWidget* widget : view->findChildren<QWidget*>(QString::fromLatin1(name))) {
      // The search box's own buttons share a class with the home page's.
      if (widget->focusPolicy() & Qt::TabFocus) chain.push_back(widget);
    }
  }
  for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace tavoro::ui
