// tavoro-cli photo-info FILE...: what the program reads from each photo file.
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "JsonOutput.h"
#include "imaging/DibBitmap.h"
#include "imaging/ImageCodec.h"
#include "imaging/PhotoMetadata.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro::cli {
namespace {

nlohmann::ordered_json describe(const std::string& file, std::string& error) {
  const std::wstring path = fromUtf8(file);
  const ImageType type = typeFromExtension(path);
  const std::unique_ptr<ImageCodec> codec = createImageCodec(type);
  if (!codec) {
    error = "not a BMP, JPEG or PNG file name";
    return nullptr;
  }
  if (!isFile(path)) {
    error = "cannot be opened";
    return nullptr;
  }
  PhotoImage image(type);
  if (!codec->loadFromFile(image, path, true)) {
    error = "cannot be read as a " + toUtf8(extensionOf(type)) + " file";
    return nullptr;
  }
  nlohmann::ordered_json out = {{"file", file},
                        {"type", static_cast<int>(type)},
                        {"width", image.info().width},
                        {"height", image.info().height},
                        {"bits_per_pixel", image.info().bitsPerPixel},
                        {"orientation", nullptr},
                        {"date_taken", nullptr},
                        {"exif_thumbnail", nullptr}};
  JpegSegmentList segments;
  if (type == ImageType::Jpg && readPhotoHeaders(path, segments)) {
    if (const int orientation = exifOrientation(segments); orientation != 0) out["orientation"] = orientation;
    PhotoDateTaken taken;
    if (readDateTaken(segments, taken) && taken.date.isValid() && taken.time.isValid())
      out["date_taken"] = jsonText(DateTime(taken.date, taken.time).toText());
    DibBitmap thumbnail;
    if (exifThumbnail(segments, thumbnail, false) != 0)
      out["exif_thumbnail"] = {{"width", thumbnail.width()}, {"height", thumbnail.height()}};
  }
  return out;
}

}  // namespace

void registerPhotoInfoCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "photo-info",
      "Prints one JSON object per file: file, type (the image type code), width, height, bits_per_pixel, "
      "orientation (1..8 or null), date_taken (\"YYYY-MM-DD HH:MM:SS.mmm\" or null) and exif_thumbnail "
      "({width, height} as stored, or null); {file, error} for a file that cannot be read.");
  auto files = std::make_shared<std::vector<std::string>>();
  command->add_option("FILE", *files, "BMP, JPEG or PNG files")->required();
  command->callback([files, &exitStatus] {
    for (const std::string& file : *files) {
      std::string error;
      const nlohmann::ordered_json description = describe(file, error);
      if (!description.is_null()) {
        printJson(description);
        continue;
      }
      printJson({{"file", file}, {"error", error}});
      printError(file + ": " + error);
      exitStatus = kFileError;
    }
  });
}

}  // namespace tavoro::cli
