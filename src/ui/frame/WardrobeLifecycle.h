// The life of the one open wardrobe: creating it (New Wardrobe dialog),
// opening it (Open Wardrobe dialog, recent list, command line, a second
// start, reopening at start), saving it and closing it, and what happens when
// another program has it: open elsewhere (its lock file: read-only, anyway or
// not at all) or written on disk while open here (read anew, or asked what
// to keep). Every failure is reported once, in the main window, and leaves
// the previous state: a failed save keeps the wardrobe open and stops the
// close. User-interface thread only.
#pragma once

#include <memory>
#include <QCoreApplication>
#include <string>
#include <string_view>

#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

class MainWindow;

class WardrobeLifecycle {
  Q_DECLARE_TR_FUNCTIONS(WardrobeLifecycle)

 public:
  explicit WardrobeLifecycle(MainWindow& frame);
  ~WardrobeLifecycle();
  WardrobeLifecycle(const WardrobeLifecycle&) = delete;
  WardrobeLifecycle& operator=(const WardrobeLifecycle&) = delete;

  // The open wardrobe (the window's session holds it), or null.
  Wardrobe* wardrobe() const;

  // The New command: closes the open wardrobe (asking first), then asks for
  // a name and folder and makes the wardrobe there. Its file is written by
  // the first save.
  void newWardrobe();
  // The Open command: closes the open wardrobe (asking first), then opens
  // what the Open Wardrobe dialog returns (or restores a backup, when the
  // dialog was closed for that).
  void openWardrobeDialog();
  // The Restore Wardrobe command: closes the open wardrobe (asking first),
  // then unpacks a backup the user picks into a new folder and opens it.
  void restoreWardrobe();
  // Opens the file at path (trimmed, made absolute). Fails at once while a
  // wardrobe is open. On failure shows why unless silent, and always takes
  // the path off the recent list. activate selects the wardrobe tab.
  bool openWardrobe(std::wstring_view path, bool silent, bool activate);
  // A path from the command line or a second start: nothing when it is the
  // open wardrobe's file; otherwise the open wardrobe is closed (asking
  // first) and the path opened.
  void openWardrobeFromOutside(std::wstring_view path);
  // A recent wardrobe picked on the home page: the open one comes to the
  // front; another is opened after the open one is closed (asking first).
  void openRecentWardrobe(std::wstring_view path);
  // Ends an edit still open in the window (keeping what was typed), then
  // writes the open wardrobe's file (true with none open); the file moves to
  // the front of the recent list. On failure says so and returns false.
  bool saveWardrobe();
  // Asks (when ask is set and a wardrobe is open), then saves. True when the
  // caller may close the wardrobe: answered Yes and saved.
  bool confirmAndCloseWardrobe(bool ask);
  // Takes the wardrobe away from the window and forgets it (after a true
  // confirmAndCloseWardrobe).
  void closeWardrobe();
  // At start: reopens the most recent wardrobe, silently, when the settings
  // say a wardrobe was open at the last exit.
  void reopenLastWardrobe();
  // Another program wrote the open wardrobe's file: with no unsaved change
  // it is read anew; otherwise the user chooses between reading it anew
  // (losing ours since the last save) and keeping ours (losing theirs at
  // the next save). Waits while a modal window is open.
  void onFileChangedOnDisk();

 private:
  // Reads the file anew, keeping the page shown; says so when it fails.
  bool reload(bool silent);
  // Closes the open wardrobe, asking first; true when none is open afterwards.
  bool closeForAnother();
  // Restores a backup (asking which and where) and opens what was restored.
  void restoreAndOpen();
  // Ends the edit the focus is in, as moving the focus away would.
  void endTyping();

  MainWindow& m_frame;
  bool m_asking = false;
};

}  // namespace tavoro::ui
