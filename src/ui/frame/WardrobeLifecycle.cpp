#include "ui/frame/WardrobeLifecycle.h"
#include "ui/common/UiText.h"
#include "ui/common/CoreTexts.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <vector>

#include "settings/AppSettings.h"
#include "platform/CharClass.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Placeholder.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/common/WaitCursor.h"
#include "ui/dialogs/NewWardrobeDialog.h"
#include "ui/dialogs/OpenWardrobeDialog.h"
#include "ui/export/RestoreBackup.h"
#include "ui/frame/MainWindow.h"
#include "platform/Status.h"
#include "platform/Utf8.h"
#include "ui/frame/RecentWardrobes.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {

namespace {


// The reason a read or write failed, on a line of its own after the message.
std::wstring reasonLine(const Status& status) {
  return status ? std::wstring() : L"\n\n" + fromUtf8(status.reason());
}

std::wstring absoluteArgument(std::wstring_view path) {
  const std::wstring trimmed = trimSpace(path);
  return trimmed.empty() ? trimmed : absolutePath(trimmed);
}

}  // namespace

WardrobeLifecycle::WardrobeLifecycle(MainWindow& frame) : m_frame(frame) {}

WardrobeLifecycle::~WardrobeLifecycle() = default;

Wardrobe* WardrobeLifecycle::wardrobe() const { return m_frame.session().wardrobe(); }

bool WardrobeLifecycle::closeForAnother() {
  if (!wardrobe()) return true;
  if (!confirmAndCloseWardrobe(true)) return false;
  closeWardrobe();
  return true;
}

void WardrobeLifecycle::newWardrobe() {
  if (!closeForAnother()) return;
  m_frame.updateTitle();

  const std::optional<NewWardrobeChoice> choice = showNewWardrobe(&m_frame);
  if (!choice) return;

  const std::wstring& path = choice->path;
  if (!createFolders(path)) {
    showMessage(&m_frame, uiText(tr("Error creating wardrobe folder:\n%1"), {path}), programCaption(),
                kMbOk | kMbIconError);
    return;
  }
  auto made = std::make_unique<Wardrobe>(path, choice->name);
  made->setWardrobeId(AppSettings::settings().nextWardrobeId - 1);
  if (!isFolder(path) || !m_frame.session().open(made)) {
    showMessage(&m_frame, uiText(tr("Error creating wardrobe \"%1\" in folder:\n%2"), {choice->name, path}),
                programCaption(),
                kMbOk | kMbIconError);
    return;
  }
  m_frame.showWardrobeTab(true);
  m_frame.updateTitle();
}

void WardrobeLifecycle::openWardrobeDialog() {
  if (!closeForAnother()) return;
  m_frame.updateTitle();
  const std::optional<OpenWardrobeChoice> choice =
      showOpenWardrobe(QApplication::activeWindow(), m_frame.recentWardrobes());
  if (!choice) return;
  if (choice->restore)
    restoreAndOpen();
  else
    openWardrobe(choice->path, false, true);
}

void WardrobeLifecycle::restoreWardrobe() {
  if (!closeForAnother()) return;
  m_frame.updateTitle();
  restoreAndOpen();
}

void WardrobeLifecycle::restoreAndOpen() {
  if (const std::optional<std::wstring> restored = restoreBackup(&m_frame)) openWardrobe(*restored, false, true);
}

bool WardrobeLifecycle::openWardrobe(std::wstring_view givenPath, bool silent, bool activate) {
  if (wardrobe()) return false;
  const std::wstring path = absoluteArgument(givenPath);
  bool opened = false;
  Status status;
  {
    WaitCursor wait;
    auto read = std::make_unique<Wardrobe>();
    status = path.empty() ? Status::failure(path, "no file named") : readWardrobe(path, *read);
    opened = status && m_frame.session().open(read);
  }
  if (opened) {
    m_frame.recentWardrobes().add(path);
    m_frame.showWardrobeTab(activate);
    m_frame.updateTitle();
    return true;
  }
  if (!silent) {
    showMessage(&m_frame,
                uiText(tr("Error opening \"%1\"!\n\nFile does not exist or may be corrupted."), {path}) + reasonLine(status),
                uiText(tr("Error")), kMbOk | kMbIconError);
  }
  m_frame.recentWardrobes().remove(path);
  if (path != givenPath) m_frame.recentWardrobes().remove(givenPath);
  return false;
}

void WardrobeLifecycle::openWardrobeFromOutside(std::wstring_view givenPath) {
  const std::wstring path = absoluteArgument(givenPath);
  if (wardrobe() && samePath(wardrobe()->wardrobeFilePath(), path)) return;
  if (!closeForAnother()) return;
  openWardrobe(path, false, true);
}

void WardrobeLifecycle::openRecentWardrobe(std::wstring_view path) {
  if (wardrobe() && samePath(wardrobe()->wardrobeFilePath(), path)) {
    m_frame.showWardrobeTab(true);
    return;
  }
  if (!closeForAnother()) return;
  openWardrobe(path, false, true);
}

bool WardrobeLifecycle::saveWardrobe() {
  if (!wardrobe()) return true;
  endTyping();
  Status saved;
  std::wstring path;
  {
    WaitCursor wait;
    path = wardrobe()->wardrobeFilePath();
    saved = m_frame.session().save();
  }
  if (saved) {
    m_frame.recentWardrobes().add(path);
  } else {
    showMessage(&m_frame, uiText(tr("Error saving file \"%1\"!"), {path}) + reasonLine(saved), uiText(tr("Error")),
                kMbOk | kMbIconError);
  }
  return bool(saved);
}

void WardrobeLifecycle::endTyping() {
  // A name or value still being typed in a pane ends as losing the focus ends
  // it (kept), so that the file holds what the panes show: neither Save nor
  // closing the window by its frame moves the focus by itself.
  QWidget* focus = QApplication::focusWidget();
  if (!focus || focus->window() != &m_frame) return;
  // An in-place editor hides or goes when its edit ends: the focus goes back
  // to the nearest widget around it that still takes it.
  std::vector<QPointer<QWidget>> around;
  for (QWidget* widget = focus; widget && widget != &m_frame; widget = widget->parentWidget()) around.emplace_back(widget);
  focus->clearFocus();
  for (const QPointer<QWidget>& widget : around) {
    if (widget && widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus) {
      widget->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

bool WardrobeLifecycle::confirmAndCloseWardrobe(bool ask) {
  if (ask && wardrobe()) {
    const std::wstring& name = wardrobe()->name();
    const std::wstring text =
        m_frame.wardrobePageShown()
            ? uiText(tr("Are you sure you want to close current wardrobe \"%1\"?"), {name})
            : uiText(tr("To continue, wardrobe \"%1\" must be closed.\n\nAre you sure you want to close \"%1\"?"),
                     {name});
    if (showMessage(&m_frame, text, programCaption(), kMbQuestion) != kIdYes) return false;
  }
  return saveWardrobe();
}

void WardrobeLifecycle::closeWardrobe() { m_frame.session().close(); }

void WardrobeLifecycle::reopenLastWardrobe() {
  const AppSettings& settings = AppSettings::settings();
  const std::vector<std::wstring>& recent = m_frame.recentWardrobes().paths();
  if (!settings.lastWardrobeActive || !settings.loadLastWardrobe || recent.empty()) return;
  if (!openWardrobe(std::wstring(recent.front()), true, settings.activeTab != 0)) closeWardrobe();
}

}  // namespace tavoro::ui
