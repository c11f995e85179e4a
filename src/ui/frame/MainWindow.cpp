#include "ui/frame/MainWindow.h"
#include "ui/common/CoreTexts.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>

#include "settings/AppSettings.h"
#include "app/Help.h"
#include "platform/Placeholder.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/WebPages.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/export/ExportCommands.h"
#include "ui/frame/Accelerators.h"
#include "ui/frame/WindowKeyFilter.h"
#include "ui/keyboard/ContextMenuKeys.h"
#include "ui/keyboard/TabOrder.h"
#include "ui/accessibility/Accessibility.h"
#include "ui/accessibility/ControlNames.h"
#include "ui/frame/MainView.h"
#include "ui/menus/PopupMenu.h"
#include "ui/page/WardrobePage.h"
#include "ui/search/SearchBox.h"
#include "ui/frame/RecentWardrobes.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/items/ItemListPane.h"
#include "ui/session/WardrobeSession.h"
#include "ui/viewer/PhotoCanvas.h"
#include "ui/viewer/PhotoViewer.h"
#include "wardrobe/Item.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

namespace {

QRect workArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 920, 640);
}

Rect toRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

}  // namespace

MainWindow::MainWindow()
    : m_recentWardrobes(std::make_unique<RecentWardrobes>()),
      m_session(std::make_unique<WardrobeSession>()),
      m_lifecycle(std::make_unique<WardrobeLifecycle>(*this)) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(toQString(programCaption()));
  setWindowIcon(QIcon(resourcePixmap(Picture::ProgramIcon)));
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Before any control is made: Qt keeps the first accessible interface it
  // makes for a control, and one made before the factory is Qt's own.
  installAccessibility();

  AppSettings& settings = AppSettings::settings();
  settings.load(toRect(workArea()));
  for (auto path = settings.recentFiles.rbegin(); path != settings.recentFiles.rend(); ++path)
    m_recentWardrobes->add(*path);

  // Before the views: their buttons show the window's commands.
  makeActions();
  new ExportCommands(*this);
  m_clientView = new MainView(this, *m_recentWardrobes, *m_session);
  m_clientView->setGeometry(rect());
  connect(m_clientView, &MainView::openWardrobeRequested, this,
          [this](const std::wstring& path) { m_lifecycle->openRecentWardrobe(path); });
  m_viewer = new PhotoViewer(this);
  m_viewer->setCoveredView(m_clientView);
  connect(m_clientView, &MainView::viewerRequested, this, &MainWindow::openViewer);
  new WindowKeyFilter(this);
  // Keyboard and screen reader: every pane reached by Tab in order, every
  // context menu by Shift+F10 or the menu key, every control named.
  new ContextMenuKeys(this);
  arrangeTabOrder(m_clientView);
  nameControls(m_clientView);
  // The photos shown belong to the wardrobe that goes.
  connect(m_session.get(), &WardrobeSession::wardrobeAboutToClose, m_viewer, &PhotoViewer::close);
  connect(m_session.get(), &WardrobeSession::wardrobeOpened, this, &MainWindow::updateTitle);
  connect(m_session.get(), &WardrobeSession::wardrobeClosed, this, &MainWindow::updateTitle);
  connect(m_session.get(), &WardrobeSession::fileChangedOnDisk, this, [this] { m_lifecycle->onFileChangedOnDisk(); });
  // The session refuses; the window says why, over whatever asked.
  connect(m_session.get(), &WardrobeSession::changeRefused, this, [this](const QString& message) {
    QWidget* owner = QApplication::activeWindow();
    showMessage(owner ? owner : this, toWString(message), programCaption(), kMbOk | kMbIconInformation);
  });
}

MainWindow::~MainWindow() {
  // The child windows record their own state as they go, before the
  // settings are written.
  delete m_viewer;
  m_viewer = nullptr;
  delete m_clientView;
  m_clientView = nullptr;
  AppSettings& settings = AppSettings::settings();
  settings.recentFiles = m_recentWardrobes->paths();
  settings.save();
}

void MainWindow::makeActions() {
  const auto add = [this](int id, std::function<void()> handler) {
    QAction* action = addCommandAction(this, id, QString(), std::move(handler));
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
  };
  const auto whileViewShown = [this](void (WardrobeLifecycle::*step)()) {
    return [this, step] {
      if (m_clientView && m_clientView->isVisible()) (m_lifecycle.get()->*step)();
    };
  };
  add(kCmdNew, whileViewShown(&WardrobeLifecycle::newWardrobe));
  add(kCmdOpen, whileViewShown(&WardrobeLifecycle::openWardrobeDialog));
  add(kCmdClose, [this] {
    if (m_lifecycle->confirmAndCloseWardrobe(true)) m_lifecycle->closeWardrobe();
  });
  // From the command bar: the page that holds the button goes away, so the
  // close waits until the click has been handled.
  add(kCmdCloseWardrobe, [this] { QTimer::singleShot(0, this, [this] { triggerCommand(this, kCmdClose); }); });
  add(kCmdSave, [this] { m_lifecycle->saveWardrobe(); });
  add(kCmdFind, [this] { find(); });
  add(kCmdPaste, [this] { paste(); });
  add(kCmdRefresh, [this] { refresh(); });
  add(kCmdAbout, [this] {
    QWidget* owner = QApplication::activeWindow();
    showAbout(owner ? owner : this);
  });
  add(kCmdHelpContents, [] { openHelp(); });
  add(kCmdTellAFriend, [this] { openWebPage("/tell-a-friend.html"); });
  add(kCmdVisitWebsite, [this] { openWebPage(""); });
  add(kCmdOnlineTutorials, [this] { openWebPage("/tutorials.html"); });
  add(kCmdDonate, [this] { openWebPage("/donate.html"); });
  // Undo and redo of the open wardrobe's history, named after the step ("Undo Rename Collection").
  const auto addHistoryAction = [this](QAction* action, int id, const char* keyText) {
    action->setData(id);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setObjectName(id == kCmdUndo ? QStringLiteral("UndoAction") : QStringLiteral("RedoAction"));
    PopupMenu::setKeyText(action, QString::fromLatin1(keyText));
    addAction(action);
  };
  addHistoryAction(m_session->history().createUndoAction(this, tr("Undo")), kCmdUndo, "Ctrl+Z");
  addHistoryAction(m_session->history().createRedoAction(this, tr("Redo")), kCmdRedo, "Ctrl+Shift+Z");
  // Their keys belong to the window; the panes act on them themselves.
  for (int id : {kCmdCopy, kCmdCut, kCmdPrint, kCmdNextPane, kCmdPreviousPane}) add(id, [] {});
  for (const Accelerator& accelerator : mainFrameAccelerators()) {
    QAction* action = findCommandAction(this, accelerator.command);
    if (!action) continue;
    QList<QKeySequence> keys = action->shortcuts();
    keys.push_back(QKeySequence(QString::fromLatin1(accelerator.key), QKeySequence::PortableText));
    action->setShortcuts(keys);
  }
}

Wardrobe* MainWindow::wardrobe() const { return m_session->wardrobe(); }

void MainWindow::find() {
  if (!isVisible() || !isEnabled() || !m_clientView || !m_clientView->isVisible() || !wardrobe() ||
      selectedTab() != 1)
    return;
  const QWidget* focus = QApplication::focusWidget();
  if (focus && focus->objectName().compare(QStringLiteral("InlineEditor"), Qt::CaseInsensitive) == 0) return;
  if (SearchBox* box = m_clientView->searchBox()) box->activate();
}

void MainWindow::paste() {
  WardrobePage* page = m_clientView ? m_clientView->wardrobeView() : nullptr;
  if (page && page->itemListHasFocus()) triggerCommand(page->itemList(), kCmdListPaste);
}

void MainWindow::refresh() {
  WardrobePage* page = m_clientView ? m_clientView->wardrobeView() : nullptr;
  if (page && selectedTab() == 1 && page->itemListShown()) triggerCommand(page->itemList(), kCmdListRefresh);
}

void MainWindow::openWebPage(const char* pagePath) {
  // A page that cannot be opened shows nothing.
  openAddress(webPageAddress(QString::fromLatin1(pagePath)));
}

void MainWindow::openFromCommandLine(const std::wstring& path) { m_lifecycle->openWardrobeFromOutside(path); }

void MainWindow::receiveHandover(const std::vector<std::wstring>& paths) {
  // The hand-over arrives inside the socket's handler; opening may ask
  // questions, so it waits for the event loop.
  QTimer::singleShot(0, this, [this, paths] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->raise();
      modal->activateWindow();
      return;
    }
    if (m_firstIdleDone) {
      if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
      raise();
      activateWindow();
    }
    if (!paths.empty()) m_lifecycle->openWardrobeFromOutside(paths.front());
  });
}

void MainWindow::enterEventLoop() {
  if (!m_firstIdleDone) QTimer::singleShot(0, this, &MainWindow::runFirstIdle);
}

void MainWindow::requestClose() {
  QTimer::singleShot(0, this, [this] {
    // An end asked for from outside ends the program even while the viewer shows.
    if (m_viewer) m_viewer->close();
    // A window that was never shown does not end the event loop by closing.
    if (close()) QCoreApplication::quit();
  });
}

void MainWindow::runFirstIdle() {
  if (m_firstIdleDone || m_closed) return;
  m_firstIdleDone = true;
  if (wardrobe()) {
    showAtPlacement();
    showWardrobeTab(true);
  } else {
    m_lifecycle->reopenLastWardrobe();
    showAtPlacement();
  }
  updateTitle();

  // For measuring start-up: once the shown window has been painted (the
  // event loop has nothing left to do), report the time and quit.
  if (qEnvironmentVariableIsSet("TAVORO_EXIT_AT_FIRST_IDLE")) {
    auto* dispatcher = QAbstractEventDispatcher::instance();
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this, connection] {
      QObject::disconnect(*connection);
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      std::printf("first-idle-epoch-ns %lld wardrobe-open %d\n",
                  static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                  wardrobe() ? 1 : 0);
      std::fflush(stdout);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
  }
}

void MainWindow::showAtPlacement() {
  if (!m_placementRestored) restorePlacement();
  if (AppSettings::settings().maximized)
    showMaximized();
  else
    show();
}

void MainWindow::restorePlacement() {
  m_placementRestored = true;
  const AppSettings& settings = AppSettings::settings();
  Rect rect = settings.frameRect;
  bool centre = settings.debut;
  if (rect.isEmpty()) {
    rect = {0, 0, 920, 640};
    centre = true;
  }
  if (centre) {
    // The frame, where the platform knows it before the window is mapped,
    // must fit in the work area too.
    winId();
    const Rect work = toRect(workArea().marginsRemoved(windowFrameMargins()));
    const int dx = (work.left + work.right) / 2 - (rect.left + rect.right) / 2;
    const int dy = (work.top + work.bottom) / 2 - (rect.top + rect.bottom) / 2;
    rect = {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
    rect = {std::max(rect.left, work.left), std::max(rect.top, work.top), std::min(rect.right, work.right),
            std::min(rect.bottom, work.bottom)};
  }
  // The rectangle is the window's own area, without the frame that a window
  // manager adds around it: the frame is not known before the window is
  // first mapped, so a rectangle that included it would be restored without
  // it and recorded with it, the window growing and moving run after run.
  setGeometry(toQRect(rect));
}

QMargins MainWindow::windowFrameMargins() const {
  const QRect frame = frameGeometry();
  const QRect client = geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                  frame.bottom() - client.bottom());
}

void MainWindow::recordPlacement() {
  // A window that was never shown has no placement of its own to keep.
  if (!m_placementRestored) return;
  AppSettings& settings = AppSettings::settings();
  settings.maximized = isMaximized();
  settings.frameRect = toRect(isMaximized() || isMinimized() ? normalGeometry() : geometry());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing the window while the viewer shows closes only the viewer.
  if (m_viewer && m_viewer->isOpen()) {
    m_viewer->close();
    event->ignore();
    return;
  }
  AppSettings& settings = AppSettings::settings();
  settings.lastWardrobeActive = wardrobe() != nullptr;
  settings.activeTab = selectedTab();
  // Saves without asking; a failed save was reported and keeps the window.
  if (!m_lifecycle->confirmAndCloseWardrobe(false)) {
    event->ignore();
    return;
  }
  m_lifecycle->closeWardrobe();
  recordPlacement();
  m_closed = true;
  event->accept();
}

void MainWindow::resizeEvent(QResizeEvent*) {
  if (isMinimized()) return;
  if (m_clientView) m_clientView->setGeometry(rect());
  if (m_viewer) m_viewer->setGeometry(rect());
}

void MainWindow::focusInEvent(QFocusEvent*) {
  if (m_viewer && m_viewer->isOpen())
    m_viewer->imageView()->setFocus(Qt::OtherFocusReason);
  else if (m_clientView)
    m_clientView->setFocus(Qt::OtherFocusReason);
}

void MainWindow::openViewer(const std::vector<Item*>& items, int index) {
  // The viewer keeps the files' paths, not the items: nothing it holds can
  // go away under it.
  std::vector<std::wstring> photos;
  std::vector<QString> names;
  int start = -1;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i] || items[i]->photos().count() == 0) continue;
    if (static_cast<int>(i) == index) start = static_cast<int>(photos.size());
    photos.push_back(items[i]->mainPhotoPath());
    names.push_back(displayName(*items[i]));
  }
  if (start >= 0) m_viewer->open(std::move(photos), start, std::move(names));
}

void MainWindow::showWardrobeTab(bool select) {
  if (m_clientView) m_clientView->showWardrobeTab(select);
}

void MainWindow::hideWardrobeTab() {
  if (m_clientView) m_clientView->hideWardrobeTab();
}

int MainWindow::selectedTab() const { return m_clientView ? m_clientView->selectedTab() : 0; }

QString MainWindow::titleText() const {
  std::wstring title = programCaption();
  if (const Wardrobe* open = wardrobe()) title += formatPlaceholder(L" - [%1]", open->name());
  if (m_session->isReadOnly()) title += toWString(tr(" (read-only)"));
  return toQString(title);
}

void MainWindow::updateTitle() {
  const QString title = titleText();
  if (windowTitle() != title) setWindowTitle(title);
}

}  // namespace tavoro::ui
