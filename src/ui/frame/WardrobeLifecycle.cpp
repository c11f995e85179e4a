#include "ui/frame/WardrobeLifecycle.h"
#include "ui/common/UiText.h"
#include "ui/common/CoreTexts.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QTimer>
#include <ctime>
#include <vector>

#include "settings/AppSettings.h"
#include "platform/CharClass.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/LockFile.h"
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

// Who holds a lock, for the question.
QString lockHolderText(const LockOwner& holder) {
  if (holder.pid == 0) return WardrobeLifecycle::tr("someone whose lock file Tavoro cannot read");
  const std::time_t t = static_cast<std::time_t>(holder.time);
  std::tm local{};
  char when[32] = "?";
  if (::localtime_r(&t, &local)) std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", &local);
  return WardrobeLifecycle::tr("%1 on %2 (process %3) since %4")
      .arg(QString::fromStdString(holder.user), QString::fromStdString(holder.host), QString::number(holder.pid),
           QString::fromLatin1(when));
}

// The changes since the last save, one a line, for a question that may lose them.
QString unsavedList(const WardrobeSession& session) {
  const QStringList steps = session.unsavedChanges();
  if (steps.isEmpty()) return WardrobeLifecycle::tr("(more changes than the undo history keeps)");
  constexpr int kShown = 10;
  QStringList lines;
  for (int i = 0; i < steps.size() && i < kShown; ++i) lines << QStringLiteral("- ") + steps[i];
  const int more = static_cast<int>(steps.size()) - kShown;
  if (more > 0) lines << WardrobeLifecycle::tr("and %n more", nullptr, more);
  return lines.join(QLatin1Char('\n'));
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
  WardrobeSession::FileState file;
  // Nothing is there yet: the first save expects nothing.
  readFileIdentity(made->wardrobeFilePath(), file.identity);
  file.lock = std::make_unique<LockFile>();
  if (file.lock->acquire(lockFilePath(made->wardrobeFilePath())) != LockFile::Outcome::Taken) file.lock.reset();
  if (!isFolder(path) || !m_frame.session().open(made, std::move(file))) {
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
  WardrobeSession::FileState file;
  if (!path.empty() && isFile(path)) {
    // Another Tavoro may have it open: the user chooses.
    file.lock = std::make_unique<LockFile>();
    LockOwner holder;
    const LockFile::Outcome outcome = file.lock->acquire(lockFilePath(path), &holder);
    if (outcome == LockFile::Outcome::HeldByOther) {
      const int answer = showMessage(
          &m_frame,
          uiText(tr("Wardrobe \"%1\" is open in Tavoro by %2.\n\nYes: open it read-only.\nNo: open it anyway "
                    "(changes saved there and here may overwrite each other).\nCancel: do not open it."),
                 {path, toWString(lockHolderText(holder))}),
          programCaption(), kMbYesNoCancel | kMbIconWarning);
      if (answer == kIdCancel) return false;
      file.readOnly = answer == kIdYes;
    }
    // Opened anyway, or a folder that takes no lock file: no lock of ours.
    if (outcome != LockFile::Outcome::Taken) file.lock.reset();
  }
  bool opened = false;
  Status status;
  {
    WaitCursor wait;
    auto read = std::make_unique<Wardrobe>();
    // Taken before reading: a write in between shows as a change, never the reverse.
    if (!path.empty()) readFileIdentity(path, file.identity);
    status = path.empty() ? Status::failure(path, "no file named") : readWardrobe(path, *read);
    opened = status && m_frame.session().open(read, std::move(file));
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
  WardrobeSession& session = m_frame.session();
  Status saved;
  std::wstring path;
  {
    WaitCursor wait;
    path = wardrobe()->wardrobeFilePath();
    saved = session.save();
  }
  if (isChangedOnDisk(saved)) {
    FileIdentity seen;
    if (!readFileIdentity(path, seen) || !seen.exists) {
      // Gone, or no file: there is nothing of theirs to lose.
      session.keepOurs(seen);
      WaitCursor wait;
      saved = session.save();
    } else if (!session.hasUnsavedChanges() && reload(true)) {
      // With nothing of ours to write, writing would only lose theirs.
      return true;
    }
  }
  if (isChangedOnDisk(saved)) {
    // Never over a version we did not read without asking.
    FileIdentity seen;
    readFileIdentity(path, seen);
    m_asking = true;
    const int answer = showMessage(
        &m_frame,
        uiText(tr("Wardrobe file \"%1\" was changed on disk by another program since it was read.\n\nYes: save "
                  "yours over it (the other program's changes are lost).\nNo: read it anew (your changes since the "
                  "last save are lost):\n%2\nCancel: do not save."),
               {path, toWString(unsavedList(session))}),
        programCaption(), kMbYesNoCancel | kMbIconWarning | kMbDefaultButton3);
    m_asking = false;
    if (answer == kIdCancel || !wardrobe()) return false;
    if (answer == kIdNo) return reload(false);
    session.keepOurs(seen);
    WaitCursor wait;
    saved = session.save();
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

bool WardrobeLifecycle::reload(bool silent) {
  const bool pageShown = m_frame.wardrobePageShown();
  Status status;
  {
    WaitCursor wait;
    status = m_frame.session().reload();
  }
  if (!status) {
    if (!silent)
      showMessage(&m_frame,
                  uiText(tr("Error opening \"%1\"!\n\nFile does not exist or may be corrupted."),
                         {wardrobe() ? wardrobe()->wardrobeFilePath() : std::wstring()}) +
                      reasonLine(status),
                  uiText(tr("Error")), kMbOk | kMbIconError);
    return false;
  }
  m_frame.showWardrobeTab(pageShown);
  m_frame.updateTitle();
  return true;
}

void WardrobeLifecycle::onFileChangedOnDisk() {
  WardrobeSession& session = m_frame.session();
  if (m_asking || !session.isOpen() || !session.changedOnDisk()) return;
  // A dialog's loop may be in the middle of a change: the question waits for it.
  if (QApplication::activeModalWidget()) {
    QTimer::singleShot(500, &m_frame, [this] { onFileChangedOnDisk(); });
    return;
  }
  // A file half written by a sync tool does not read: the next event, or the
  // save, tries again.
  // Gone, or no file: nothing to read; the next save writes ours.
  FileIdentity seen;
  if (!readFileIdentity(wardrobe()->wardrobeFilePath(), seen) || !seen.exists) return;
  if (!session.hasUnsavedChanges()) {
    reload(true);
    return;
  }
  m_asking = true;
  const int answer = showMessage(
      &m_frame,
      uiText(tr("Wardrobe file \"%1\" was changed on disk by another program.\n\nYes: read it anew (your changes "
                "since the last save are lost):\n%2\nNo: keep yours (the next save writes them over the other "
                "program's changes)."),
             {wardrobe()->wardrobeFilePath(), toWString(unsavedList(session))}),
      programCaption(), kMbYesNo | kMbIconWarning);
  m_asking = false;
  if (!session.isOpen()) return;
  if (answer == kIdYes)
    reload(false);
  else
    session.keepOurs(seen);
}

void WardrobeLifecycle::reopenLastWardrobe() {
  const AppSettings& settings = AppSettings::settings();
  const std::vector<std::wstring>& recent = m_frame.recentWardrobes().paths();
  if (!settings.lastWardrobeActive || !settings.loadLastWardrobe || recent.empty()) return;
  if (!openWardrobe(std::wstring(recent.front()), true, settings.activeTab != 0)) closeWardrobe();
}

}  // namespace tavoro::ui
