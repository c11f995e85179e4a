// The shared corpus: PngSuite against its decoded references, and camera and
// orientation samples against exiftool's readings.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ImageTestFiles.h"
#include "TestFiles.h"
#include "imaging/BitmapFitting.h"
#include "imaging/FileStream.h"
#include "imaging/JpegCodec.h"
#include "imaging/PhotoMetadata.h"
#include "imaging/PngCodec.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

std::wstring corpus(const std::wstring& sub) {
  const std::wstring root = test::testDataFolder();
  return root.empty() ? root : root + L"/" + sub;
}

std::vector<std::wstring> pngSuiteNames(const std::wstring& folder) {
  std::vector<FolderEntry> entries;
  std::vector<std::wstring> names;
  if (!listFolder(folder, entries)) return names;
  for (const FolderEntry& e : entries)
    if (e.name.size() > 4 && e.name.substr(e.name.size() - 4) == L".png") names.push_back(e.name);
  std::sort(names.begin(), names.end());
  return names;
}

// The references hold the stored samples. The decoder corrects them for a
// 2.2 screen by the file's gAMA value (libpng's rounding: floor(x + 0.5)),
// and takes 16-bit samples down to 8 bits; both round slightly differently
// from the references, so a difference of 1 is allowed (2 for 16-bit files,
// whose gamma libpng looks up in tables that are coarse at the dark end).
class DisplayGamma {
 public:
  explicit DisplayGamma(double fileGamma) {
    const double product = (fileGamma > 0 ? fileGamma : 0.45455) * 2.2;
    m_exponent = std::abs(product - 1) < 0.05 ? 1 : 1 / product;
  }
  int colour(double sample, double most) const {
    if (m_exponent == 1) return most > 255 ? static_cast<int>(sample) >> 8 : static_cast<int>(sample);
    return static_cast<int>(std::floor(255 * std::pow(sample / most, m_exponent) + 0.5));
  }

 private:
  double m_exponent = 1;
};

TEST(CorpusTest, PngSuiteDecodesToItsReferences) {
  const std::wstring folder = corpus(L"pngsuite");
  if (folder.empty() || !isFolder(folder + L"/png")) GTEST_SKIP() << "PngSuite not found (../shared/testdata)";
  const std::vector<std::wstring> names = pngSuiteNames(folder + L"/png");
  ASSERT_GT(names.size(), 150u);
  int decoded = 0, refused = 0;
  for (const std::wstring& name : names) {
    const std::string what = toUtf8(name);
    const std::wstring path = folder + L"/png/" + name;
    PhotoImage image(ImageType::Png);
    PngCodec codec;
    const bool ok = codec.loadFromFile(image, path);
    if (name[0] == L'x') {
      EXPECT_FALSE(ok) << what << " is corrupt and must be refused";
      ++refused;
      continue;
    }
    ASSERT_TRUE(ok) << what;
    // Decoded into a box, the same bytes as the whole picture fitted.
    PhotoImage reduced(ImageType::Png);
    reduced.setFittedDecodeBox({7, 5});
    DibBitmap fitted;
    ASSERT_TRUE(codec.loadFromFile(reduced, path) && scaleToFit(fitted, image.colorBitmap(), {7, 5})) << what;
    EXPECT_TRUE(fitted.byteCount() == reduced.colorBitmap().byteCount() &&
                std::equal(fitted.bits(), fitted.bits() + fitted.byteCount(), reduced.colorBitmap().bits()))
        << what << " decoded into a box";
    const nlohmann::json values =
        nlohmann::json::parse(test::readFile(folder + L"/json/" + name.substr(0, name.size() - 4) + L".json"));
    const bool sixteen = image.info().bitDepth == 16;
    const double most = sixteen ? 65535 : 255;
    const DisplayGamma gamma(test::pngFileGamma(test::readFile(path)));
    const DibBitmap& color = image.colorBitmap();
    ASSERT_EQ(values.size(), static_cast<size_t>(color.width() * color.height() * 4)) << what;
    int mismatches = 0;
    for (int y = 0; y < color.height() && mismatches < 3; ++y)
      for (int x = 0; x < color.width() && mismatches < 3; ++x) {
        const size_t at = static_cast<size_t>(y * color.width() + x) * 4;
        const Bgra c = color.color(x, y);
        const int got[4] = {c.red, c.green, c.blue,
                            image.hasAlpha() ? static_cast<int>(image.alphaPlane().pixel(x, y)) : 255};
        int want[4];
        for (size_t i = 0; i < 3; ++i) want[i] = gamma.colour(values[at + i].get<double>(), most);
        want[3] = sixteen ? values[at + 3].get<int>() >> 8 : values[at + 3].get<int>();
        bool same = true;
        for (size_t i = 0; i < 4; ++i) same &= std::abs(got[i] - want[i]) <= (sixteen ? 2 : 1);
        if (!same) {
          ADD_FAILURE() << what << " at " << x << "," << y << ": " << got[0] << " " << got[1] << " " << got[2] << " "
                        << got[3] << " instead of " << want[0] << " " << want[1] << " " << want[2] << " " << want[3];
          ++mismatches;
        }
      }
    ++decoded;
  }
  EXPECT_GT(decoded, 140);
  EXPECT_GT(refused, 10);
}

struct ExifExpectation {
  std::string file;
  int orientation = 0;
  std::string dateTaken;
  long thumbnailBytes = -1;
  int width = 0, height = 0;
};

std::vector<ExifExpectation> readExpectations(const std::wstring& path) {
  std::vector<ExifExpectation> rows;
  std::istringstream in(test::readFile(path));
  std::string line;
  std::getline(in, line);  // the column names
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string orientation, date, bytes, width, height;
    ExifExpectation e;
    std::getline(fields, e.file, '\t');
    std::getline(fields, orientation, '\t');
    std::getline(fields, date, '\t');
    std::getline(fields, bytes, '\t');
    std::getline(fields, width, '\t');
    std::getline(fields, height, '\t');
    if (e.file.empty()) continue;
    e.orientation = orientation == "-" ? 0 : std::stoi(orientation);
    e.dateTaken = date == "-" ? "" : date;
    e.thumbnailBytes = bytes == "-" ? -1 : std::stol(bytes);
    e.width = std::stoi(width);
    e.height = std::stoi(height);
    rows.push_back(e);
  }
  return rows;
}

TEST(CorpusTest, ExifSamplesMatchTheReferenceReadings) {
  const std::wstring folder = corpus(L"exif");
  if (folder.empty() || !isFile(folder + L"/expected.tsv"))
    GTEST_SKIP() << "EXIF samples not found (../shared/testdata)";
  const std::vector<ExifExpectation> rows = readExpectations(folder + L"/expected.tsv");
  ASSERT_GT(rows.size(), 20u);
  for (const ExifExpectation& e : rows) {
    const std::wstring path = folder + L"/" + fromUtf8(e.file);
    // The program reads the orientation from the EXIF block alone and uses 1
    // when it has none; the reference may have found it elsewhere (XMP).
    const int orientation = exifOrientation(path);
    EXPECT_EQ(orientation == 0 ? 1 : orientation, e.orientation == 0 ? 1 : e.orientation) << e.file;

    PhotoDateTaken taken;
    const bool hasDate = readDateTaken(path, taken);
    EXPECT_EQ(hasDate, !e.dateTaken.empty()) << e.file;
    if (hasDate && !e.dateTaken.empty()) {
      int y = 0, mo = 0, d = 0;
      taken.date.parts(y, mo, d);
      char text[32];
      std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d", y, mo, d, taken.time.hour(),
                    taken.time.minute(), taken.time.second());
      EXPECT_EQ(text, e.dateTaken) << e.file;
    }

    JpegSegmentList segments;
    ASSERT_TRUE(readPhotoHeaders(path, segments)) << e.file;
    EXPECT_EQ(static_cast<long>(exifThumbnailBytes(segments).size()), std::max(0L, e.thumbnailBytes)) << e.file;
    DibBitmap thumbnail;
    EXPECT_EQ(exifThumbnail(path, thumbnail, true) != 0, e.thumbnailBytes > 0) << e.file;

    PhotoImage image(ImageType::Jpg);
    JpegCodec codec;
    ASSERT_TRUE(codec.loadFromFile(image, path)) << e.file;
    EXPECT_EQ(image.colorBitmap().width(), e.width) << e.file;
    EXPECT_EQ(image.colorBitmap().height(), e.height) << e.file;
    EXPECT_EQ(exifOrientation(image), orientation) << e.file;
    EXPECT_EQ(image.path(), path);
  }
}

}  // namespace
}  // namespace tavoro
