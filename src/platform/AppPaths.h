// Where the program, its per-user data, its temporary files and its help file
// live. Every value is computed anew on each call; nothing is cached.
// Not thread-safe only in setProgramFolderForTesting; everything else is.
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

class AppPaths {
 public:
  // The folder of the running program (/proc/self/exe), without trailing "/".
  static std::wstring programFolder();
  // A file "unins???.dat" beside the program, or a program folder the user
  // cannot write to, marks an installed copy, which keeps its data in the
  // user's configuration folder instead of beside itself.
  static bool isInstalled();
  static std::wstring productName();
  // The product's version information by key ("ProductName", "ProductVersion",
  // "FileVersion", "CompanyName", "FileDescription"); empty for other keys.
  static std::wstring versionString(std::wstring_view key);
  // Installed: $XDG_CONFIG_HOME (default ~/.config) + "/Quillmoor/Tavoro";
  // not installed: the program folder.
  static std::wstring dataFolder();
  // $XDG_RUNTIME_DIR/Quillmoor/Tavoro when that variable names a folder,
  // else ${TMPDIR:-/tmp}/Quillmoor-<uid>/Tavoro; normalised. Once
  // ensureTempFolder() has made a private folder for this run instead, that
  // folder.
  static std::wstring tempFolder();
  static std::wstring helpFile();
  // $HOME, else the password database's home folder; empty when neither says.
  static std::wstring homeFolder();
  // The user's documents folder: XDG_DOCUMENTS_DIR of user-dirs.dirs, else
  // ~/Documents when it exists, else the home folder.
  static std::wstring documentsFolder();

  // Makes programFolder() answer folder instead (empty text undoes it).
  static void setProgramFolderForTesting(std::wstring_view folder);
};

// Creates dataFolder() with all parents. False when it cannot be made or the
// path is empty.
bool ensureDataFolder();

enum class TempFolderSetUp {
  Usual,              // the usual folder is there, ours and private
  PrivateForThisRun,  // it failed its check; a fresh private folder serves this run
  Failed,             // no folder could be made
};

// Creates tempFolder() and the folders of ours above it with mode 0700. When
// they cannot be made, or one of them is a link or belongs to another user
// (anyone can make /tmp/Quillmoor-<uid> first), that folder is never used:
// a fresh private folder is made for this run (mkdtemp under $TMPDIR or
// /tmp), which tempFolder() answers from then on. Called again, it keeps the
// folder it made. Thread-safe.
TempFolderSetUp ensureTempFolder();

// Deletes this run's private folder, when one was made, and forgets it.
void removeRunTempFolder();

}  // namespace tavoro
