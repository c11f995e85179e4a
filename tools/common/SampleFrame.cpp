#include "SampleFrame.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "SampleWardrobe.h"
#include "settings/AppSettings.h"
#include "platform/AppPaths.h"
#include "platform/Utf8.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/menus/PopupMenu.h"

namespace tavoro::tools {

SampleFrame::SampleFrame(int width, int height, const std::function<void(AppSettings&)>& prepare) {
  if (!m_scratch.isValid()) {
    std::fprintf(stderr, "tavoro-screens: cannot make a scratch folder\n");
    return;
  }
  const std::wstring scratch = fromUtf8(m_scratch.path().toStdString());
  AppPaths::setProgramFolderForTesting(scratch);
  const std::wstring wardrobe = makeSampleWardrobe(scratch);
  if (wardrobe.empty()) return;
  AppSettings& settings = AppSettings::settings();
  settings = AppSettings();
  settings.frameRect = {0, 0, width, height};
  if (prepare) prepare(settings);
  m_frame = std::make_unique<ui::MainWindow>();
  if (!m_frame->lifecycle().openWardrobe(wardrobe, true, true)) {
    std::fprintf(stderr, "tavoro-screens: cannot open the sample wardrobe\n");
    return;
  }
  m_frame->updateTitle();
  m_frame->resize(width, height);
  m_frame->show();
  QApplication::setActiveWindow(m_frame.get());
  QApplication::processEvents();
  m_open = true;
}

SampleFrame::~SampleFrame() {
  if (m_frame) {
    m_frame->lifecycle().closeWardrobe();
    m_frame->hide();
    m_frame.reset();
  }
  AppPaths::setProgramFolderForTesting(L"");
}

ui::WardrobePage& SampleFrame::page() const { return *m_frame->clientView()->wardrobeView(); }

QPixmap grabPopupMenu(const std::function<void()>& open, int activeCommand) {
  QPixmap picture;
  QTimer::singleShot(0, [&picture, activeCommand] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* menu = qobject_cast<ui::PopupMenu*>(window); menu && menu->isVisible()) {
        menu->setActiveAction(menu->commandAction(activeCommand));
        picture = menu->grab();
        menu->close();
      }
    }
  });
  open();
  return picture;
}

}  // namespace tavoro::tools
