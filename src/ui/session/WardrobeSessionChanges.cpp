// The changes the session's steps make, each with the signals that tell the
// panes: the same calls do a change, undo it and redo it, so that every
// pane shows an undone change as it showed the change.
#include <QUndoCommand>
#include <map>
#include <unordered_set>

#include "ui/session/WardrobeSession.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

namespace {

// One step of the history: the two halves of a change.
class SessionStep : public QUndoCommand {
 public:
  SessionStep(const QString& text, std::function<void()> redo, std::function<void()> undo)
      : QUndoCommand(text), m_redo(std::move(redo)), m_undo(std::move(undo)) {}
  void redo() override { m_redo(); }
  void undo() override { m_undo(); }

 private:
  std::function<void()> m_redo;
  std::function<void()> m_undo;
};

std::vector<std::wstring> photoFilesOf(const Item& item) {
  std::vector<std::wstring> files;
  for (const auto& photo : item.photos().photos())
    if (std::wstring path = photo->filePath(); !path.empty()) files.push_back(std::move(path));
  return files;
}

}  // namespace

void WardrobeSession::record(const QString& step, std::function<void()> redo, std::function<void()> undo) {
  // Pushing carries the step out. Each half stops a search that reads the
  // model before changing it.
  m_history.push(new SessionStep(
      step,
      [this, redo = std::move(redo)] {
        changing();
        redo();
      },
      [this, undo = std::move(undo)] {
        changing();
        undo();
      }));
}

// --- Photo files ------------------------------------------------------------------

void WardrobeSession::setAside(const std::vector<Item*>& items, const Collection* collection) {
  std::vector<std::wstring> files;
  std::vector<std::wstring> folders;
  for (const Item* item : items) {
    const std::vector<std::wstring> photos = photoFilesOf(*item);
    files.insert(files.end(), photos.begin(), photos.end());
    if (std::wstring folder = item->namedPhotoFolder(); !folder.empty()) folders.push_back(std::move(folder));
  }
  if (collection)
    if (std::wstring folder = collection->namedPhotoFolder(); !folder.empty()) folders.push_back(std::move(folder));
  m_trash.setAside(files, folders);
}

void WardrobeSession::takeBack(const std::vector<Item*>& items) {
  std::vector<std::wstring> files;
  for (const Item* item : items) {
    const std::vector<std::wstring> photos = photoFilesOf(*item);
    files.insert(files.end(), photos.begin(), photos.end());
  }
  m_trash.takeBack(files);
}

// --- Collections --------------------------------------------------------------------

void WardrobeSession::attachCollection(HeldCollection& held, bool makeCurrent) {
  Collection* collection = held.collection.get();
  if (!collection || !m_wardrobe->collections().insert(std::move(held.collection), held.position)) return;
  std::vector<Item*> items;
  for (const auto& item : collection->items().items()) items.push_back(item.get());
  takeBack(items);
  emit collectionAdded(collection);
  returnToCombinations(std::exchange(held.places, {}));
  if (makeCurrent) setCurrentCollection(collection);
}

void WardrobeSession::detachCollection(Collection* collection, HeldCollection& held) {
  emit collectionAboutToBeRemoved(collection);
  std::vector<Item*> items;
  items.reserve(collection->items().count());
  for (const auto& item : collection->items().items()) items.push_back(item.get());
  const bool searchedIt = m_current == collection || m_engine.scope() == collection;
  forgetItems(items);
  if (searchedIt) clearSearchState();
  if (m_current == collection) m_current = nullptr;
  held.collection = m_wardrobe->collections().take(collection, &held.position);
  held.places = leaveCombinations(items);
  setAside(items, collection);
  emit collectionRemoved();
  emit searchChanged();
  emit selectionChanged();
}

void WardrobeSession::applyCollectionName(Collection* collection, const std::wstring& name) {
  collection->setName(name);
  emit collectionRenamed(collection);
}

void WardrobeSession::applyCollectionOrder(const std::vector<Collection*>& order) {
  if (m_wardrobe->collections().reorder(order)) emit collectionsReordered();
}

// --- Tags -----------------------------------------------------------------------------

void WardrobeSession::attachTag(HeldTag& held) {
  Tag* tag = held.tag.get();
  if (!tag || !tag->owner()->insert(std::move(held.tag), held.position)) return;
  emit tagAdded(tag);
}

void WardrobeSession::detachTag(Tag* tag, HeldTag& held, bool announce) {
  TagList* tags = tag->owner();
  emit tagAboutToBeRemoved(tag);
  held.tag = tags->take(tag, &held.position);
  if (announce) emit tagsRemoved(tags->collection());
}

void WardrobeSession::applyTagName(Tag* tag, const std::wstring& name) {
  tag->setName(name);
  emit tagRenamed(tag);
}

void WardrobeSession::applyTagOrder(Collection* collection, const std::vector<Tag*>& order) {
  if (collection->tags().reorder(order)) emit tagsReordered(collection);
}

// --- Items and values ---------------------------------------------------------------------

void WardrobeSession::attachItems(HeldItems& held, bool reveal) {
  // Back in the reverse order of their taking, each at the place it left.
  std::vector<Item*> items;
  for (auto entry = held.items.rbegin(); entry != held.items.rend(); ++entry) {
    Item* item = entry->item.get();
    if (item && entry->list->insert(std::move(entry->item), entry->position)) items.push_back(item);
  }
  held.items.clear();
  std::reverse(items.begin(), items.end());
  takeBack(items);
  // One notice per collection, its items in their list order.
  std::map<Collection*, std::unordered_set<const Item*>> byCollection;
  for (Item* item : items) byCollection[item->owner()->collection()].insert(item);
  for (const auto& [collection, back] : byCollection) {
    std::vector<Item*> added;
    added.reserve(back.size());
    for (const auto& item : collection->items().items())
      if (back.count(item.get())) added.push_back(item.get());
    emit itemsAdded(collection, added);
  }
  returnToCombinations(std::exchange(held.places, {}));
  if (reveal && !items.empty()) emit revealRequested(items);
}

void WardrobeSession::detachItems(const std::vector<Item*>& items, HeldItems& held) {
  emit itemsAboutToBeRemoved(items);
  forgetItems(items);
  held.items.clear();
  for (Item* item : items) {
    ItemList* list = item->owner();
    size_t position = 0;
    if (std::unique_ptr<Item> taken = list->take(item, &position))
      held.items.push_back({list, position, std::move(taken)});
  }
  held.places = leaveCombinations(items);
  setAside(items, nullptr);
  emit itemsRemoved();
  emit searchChanged();
  emit selectionChanged();
}

void WardrobeSession::applyItemName(Item* item, const std::wstring& name) {
  item->setName(name);
  emit itemRenamed(item);
}

void WardrobeSession::applyRecords(Item* item, const Values& values) {
  item->clearRecords();
  for (const auto& [tagId, value] : values) item->records().set(tagId, value);
  emit valuesChanged(item);
}

}  // namespace tavoro::ui
