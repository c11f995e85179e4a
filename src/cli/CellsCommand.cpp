// tavoro-cli cells PHOTO... --out DIR [--cell N] [--no-matte]: the list-view
// thumbnail job for each photo, as the item list runs it, with each cell
// written as a BMP file.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Commands.h"
#include "JsonOutput.h"
#include "imaging/FileStream.h"
#include "imaging/thumbnails/ExifBadge.h"
#include "imaging/thumbnails/ListThumbnailJob.h"
#include "imaging/thumbnails/ThumbnailBmp.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"

namespace tavoro::cli {

namespace {

constexpr int kLargestCell = 4096;

struct CellsOptions {
  std::vector<std::string> photos;
  std::string out;
  int cell = 96;
  bool noMatte = false;
};

// DIR/NAME.bmp after the photo's name; a name met before in this run gets
// " (2)", " (3)" ... so that no cell of the run replaces another.
std::wstring cellPath(const std::wstring& folder, const std::wstring& photo, std::set<std::wstring>& taken) {
  const std::wstring stem = pathStem(photo);
  std::wstring name = stem + L".bmp";
  for (int n = 2; !taken.insert(name).second; ++n) name = stem + L" (" + std::to_wstring(n) + L").bmp";
  return joinPath(folder, name);
}

bool writeCell(const DibBitmap& cell, const std::wstring& path) {
  std::vector<uint8_t> bmp;
  if (!encodeThumbnail(cell, bmp)) return false;
  ReplacingFileWriter writer(path);
  ImageStream* stream = writer.stream();
  return stream && stream->write(bmp.data(), bmp.size()) && writer.commit();
}

int runCells(const CellsOptions& options) {
  ListCellStyle style;
  style.cell = {options.cell, options.cell};
  style.matteOn = !options.noMatte;
  // The photo decoders want a box of at least 4 x 4.
  if (style.thumbnailBox().width < 4) {
    printError("--cell " + std::to_string(options.cell) + " leaves no room for a thumbnail");
    return kUsageError;
  }
  const std::wstring folder = absolutePath(fromUtf8(options.out));
  if (!createFolders(folder)) {
    printError(toUtf8(folder) + ": the folder cannot be made");
    return kFileError;
  }
  const DibBitmap badge = makeExifBadge();

  int status = kSuccess;
  std::set<std::wstring> taken;
  nlohmann::ordered_json cells = nlohmann::ordered_json::array();
  for (const std::string& argument : options.photos) {
    const std::wstring photo = absolutePath(fromUtf8(argument));
    DibBitmap cell;
    ListCell made;
    if (!makeListCell(style, &badge, nullptr, photo, cell, &made)) {
      printError(toUtf8(photo) + ": cannot be read as a BMP, JPEG or PNG photo");
      status = kFileError;
      continue;
    }
    const std::wstring target = cellPath(folder, photo, taken);
    if (!writeCell(cell, target)) {
      printError(toUtf8(target) + ": cannot be written");
      status = kFileError;
      continue;
    }
    cells.push_back(nlohmann::ordered_json{{"file", jsonText(photo)},
                                           {"cell", jsonText(target)},
                                           {"thumbnail",
                                            {{"x", made.thumbnail.left},
                                             {"y", made.thumbnail.top},
                                             {"width", made.thumbnail.width()},
                                             {"height", made.thumbnail.height()}}},
                                           {"exif_badge", made.exifBadge}});
  }
  printJson(cells);
  return status;
}

}  // namespace

void registerCellsCommand(CLI::App& app, int& exitStatus) {
  auto options = std::make_shared<CellsOptions>();
  CLI::App* command = app.add_subcommand(
      "cells",
      "Make the item list's thumbnail cell of each photo and write it as DIR/NAME.bmp. Prints "
      "[{\"file\", \"cell\", \"thumbnail\": {\"x\", \"y\", \"width\", \"height\"}, \"exif_badge\"}].");
  command->add_option("PHOTO", options->photos, "BMP, JPEG or PNG files")->required();
  command->add_option("--out", options->out, "The folder for the cells (made when missing)")->required();
  command->add_option("--cell", options->cell, "The cell's width and height in pixels (default 96)")
      ->check(CLI::Range(1, kLargestCell));
  command->add_flag("--no-matte", options->noMatte, "No matte frame: the thumbnail may fill the whole cell");
  command->callback([options, &exitStatus] { exitStatus = runCells(*options); });
}

}  // namespace tavoro::cli
