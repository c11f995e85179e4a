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
// none changes the model or another pane. The core stays Qt-free: this is
// the one Qt seam over it. User-interface thread only.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "imaging/import/AddFiles.h"
#include "platform/Status.h"
#include "search/SearchEngine.h"
#include "ui/common/ModelMetaTypes.h"
#include "ui/session/PhotoTrash.h"

namespace tavoro {
class Collection;
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

  // --- The open wardrobe ------------------------------------------------------

  Wardrobe* wardrobe() const { return m_wardrobe.get(); }
  bool isOpen() const { return m_wardrobe != nullptr; }
  // Takes the wardrobe and chooses the collection it was saved with (its
  // hotId, else "All Collections"). False, leaving wardrobe untouched, while
  // another one is open.
  bool open(std::unique_ptr<Wardrobe>& wardrobe);
  // Forgets the open wardrobe and its history without saving it: every pane
  // lets go of it first (wardrobeAboutToClose), then it is destroyed
  // (wardrobeClosed). Photos set aside by deletes stay on disk.
  void close();
  // Writes the wardrobe file; after a successful write the photo files of
  // what was deleted since go to the trash (see PhotoTrash).
  Status save();

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
  // items of any collection): its collection becomes current unless "All
  // Collections" is, the search is hidden, and revealRequested asks the
  // item list to select it. Nothing happens for an item of no open wardrobe.
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

  // --- Search --------------------------------------------------------------------

  // Searches the current collection for text and shows the results; an
  // empty text shows the item list again. Searching "All Collections" looks
  // in every collection.
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

  // The search text, its results or whether they are shown changed.
  void searchChanged();
  // The selection of either pane changed, or which pane is shown.
  void selectionChanged();
  // After an undo or a redo: items it brought back or changed, for the pane
  // that shows them to select and show them.
  void revealRequested(const std::vector<tavoro::Item*>& items);

 private:
  // Items (or a collection) out of the model and kept for undo, with where
  // they were; destroyed with the step that holds them.
  struct HeldItem {
    ItemList* list;
    size_t position;
    std::unique_ptr<Item> item;
  };
  using HeldItems = std::vector<HeldItem>;
  struct HeldCollection {
    size_t position = 0;
    std::unique_ptr<Collection> collection;
  };
  struct HeldTag {
    size_t position = 0;
    std::unique_ptr<Tag> tag;
  };

  // Makes a step of the history and carries it out (redo).
  void record(const QString& step, std::function<void()> redo, std::function<void()> undo);
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
  // Photo files and folders of what leaves or comes back.
  void setAside(const std::vector<Item*>& items, const Collection* collection);
  void takeBack(const std::vector<Item*>& items);

  bool owns(const Collection* collection) const;
  // The engine's results and both selections let go of the items.
  void forgetItems(const std::vector<Item*>& items);
  void clearSearchState();

  std::unique_ptr<Wardrobe> m_wardrobe;
  Collection* m_current = nullptr;
  SearchEngine m_engine;
  QString m_searchText;
  bool m_searchShown = false;
  uint64_t m_searchRun = 0;
  std::vector<Item*> m_listSelection;
  std::vector<Item*> m_resultSelection;
  std::unique_ptr<PreviewThumbnailCache> m_previews;
  QUndoStack m_history;
  PhotoTrash m_trash;
};

}  // namespace tavoro::ui
