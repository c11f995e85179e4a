#include "AwkwardWardrobe.h"

#include <stdexcept>

#include "PhotoFactory.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::test {

const std::vector<std::wstring> kAwkwardTexts = {
    L"Shirts, \"best\"",  L"Line\nbreak\r\nand more", L"\u0420\u0443\u0431\u0430\u0448\u043A\u0438 \u886C\u886B",
    L"..",                L"../../etc/passwd",        L"<script>alert('x')</script> & co",
    L"=HYPERLINK(\"x\")", L"+1",                      L"-5",
    L"@SUM(A1)",          L"plain",
};

namespace {

Item* addItem(Collection& collection, const std::wstring& photo, const std::wstring& name) {
  Item* item = collection.items().addFromPhotoFile(photo);
  if (!item) throw std::runtime_error("cannot add a photo");
  item->setName(name);
  return item;
}

}  // namespace

std::wstring makeAwkwardWardrobe(const std::wstring& folder) {
  createFolders(folder);
  const std::wstring sources = folder + L"/sources";
  createFolders(sources);
  writeFile(sources + L"/exif.jpg", withExif(jpegBytes(640, 480, 1), jpegBytes(160, 120, 1)));
  writeFile(sources + L"/sideways.jpg", withExif(jpegBytes(300, 200, 2), "", 6));
  writeFile(sources + L"/plain.bmp", bmpBytes(90, 60, 3));
  writeFile(sources + L"/big.jpg", jpegBytes(2000, 1500, 4));

  Wardrobe wardrobe(folder + L"/wardrobe", L"Mia's <wardrobe> & \"more\"");
  // Collection 1: awkward names everywhere, values on every tag.
  Collection* first = wardrobe.collections().add(kAwkwardTexts[0]);
  std::vector<int32_t> tags;
  for (const wchar_t* name : {L"Colour", L"Size, EU", L"\u0426\u0432\u0435\u0442", L"Colour"})
    tags.push_back(first->tags().add(name)->id());
  const std::vector<std::wstring> photos = {sources + L"/exif.jpg", sources + L"/sideways.jpg",
                                            sources + L"/plain.bmp", sources + L"/big.jpg"};
  for (size_t i = 0; i < kAwkwardTexts.size(); ++i) {
    Item* item = addItem(*first, photos[i % photos.size()], kAwkwardTexts[i]);
    for (size_t t = 0; t < tags.size(); ++t)
      item->records().set(tags[t], kAwkwardTexts[(i + t + 1) % kAwkwardTexts.size()]);
  }
  first->items().at(0)->photos().addFromFile(sources + L"/plain.bmp");
  // Collection 2: non-Latin name, a photo whose file is gone, an item without values.
  Collection* second = wardrobe.collections().add(kAwkwardTexts[2]);
  second->tags().add(L"Fit");
  Item* gone = addItem(*second, sources + L"/exif.jpg", L"Gone photo");
  gone->photos().at(0)->deleteFile();
  addItem(*second, sources + L"/big.jpg", L"Coat");
  // Collection 3: "..", empty.
  wardrobe.collections().add(kAwkwardTexts[3]);
  if (!writeWardrobe(wardrobe)) throw std::runtime_error("cannot write the wardrobe");
  return wardrobe.wardrobeFilePath();
}

}  // namespace tavoro::test
