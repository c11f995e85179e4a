// The order in which Tab visits the window's panes (Shift+Tab goes back):
// on the home page its buttons, the recent wardrobes and the links of the
// navigation column; on the wardrobe page the collections, the items (or the
// search results), the tags, the search box and the command bar; then the
// tab strip. Hidden panes are passed over. User-interface thread only.
#pragma once

class QWidget;

namespace tavoro::ui {

// Chains the panes inside view (the main window's client view) in that order.
void arrangeTabOrder(QWidget* view);

}  // namespace tavoro::ui
