#include <QSignalSpy>
#include <set>

#include "ItemListFixture.h"
#include "TryWait.h"
#include "imaging/thumbnails/ThumbnailStore.h"
#include "ui/items/ListThumbnails.h"

namespace tavoro::ui {
namespace {

using ListThumbnailsTest = ItemListFixture;

bool showsColour(const QImage& picture, QColor colour) {
  if (picture.isNull()) return false;
  const QColor centre = picture.pixelColor(picture.width() / 2, picture.height() / 2);
  return std::abs(centre.red() - colour.red()) < 12 && std::abs(centre.green() - colour.green()) < 12 &&
         std::abs(centre.blue() - colour.blue()) < 12;
}

TEST_F(ListThumbnailsTest, PicturesOutOfMemoryComeBackFromTheStoreOrAreMadeAgainWhenItIsGone) {
  ThumbnailStore store;
  ASSERT_TRUE(store.open(L"pictures.tcf", m_dir.path()));
  ListThumbnails thumbnails(nullptr, &store, 1);
  const std::vector<QColor> colours{QColor(200, 30, 40), QColor(30, 160, 40), QColor(40, 30, 190)};
  std::vector<std::wstring> paths;
  for (size_t n = 0; n < colours.size(); ++n) paths.push_back(photo(std::to_wstring(n) + L".jpg", colours[n]));
  std::set<int32_t> ready;
  QObject::connect(&thumbnails, &ListThumbnails::thumbnailsReady,
                   [&](const QList<int32_t>& numbers) { ready.insert(numbers.begin(), numbers.end()); });
  for (int32_t n = 0; n < 3; ++n) thumbnails.request(n + 1, paths[static_cast<size_t>(n)]);
  TRY_COMPARE(ready.size(), 3u);
  for (int32_t n = 0; n < 3; ++n)
    EXPECT_TRUE(showsColour(thumbnails.picture(n + 1, paths[static_cast<size_t>(n)]), colours[static_cast<size_t>(n)]))
        << "entry " << n + 1;

  // The store gone (closed, opened anew): a picture painted again is made again.
  store.close();
  ASSERT_TRUE(store.open(L"pictures.tcf", m_dir.path()));
  thumbnails.reset(3);
  ready.clear();
  for (int32_t n = 0; n < 3; ++n) thumbnails.request(n + 11, paths[static_cast<size_t>(n)]);
  TRY_COMPARE(ready.size(), 3u);
  store.close();
  ASSERT_TRUE(store.open(L"pictures.tcf", m_dir.path()));
  for (int32_t n = 0; n < 3; ++n) {
    const int32_t number = n + 11;
    const std::wstring& path = paths[static_cast<size_t>(n)];
    ready.clear();
    // Out of memory (13 too, once 11 was made again), and its record gone:
    // painting it asks for it anew.
    thumbnails.picture(number, path);
    TRY_VERIFY(ready.count(number));
    EXPECT_TRUE(showsColour(thumbnails.picture(number, path), colours[static_cast<size_t>(n)])) << number;
  }
}

}  // namespace
}  // namespace tavoro::ui
