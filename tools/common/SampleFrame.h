// The main window with the sample wardrobe open, shown at a size, for the
// pictures of the wardrobe page and its panes. It lives in a scratch program
// folder of its own (its settings never reach the user's) and the settings
// start from the defaults, adjusted by prepare before the window is made.
#pragma once

#include <QPixmap>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace tavoro {
class AppSettings;
}
namespace tavoro::ui {
class WardrobePage;
class MainWindow;
}  // namespace tavoro::ui

namespace tavoro::tools {

class SampleFrame {
 public:
  SampleFrame(int width, int height, const std::function<void(AppSettings&)>& prepare = {});
  // Closes the wardrobe and the window, and forgets the scratch folder.
  ~SampleFrame();
  SampleFrame(const SampleFrame&) = delete;
  SampleFrame& operator=(const SampleFrame&) = delete;

  // False when the wardrobe could not be made or opened (said on stderr).
  bool isOpen() const { return m_open; }
  ui::MainWindow& frame() const { return *m_frame; }
  ui::WardrobePage& page() const;

 private:
  QTemporaryDir m_scratch;
  std::unique_ptr<ui::MainWindow> m_frame;
  bool m_open = false;
};

// Opens a popup menu with open (which returns once the menu is closed) and
// grabs it while it shows, with the item of activeCommand highlighted.
QPixmap grabPopupMenu(const std::function<void()>& open, int activeCommand);

}  // namespace tavoro::tools
