// Thumbnails of a 4000 x 3000 photo: loadFitted into 96 x 96 from a JPEG
// (quality 90, with and without an EXIF thumbnail), a PNG and a 24-bit BMP.
// The files are made once per run in $TAVORO_BENCH_DIR (kept, so that
// bench/imaging-vs-djpeg.sh can time djpeg on the same JPEG) or in a
// temporary folder that is removed at the end.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>

#include "ImageTestFiles.h"
#include "imaging/ImageCodec.h"
#include "imaging/JpegCodec.h"
#include "imaging/LoadFitted.h"
#include "imaging/MemoryStream.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

constexpr int kWidth = 4000, kHeight = 3000;

// Smooth colour fields, edges and a little sensor noise: compresses like a
// photograph rather than like a flat test card.
DibBitmap makePhoto() {
  DibBitmap photo;
  if (!photo.create(kWidth, kHeight, 24)) throw std::runtime_error("cannot allocate the photo");
  std::vector<double> wx(kWidth), wy(kHeight);
  for (int x = 0; x < kWidth; ++x) wx[static_cast<size_t>(x)] = std::sin(x / 310.0) + 0.4 * std::sin(x / 23.0);
  for (int y = 0; y < kHeight; ++y) wy[static_cast<size_t>(y)] = std::cos(y / 270.0) + 0.3 * std::sin(y / 41.0);
  std::minstd_rand noise(42);
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* row = photo.row(y);
    for (int x = 0; x < kWidth; ++x, row += 3) {
      const double a = wx[static_cast<size_t>(x)], b = wy[static_cast<size_t>(y)];
      const int edge = ((x / 500 + y / 400) % 3) * 25;
      const int n = static_cast<int>(noise() % 13) - 6;
      row[0] = static_cast<uint8_t>(std::clamp(int(110 + 60 * a - 30 * b) + edge + n, 0, 255));
      row[1] = static_cast<uint8_t>(std::clamp(int(120 + 40 * b + 20 * a) + n, 0, 255));
      row[2] = static_cast<uint8_t>(std::clamp(int(140 - 50 * a * b) - edge + n, 0, 255));
    }
  }
  return photo;
}

// The EXIF block of a camera: orientation, date taken and a 160 x 120
// thumbnail of the photo.
JpegSegment exifSegment(const DibBitmap& photo) {
  DibBitmap small;
  if (!small.create(160, 120, 24)) throw std::runtime_error("cannot allocate the thumbnail");
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 160; ++x) small.setPixel(x, y, photo.pixel(x * 25, y * 25));
  JpegSaveSettings settings;
  settings.quality = 80;
  MemoryStream thumbnail;
  if (!JpegCodec::encodeBitmap(small, settings, thumbnail)) throw std::runtime_error("cannot encode the thumbnail");
  test::ExifBlock block;
  block.orientation = 1;
  block.dateTaken = "2024:05:17 10:42:07";
  block.thumbnail.assign(thumbnail.buffer().begin(), thumbnail.buffer().end());
  const std::string payload = test::exifPayload(block);
  JpegSegment segment;
  segment.id = kJpegExif;
  segment.length = static_cast<uint32_t>(payload.size() + 2);
  segment.data = {static_cast<uint8_t>(segment.length >> 8), static_cast<uint8_t>(segment.length & 0xFF)};
  segment.data.insert(segment.data.end(), payload.begin(), payload.end());
  return segment;
}

class Photos {
 public:
  Photos() {
    const char* env = std::getenv("TAVORO_BENCH_DIR");
    if (env && *env) {
      m_folder = fromUtf8(env);
      createFolders(m_folder);
    } else {
      std::string pattern = "/tmp/tavoro-bench-XXXXXX";
      if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
      m_folder = fromUtf8(pattern);
      m_temporary = true;
    }
    PhotoImage image(ImageType::Jpg);
    image.colorBitmap() = makePhoto();
    image.jpegSettings().quality = 90;
    save(image, L"photo.jpg");
    save(image, L"photo.png");
    save(image, L"photo.bmp");
    image.segments().push_back(exifSegment(image.colorBitmap()));
    save(image, L"photo-exif.jpg");
  }
  ~Photos() {
    if (m_temporary) removeTree(m_folder);
  }
  std::wstring path(const wchar_t* name) const { return m_folder + L"/" + name; }

 private:
  void save(const PhotoImage& image, const wchar_t* name) {
    if (!createImageCodec(typeFromExtension(name))->saveToFile(image, path(name)))
      throw std::runtime_error("cannot write " + toUtf8(path(name)));
  }
  std::wstring m_folder;
  bool m_temporary = false;
};

const Photos& photos() {
  static const Photos instance;
  return instance;
}

void loadFittedInto96(benchmark::State& state, const wchar_t* name) {
  const std::wstring path = photos().path(name);
  for (auto _ : state) {
    DibBitmap thumbnail;
    if (!loadFitted(thumbnail, path, {96, 96})) state.SkipWithError("loadFitted failed");
    benchmark::DoNotOptimize(thumbnail.bits());
  }
}

BENCHMARK_CAPTURE(loadFittedInto96, jpeg, L"photo.jpg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(loadFittedInto96, jpeg_exif_thumbnail, L"photo-exif.jpg")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(loadFittedInto96, png, L"photo.png")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(loadFittedInto96, bmp24, L"photo.bmp")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tavoro
