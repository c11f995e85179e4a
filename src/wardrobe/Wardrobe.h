// One open wardrobe: its name, its folder, its file, its collections and
// the combinations of their items.
// The objects reach the disk only when the whole wardrobe is saved; photo
// files are copied in and deleted at once. User-interface thread only.
//
// What was worn when, for readers: item->worn() holds the days an item was
// worn (WearDates: days() earliest first, each once; count(), last(),
// countBetween()); combinations() lists the outfits in the order they were
// made, each with items() (pointers into the collections, in the user's
// order; item->owner()->collection() is an item's collection), created(),
// changed() and worn(). Wearing a combination puts the day on the
// combination and on each of its items, so an item's days already include
// the days it was worn in combinations.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "CollectionList.h"
#include "CombinationList.h"

namespace tavoro {

class Wardrobe {
 public:
  static constexpr const wchar_t* kPhotoFolderName = L"_Wardrobe_Photos_";
  static constexpr const wchar_t* kFileExtension = L".twd";

  // With both given, the folder is normalised and kept with the name;
  // otherwise both stay empty (the reader fills them).
  Wardrobe(std::wstring_view folder = {}, std::wstring_view name = {});
  Wardrobe(const Wardrobe&) = delete;
  Wardrobe& operator=(const Wardrobe&) = delete;

  int32_t wardrobeId() const { return m_wardrobeId; }
  void setWardrobeId(int32_t id) { m_wardrobeId = id; }
  const std::wstring& name() const { return m_name; }
  void setName(std::wstring name) { m_name = std::move(name); }
  const std::wstring& folder() const { return m_folder; }
  void setFolder(std::wstring_view folder);
  CollectionList& collections() { return m_collections; }
  const CollectionList& collections() const { return m_collections; }
  // The outfits made of the collections' items.
  CombinationList& combinations() { return m_combinations; }
  const CombinationList& combinations() const { return m_combinations; }

  // <folder>/<name>.twd, normalised, worked out once while folder and name are
  // both set and then kept; a wardrobe read from a file keeps that file's path.
  std::wstring wardrobeFilePath();
  void setFilePath(std::wstring path) { m_filePath = std::move(path); }
  // <folder>/_Wardrobe_Photos_, normalised; empty text without a folder.
  std::wstring photoFolder() const;
  // The same path as named, without looking at the disk (so without the
  // trailing "/" an existing folder gets): what the paths below it build on,
  // at no cost per photo.
  std::wstring namedPhotoFolder() const;

 private:
  int32_t m_wardrobeId = -1;
  std::wstring m_name;
  std::wstring m_folder;
  std::wstring m_filePath;
  CollectionList m_collections;
  CombinationList m_combinations;
};

}  // namespace tavoro
