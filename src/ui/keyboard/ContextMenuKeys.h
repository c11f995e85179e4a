// The keys that ask for a context menu: Shift+F10 everywhere, and the menu
// key where the platform does not turn it into a context menu request of its
// own. Either sends the focused widget a context menu event from the keyboard,
// as a right click sends one from the mouse, so that every list's menu opens
// on its focused row. User-interface thread only.
#pragma once

#include <QObject>

namespace tavoro::ui {

class ContextMenuKeys : public QObject {
  Q_OBJECT

 public:
  // Watches the application's input for the life of owner.
  explicit ContextMenuKeys(QObject* owner);
  ~ContextMenuKeys() override;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Between a menu key press that was answered here and its release, the
  // platform's own request for the same press is dropped: one press, one menu.
  bool m_answeredMenuKey = false;
};

}  // namespace tavoro::ui
