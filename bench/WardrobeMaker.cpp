#include "WardrobeMaker.h"

#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "wardrobe/DateTime.h"
#include "wardrobe/ImageType.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::bench {

namespace {

bool linkPhoto(const std::wstring& photo, const Item& item) {
  const std::wstring target = item.mainPhotoPath();
  if (!createFolders(item.namedPhotoFolder())) return false;
  std::error_code error;
  std::filesystem::create_hard_link(toUtf8(photo), toUtf8(target), error);
  if (error) std::filesystem::copy_file(toUtf8(photo), toUtf8(target), error);
  return !error;
}

}  // namespace

std::wstring makeWardrobe(const std::wstring& folder, const std::wstring& name, long items, long itemsPerCollection,
                          const std::wstring& photo) {
  Wardrobe wardrobe(folder + L"/" + name, name);
  wardrobe.setWardrobeId(1);
  const wchar_t* colours[] = {L"red", L"navy blue", L"white", L"black", L"olive green", L"grey"};
  const wchar_t* sizes[] = {L"XS", L"S", L"M", L"L", L"XL"};
  Collection* collection = nullptr;
  int32_t colour = 0, size = 0, fabric = 0;
  for (long n = 0; n < items; ++n) {
    if (n % itemsPerCollection == 0) {
      collection = wardrobe.collections().add(L"Collection " + std::to_wstring(n / itemsPerCollection + 1));
      colour = collection->tags().add(L"Colour")->id();
      size = collection->tags().add(L"Size")->id();
      fabric = collection->tags().add(L"Fabric")->id();
    }
    Item* item =
        collection->items().add(L"Item " + std::to_wstring(n + 1), static_cast<int32_t>(n % itemsPerCollection + 1));
    item->setDateAdded(DateTime::now());
    item->photos().addExisting(ImageType::Jpg, 1);
    item->records().set(colour, colours[n % 6]);
    item->records().set(size, sizes[n % 5]);
    item->records().set(fabric, L"cotton and linen blend");
    if (!photo.empty() && !linkPhoto(photo, *item)) return {};
  }
  if (!photo.empty() && wardrobe.collections().count() > 0)
    wardrobe.collections().setHotId(wardrobe.collections().at(0)->id());
  return writeWardrobe(wardrobe) ? wardrobe.wardrobeFilePath() : std::wstring();
}

}  // namespace tavoro::bench
