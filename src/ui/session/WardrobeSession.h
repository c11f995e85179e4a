// The open wardrobe and everything the window knows about it: the model, the
// collection chosen in the collection pane (which is also where a search
// looks), the search (text, results, whether they are shown), the items
// selected in the pane that shows items, the preview thumbnails, and the
// history of changes. Every change a user can make goes through one call
// here, which is one step of the undo history: it changes the model and then
// says what changed with a typed signal (before a removal and after it), and
// undoing or redoing it says so in the same words. Deleting touches no file:
// the photos of what was deleted go to the trash after the next save that no
// longer names them. Panes read the session and subscribe to its signals;
// none changes the model or another pane. The session also minds the file:
// it knows the version it read or last wrote, watches for another program
// writing it, saves only over that version, and holds the lock that tells
// other programs the wardrobe is open; a wardrobe opened read-only refuses
// every change here, saying why. The core stays Qt-free: this is the one Qt
// seam over it. User-interface thread only; a large search runs on a thread
// of its own, which every change stops before it touches the model.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "imaging/import/AddFiles.h"
#include "platform/FileIdentity.h"
#include "platform/LockFile.h"
#include "platform/Status.h"
#include "search/SearchEngine.h"
#include "search/SearchWorker.h"
#include "ui/common/ModelMetaTypes.h"
#include "ui/session/PhotoTrash.h"
#include "ui/session/WardrobeFileWatch.h"
#include "wardrobe/CombinationList.h"

namespace tavoro {
class Collection;
class Combination;
class Item;
class ItemList;
class PreviewThumbnailCache;
class Tag;
class Wardrobe;
}  // namespace tavoro

namespace tavoro::ui {

class WardrobeSession : public QObject {
  Q_OBJECT

 public:
  // The longest names the panes take (UTF-16 units).
  static constexpr int kCollectionNameLimit = 100;
  static constexpr int kTagTextLimit = 100;
  // The undo history keeps this many steps; older ones are forgotten.
  static constexpr int kUndoLimit = 1000;
  // An item's values (tag id and text) in the order they were set.
  using Values = std::vector<std::pair<int32_t, std::wstring>>;

  explicit WardrobeSession(QObject* parent = nullptr);
  ~WardrobeSession() override;
  WardrobeSession(const WardrobeSession&) = delete;
  WardrobeSession& operator=(const WardrobeSession&) = delete;

  // How the file of a wardrobe being opened stands: the version that was
  // read (its identity taken before reading it), the lock taken for it (null:
  // none, as when opened anyway while another program holds it) and whether
  // it is opened read-only.
  struct FileState {
    FileIdentity identity;
    std::unique_ptr<LockFile> lock;
    bool readOnly = false;
  };

  // --- The open wardrobe ------------------------------------------------------

  Wardrobe* wardrobe() const { return m_wardrobe.get(); }
  bool isOpen() const { return m_wardrobe != nullptr; }
  // Takes the wardrobe and chooses the collection it was saved with (its
  // hotId, else "All Collections"), and watches its file. False, leaving
  // wardrobe untouched, while another one is open. Without a file state, the
  // file as it is now is taken as the version read.
  bool open(std::unique_ptr<Wardrobe>& wardrobe);
  bool open(std::unique_ptr<Wardrobe>& wardrobe, FileState file);
  // Forgets the open wardrobe and its history without saving it: every pane
  // lets go of it first (wardrobeAboutToClose), then it is destroyed
  // (wardrobeClosed). Photos set aside by deletes stay on disk.
  void close();
  // Writes the wardrobe file, only while the file on disk is still the
  // version read or last written (else the status isChangedOnDisk and
  // nothing is written: see keepOurs); after a successful write the photo
  // files of what was deleted since go to the trash (see PhotoTrash).
  // Read-only, nothing is written.
  Status save();

  // --- The file on disk ------------------------------------------------------------

  bool isReadOnly() const { return m_readOnly; }
  // Whether a change was made (or undone) since the wardrobe was opened,
  // reloaded or last saved.
  bool hasUnsavedChanges() const { return m_wardrobe && !m_history.isClean(); }
  // Those changes by their step names, oldest first (an undone one as
  // "Undo ..."); empty when they are no longer all known.
  QStringList unsavedChanges() const;
  // The version of the file that the next save may replace.
  const FileIdentity& fileIdentity() const { return m_identity; }
  // Whether the file on disk is another than that version.
  bool changedOnDisk() const;
  // Ours is to replace the file as seen (its identity taken when the user
  // was asked): their version is lost at the next save.
  void keepOurs(const FileIdentity& seen) { m_identity = seen; }
  // Reads the file anew in place of the open wardrobe, losing every change
  // since the last save and the history: the current collection, the search
  // and the item list's selection stay where their objects still exist. The
  // lock and read-only stay. On failure the open wardrobe stays as it was.
  Status reload();

  // --- History -----------------------------------------------------------------

  // One step per change, named for its menu ("Rename Collection"); it
  // begins when a wardrobe is opened and ends when it is closed.
  QUndoStack& history() { return m_history; }
  const PhotoTrash& trash() const { return m_trash; }

  // --- Where the window looks ---------------------------------------------------

  // The collection chosen in the collection pane: a real one or "All
  // Collections"; null while none is (no wardrobe).
  Collection* currentCollection() const { return m_current; }
  // Chooses a collection (stored as the wardrobe's hotId). The search is no
  // longer shown (its text stays for the next search, now in the new
  // collection) and the item selection is emptied. Nothing happens for the
  // current one, a placeholder row or a collection of another wardrobe.
  void setCurrentCollection(Collection* collection);

  // Shows item selected in the item list (a jump from a view that lists
  // items of any collection): its collection becomes current, the search is
  // hidden, and revealRequested asks the item list to select it. Nothing
  // happens for an item of no open wardrobe.
  void revealItem(Item* item);

  // --- Changes to collections ---------------------------------------------------

  // A new collection at the end of the list; null for an empty or taken name
  // (the pane has said why).
  Collection* addCollection(const std::wstring& name);
  // False, changing nothing, for a pseudo-collection, an empty name or an
  // unchanged one.
  bool renameCollection(Collection* collection, const std::wstring& name);
  // False unless order names every real collection once, and another order
  // than now. step names the step ("Move Collection", "Sort Collections").
  bool reorderCollections(const std::vector<Collection*>& order, const QString& step = {});
  // Deletes the collection with its items (their photos are set aside). The
  // current collection is not chosen anew here: the collection pane chooses
  // the row it selects; undoing makes it current again when it was.
  bool removeCollection(Collection* collection);

  // --- Changes to tags ---------------------------------------------------------

  Tag* addTag(Collection* collection, const std::wstring& name);
  bool renameTag(Tag* tag, const std::wstring& name);
  bool reorderTags(Collection* collection, const std::vector<Tag*>& order, const QString& step = {});
  // The items' values for the tag stay in their records, unseen and no
  // longer saved; the tag's id is never given out again.
  bool removeTag(Tag* tag);
  // Every tag of the collection goes, and every value of its items.
  bool removeAllTags(Collection* collection);

  // --- Changes to items and their values -------------------------------------------

  // Each file becomes a new item of the collection (see tavoro::addFiles;
  // the confirmation is asked by the caller beforehand), one step for all
  // of them. itemsAdded tells the new items before this returns.
  AddedFiles addPhotoFiles(Collection* collection, const ImportList& files);
  // False, changing nothing, for an empty or unchanged name.
  bool renameItem(Item* item, const std::wstring& name);
  // Deletes the items (of any collections); their photos are set aside.
  bool removeItems(const std::vector<Item*>& items);
  // Sets the item's value for the tag (an empty value clears it). False when
  // it was that value already.
  bool setValue(Item* item, const Tag* tag, const std::wstring& value);
  // Every value of the item goes, those kept for deleted tags too.
  bool clearAllValues(Item* item);
  // The photo files may have changed on disk: every thumbnail is made anew.
  void refreshPhotos();

  // --- Combinations (outfits) and what was worn when ----------------------------------

  // A new combination with the items (of any collections, each once), named
  // name (see checkCombinationName: the caller has said why a name is
  // refused); null for a name that is refused. Step "New Combination".
  Combination* addCombination(const std::wstring& name, const std::vector<Item*>& items = {});
  // The items it does not hold yet go to its end; false when there is none.
  bool addToCombination(Combination* combination, const std::vector<Item*>& items);
  // False, changing nothing, when it holds none of them.
  bool removeFromCombination(Combination* combination, const std::vector<Item*>& items);
  // False unless order names each of its items once, in another order.
  bool reorderCombination(Combination* combination, const std::vector<Item*>& order);
  // False for a refused or an unchanged name.
  bool renameCombination(Combination* combination, const std::wstring& name);
  // The combination goes; its items and their photos stay, and so do the
  // days they were worn.
  bool removeCombination(Combination* combination);
  // Records day on the combination and on each of its items; false when all
  // of them have it already (or day is not a storable day). Step "Worn
  // Today" for today, else "Worn on <day>".
  bool wearCombination(Combination* combination, Date day);
  // Records day on each item that does not have it yet; false when none.
  bool wearItems(const std::vector<Item*>& items, Date day);
  // Today, by the session's clock (the real one unless a test sets another).
  Date today() const { return Date::today(*m_clock); }
  const LocalClock& clock() const { return *m_clock; }
  void setClock(const LocalClock& clock) {
    m_clock = &clock;
    m_engine.setClock(clock);
  }

  // --- Search --------------------------------------------------------------------

  // A search that tests more items than this runs on the search thread
  // (which keeps packed texts of the collections: a search of a few
  // thousand items there is shorter than one on this thread).
  static constexpr size_t kSearchAtOnce = 4096;
  // Searches the current collection for text and shows the results; an
  // empty text shows the item list again. Searching "All Collections" looks
  // in every collection. A text that extends the last one (see narrows)
  // tests only the last results. A search of more than kSearchAtOnce items
  // runs on the search thread and a new search cancels it: what is shown
  // stays until its first results come (searchChanged, a new searchRun()),
  // the rest follow (searchResultsAdded), and searching() is true until the
  // last of them came. The results are always those of a whole scan.
  void search(const QString& text);
  // "Hide Search Results": the text is emptied and the item list shown.
  void hideSearch();
  // The text last searched (what the search box holds).
  const QString& searchText() const { return m_searchText; }
  // Whether the results are shown in place of the item list.
  bool searchShown() const { return m_searchShown; }
  const std::vector<SearchResult>& results() const { return m_engine.results(); }
  // Changes each time the results are replaced (not when deleted items
  // leave them), so that a pane knows when to show them anew.
  uint64_t searchRun() const { return m_searchRun; }
  // A search runs on the search thread, or runs again after a change (its
  // results are not all in yet).
  bool searching() const { return m_scanTicket != 0 || m_restartPending; }
  // The engine of the last search, for its highlight markup.
  SearchEngine& engine() { return m_engine; }

  // --- Selection -------------------------------------------------------------------

  // The items selected in the item list and in the search results, in
  // their panes' order. The shown pane's selection is what the details and
  // the information strip show.
  void setListSelection(std::vector<Item*> items);
  void setResultSelection(std::vector<Item*> items);
  const std::vector<Item*>& listSelection() const { return m_listSelection; }
  const std::vector<Item*>& resultSelection() const { return m_resultSelection; }
  const std::vector<Item*>& selection() const { return m_searchShown ? m_resultSelection : m_listSelection; }
  // The one selected item of the shown pane, else null.
  Item* selectedItem() const;

  // --- Services ---------------------------------------------------------------------

  // The preview thumbnails of this window (the details, the strip, the result rows).
  PreviewThumbnailCache& previewThumbnails() const { return *m_previews; }

 signals:
  void wardrobeOpened(tavoro::Wardrobe* wardrobe);
  void wardrobeAboutToClose(tavoro::Wardrobe* wardrobe);
  void wardrobeClosed();
  // Another program wrote the file (it is no longer the version read or
  // last written), and the events have settled.
  void fileChangedOnDisk();
  // A change was refused, with the reason for the user (read-only, no id left).
  void changeRefused(const QString& message);

  void currentCollectionChanged(tavoro::Collection* collection);

  void collectionAdded(tavoro::Collection* collection);
  void collectionRenamed(tavoro::Collection* collection);
  void collectionsReordered();
  void collectionAboutToBeRemoved(tavoro::Collection* collection);
  void collectionRemoved();

  void tagAdded(tavoro::Tag* tag);
  void tagRenamed(tavoro::Tag* tag);
  void tagsReordered(tavoro::Collection* collection);
  void tagAboutToBeRemoved(tavoro::Tag* tag);
  // After one tag or all tags of the collection went.
  void tagsRemoved(tavoro::Collection* collection);

  // New items, or items brought back by undo (at their old places in the list).
  void itemsAdded(tavoro::Collection* collection, const std::vector<tavoro::Item*>& items);
  void itemRenamed(tavoro::Item* item);
  void itemsAboutToBeRemoved(const std::vector<tavoro::Item*>& items);
  // After items went (their collections' counts changed).
  void itemsRemoved();
  // One value of the item, or all of them.
  void valuesChanged(tavoro::Item* item);
  void photosRefreshed();

  void combinationAdded(tavoro::Combination* combination);
  // Its name, its items, their order or the days it was worn changed (also
  // when items left it with the wardrobe, or came back).
  void combinationChanged(tavoro::Combination* combination);
  void combinationAboutToBeRemoved(tavoro::Combination* combination);
  void combinationRemoved();
  // The days these items were worn changed.
  void itemsWorn(const std::vector<tavoro::Item*>& items);

  // The search text, its results or whether they are shown changed.
  void searchChanged();
  // More results of the shown search came, from results()[first] on, or
  // its last piece came (searching() became false).
  void searchResultsAdded(int first);
  // The selection of either pane changed, or which pane is shown.
  void selectionChanged();
  // After an undo or a redo: items it brought back or changed, for the pane
  // that shows them to select and show them (and after a reload: the items
  // that were selected).
  void revealRequested(const std::vector<tavoro::Item*>& items);

 private:
  // Items (or a collection) out of the model and kept for undo, with where
  // they were; destroyed with the step that holds them.
  struct HeldItem {
    ItemList* list;
    size_t position;
    std::unique_ptr<Item> item;
  };
  struct HeldItems {
    std::vector<HeldItem> items;
    std::vector<CombinationPlace> places;  // where they stood in combinations
  };
  struct HeldCollection {
    size_t position = 0;
    std::unique_ptr<Collection> collection;
    std::vector<CombinationPlace> places;
  };
  struct HeldCombination {
    size_t position = 0;
    std::unique_ptr<Combination> combination;
  };
  // A combination as one change leaves it (its stamp of change with it).
  struct CombinationState {
    std::wstring name;
    std::vector<Item*> items;
    DateTime changed;
  };
  // The days one wear step added, to take them off again.
  struct WearAdded {
    Combination* combination = nullptr;  // null, or it got the day
    std::vector<Item*> items;            // the items that got it
    Date day;
    DateTime changedBefore;
    DateTime changedAfter;
  };
  struct HeldTag {
    size_t position = 0;
    std::unique_ptr<Tag> tag;
  };

  // The last complete search, which a search that extends it narrows.
  struct LastSearch {
    const Collection* scope = nullptr;
    std::vector<SearchTerm> terms;
    std::shared_ptr<const std::vector<Item*>> items;  // null: none to narrow
  };

  // Makes a step of the history and carries it out (redo). Each half of
  // the step calls changing() first.
  void record(const QString& step, std::function<void()> redo, std::function<void()> undo);
  // Called by every change before it touches the model: a search running
  // on the search thread stops (and runs again once the change is done),
  // the last results narrow no later search, and the search thread makes
  // its packed texts of the collections again. A call that changes the
  // model before it records its step calls this first.
  void changing();
  // The changes themselves, each with its signals, for the steps to make.
  void attachCollection(HeldCollection& held, bool makeCurrent);
  void detachCollection(Collection* collection, HeldCollection& held);
  void applyCollectionName(Collection* collection, const std::wstring& name);
  void applyCollectionOrder(const std::vector<Collection*>& order);
  void attachTag(HeldTag& held);
  // announce: tagsRemoved follows (a batch says it once at its end).
  void detachTag(Tag* tag, HeldTag& held, bool announce = true);
  void applyTagName(Tag* tag, const std::wstring& name);
  void applyTagOrder(Collection* collection, const std::vector<Tag*>& order);
  void attachItems(HeldItems& held, bool reveal);
  void detachItems(const std::vector<Item*>& items, HeldItems& held);
  void applyItemName(Item* item, const std::wstring& name);
  void applyRecords(Item* item, const Values& values);
  void attachCombination(HeldCombination& held);
  void detachCombination(Combination* combination, HeldCombination& held);
  void applyCombinationState(Combination* combination, const CombinationState& state);
  void applyWear(const WearAdded& wear, bool worn);
  // Takes the items out of every combination (or puts them back), saying
  // which combinations changed.
  std::vector<CombinationPlace> leaveCombinations(const std::vector<Item*>& items);
  void returnToCombinations(const std::vector<CombinationPlace>& places);
  // Whether the combination is one of the open wardrobe's.
  bool owns(const Combination* combination) const;
  bool ownsItem(const Item* item) const;
  CombinationState stateOf(const Combination& combination) const;
  QString wearStep(Date day) const;
  // Photo files and folders of what leaves or comes back.
  void setAside(const std::vector<Item*>& items, const Collection* collection);
  void takeBack(const std::vector<Item*>& items);

  bool owns(const Collection* collection) const;
  // True, telling why, when the wardrobe is read-only.
  bool refuseReadOnly();
  void onFileSettled();
  // Takes the next piece of the search thread's from the inbox: the first
  // piece of a search replaces the results, the others are added.
  void takePiece();
  // Stops the search running on the search thread; false when none ran.
  bool stopScan();
  void rememberSearch(const std::vector<SearchTerm>& terms);
  // The engine's results and both selections let go of the items.
  void forgetItems(const std::vector<Item*>& items);
  void clearSearchState();

  std::unique_ptr<Wardrobe> m_wardrobe;
  Collection* m_current = nullptr;
  SearchEngine m_engine;
  QString m_searchText;
  bool m_searchShown = false;
  uint64_t m_searchRun = 0;
  LastSearch m_lastSearch;
  uint64_t m_scanTicket = 0;  // the search on the search thread, 0: none
  uint64_t m_lastTicket = 0;
  std::vector<SearchTerm> m_scanTerms;
  bool m_scanShown = false;       // its first results replaced the shown ones
  bool m_restartPending = false;  // a change stopped it: it runs again
  std::vector<Item*> m_listSelection;
  std::vector<Item*> m_resultSelection;
  std::unique_ptr<PreviewThumbnailCache> m_previews;
  QUndoStack m_history;
  PhotoTrash m_trash;
  FileIdentity m_identity;
  std::unique_ptr<LockFile> m_lock;
  bool m_readOnly = false;
  WardrobeFileWatch m_watch;
  const LocalClock* m_clock = &LocalClock::system();
  std::mutex m_inboxMutex;
  std::deque<SearchPiece> m_inbox;  // guarded by m_inboxMutex
  // Last: its thread ends before what it reads and reports to.
  std::unique_ptr<SearchWorker> m_worker;
};

}  // namespace tavoro::ui
