// The session and the wardrobe file on disk: what changed since the last
// save, whether another program wrote the file meanwhile, reading it anew
// in place of the open wardrobe, and refusing changes while read-only.
#include <QUndoCommand>
#include <set>

#include "ui/common/QtText.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {

namespace {

std::set<std::wstring> photoFilesOf(const Wardrobe& wardrobe) {
  std::set<std::wstring> files;
  for (const auto& collection : wardrobe.collections().collections())
    for (const auto& item : collection->items().items())
      for (const auto& photo : item->photos().photos())
        if (std::wstring path = photo->filePath(); !path.empty()) files.insert(std::move(path));
  return files;
}

Collection* collectionById(const Wardrobe& wardrobe, int32_t id) {
  const CollectionList& list = wardrobe.collections();
  if (list.allCollections()->id() == id) return list.allCollections();
  for (const auto& collection : list.collections())
    if (collection->id() == id) return collection.get();
  return nullptr;
}

Item* itemById(const Collection& collection, int32_t id) {
  for (const auto& item : collection.items().items())
    if (item->id() == id) return item.get();
  return nullptr;
}

}  // namespace

bool WardrobeSession::refuseReadOnly() {
  if (!m_readOnly) return false;
  emit changeRefused(tr("Wardrobe \"%1\" is open read-only: it cannot be changed. To change it, close it and open it "
                        "again once no other Tavoro has it open.")
                         .arg(m_wardrobe ? toQString(m_wardrobe->name()) : QString()));
  return true;
}

QStringList WardrobeSession::unsavedChanges() const {
  QStringList steps;
  const int clean = m_history.cleanIndex();
  const int index = m_history.index();
  // The saved state left the history (its limit): what changed is no longer all known.
  if (clean < 0) return steps;
  for (int i = clean; i < index; ++i) steps << m_history.text(i);
  for (int i = clean; i-- > index;) steps << tr("Undo %1").arg(m_history.text(i));
  return steps;
}

bool WardrobeSession::changedOnDisk() const {
  return m_wardrobe && !isSameFile(m_wardrobe->wardrobeFilePath(), m_identity);
}

void WardrobeSession::onFileSettled() {
  if (changedOnDisk()) emit fileChangedOnDisk();
}

Status WardrobeSession::reload() {
  if (!m_wardrobe) return {};
  const std::wstring path = m_wardrobe->wardrobeFilePath();
  FileState file;
  Status status = readFileIdentity(path, file.identity);
  auto read = std::make_unique<Wardrobe>();
  if (status) status = readWardrobe(path, *read);
  if (!status) return status;

  // Where the window looked, by id: the objects themselves go.
  const int32_t currentId = m_current ? m_current->id() : 0;
  std::vector<std::pair<int32_t, int32_t>> selected;
  for (const Item* item : m_listSelection)
    if (const Collection* collection = item->owner() ? item->owner()->collection() : nullptr)
      selected.emplace_back(collection->id(), item->id());
  const QString searchText = m_searchText;
  const bool searchShown = m_searchShown;
  // Photos copied in by changes that are now lost (and those of deletes
  // set aside) that the file read does not name are nobody's any more.
  std::set<std::wstring> orphans = photoFilesOf(*m_wardrobe);
  orphans.insert(m_trash.pending().begin(), m_trash.pending().end());
  for (const std::wstring& named : photoFilesOf(*read)) orphans.erase(named);

  file.lock = std::move(m_lock);
  file.readOnly = m_readOnly;
  close();
  open(read, std::move(file));

  if (!m_readOnly && !orphans.empty()) {
    m_trash.setAside({orphans.begin(), orphans.end()}, {});
    m_trash.empty();
  }
  if (Collection* current = collectionById(*m_wardrobe, currentId)) setCurrentCollection(current);
  if (searchShown) {
    search(searchText);
  } else if (!searchText.isEmpty()) {
    m_searchText = searchText;
    emit searchChanged();
  }
  std::vector<Item*> items;
  for (const auto& [collectionId, itemId] : selected)
    if (const Collection* collection = collectionById(*m_wardrobe, collectionId))
      if (Item* item = itemById(*collection, itemId)) items.push_back(item);
  if (!items.empty()) {
    setListSelection(items);
    emit revealRequested(items);
  }
  return status;
}

}  // namespace tavoro::ui
