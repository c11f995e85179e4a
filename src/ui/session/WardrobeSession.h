// The open wardrobe and everything the window knows about it: the model, the
// collection chosen in the collection pane (which is also where a search
// looks), the search (text, results, whether they are shown), the items
// selected in the pane that shows items, and the preview thumbnails. Every
// change a user can make goes through one call here, which changes the model
// and then says what changed with a typed signal (before a removal and after
// it). Panes read the session and subscribe to its signals; none changes the
// model or another pane. The core stays Qt-free: this is the one Qt seam over
// it. User-interface thread only.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "imaging/import/AddFiles.h"
#include "search/SearchEngine.h"
#include "ui/common/ModelMetaTypes.h"
#include "wardrobe/RemovalReport.h"

namespace tavoro {
class Collection;
class Item;
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
  // Forgets the open wardrobe without saving it: every pane lets go of it
  // first (wardrobeAboutToClose), then it is destroyed (wardrobeClosed).
  void close();

  // --- Where the window looks ---------------------------------------------------

  // The collection chosen in the collection pane: a real one or "All
  // Collections"; null while none is (no wardrobe).
  Collection* currentCollection() const { return m_current; }
  // Chooses a collection (stored as the wardrobe's hotId). The search is no
  // longer shown (its text stays for the next search, now in the new
  // collection) and the item selection is emptied. Nothing happens for the
  // current one, a placeholder row or a collection of another wardrobe.
  void setCurrentCollection(Collection* collection);

  // --- Changes to collections ---------------------------------------------------

  // A new collection at the end of the list; null for an empty or taken name
  // (the pane has said why).
  Collection* addCollection(const std::wstring& name);
  // False, changing nothing, for a pseudo-collection, an empty name or an
  // unchanged one.
  bool renameCollection(Collection* collection, const std::wstring& name);
  // False unless order names every real collection once.
  bool reorderCollections(const std::vector<Collection*>& order);
  // Deletes the collection with its items and their photo files; report
  // (when given) names the folders that kept files. The current collection
  // is not chosen anew here: the collection pane chooses the row it selects.
  bool removeCollection(Collection* collection, RemovalReport* report = nullptr);

  // --- Changes to tags ---------------------------------------------------------

  Tag* addTag(Collection* collection, const std::wstring& name);
  bool renameTag(Tag* tag, const std::wstring& name);
  bool reorderTags(Collection* collection, const std::vector<Tag*>& order);
  // The items' values for the tag stay in their records, unseen and no
  // longer saved; the tag's id is never given out again.
  bool removeTag(Tag* tag);
  // Every tag of the collection goes, and every value of its items.
  bool removeAllTags(Collection* collection);

  // --- Changes to items and their values -------------------------------------------

  // Each file becomes a new item of the collection (see tavoro::addFiles;
  // the confirmation is asked by the caller beforehand). itemsAdded tells
  // the new items before this returns.
  AddedFiles addPhotoFiles(Collection* collection, const ImportList& files);
  // False, changing nothing, for an empty or unchanged name.
  bool renameItem(Item* item, const std::wstring& name);
  // Deletes the items (of any collections) with their photo files.
  bool removeItems(const std::vector<Item*>& items, RemovalReport* report = nullptr);
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

 private:
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
};

}  // namespace tavoro::ui
