// tavoro-cli thumbnail FILE OUT --box W H: the thumbnail the program would
// show for a photo, written as a file.
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "JsonOutput.h"
#include "imaging/ImageCodec.h"
#include "imaging/ImageLimits.h"
#include "imaging/LoadFitted.h"
#include "platform/Utf8.h"

namespace tavoro::cli {

void registerThumbnailCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "thumbnail",
      "Fits the photo (or its EXIF thumbnail) into the box and writes it to OUT as BMP, JPEG or PNG by OUT's "
      "extension; prints {file, width, height} of OUT.");
  struct Options {
    std::string input;
    std::string output;
    std::vector<int> box;
  };
  auto options = std::make_shared<Options>();
  command->add_option("FILE", options->input, "the photo: a BMP, JPEG or PNG file")->required();
  command->add_option("OUT", options->output, "the file to write (.bmp, .jpg or .png)")->required();
  command->add_option("--box", options->box, "the box's width and height, 4 or more each")
      ->expected(2)
      ->required()
      ->check(CLI::Range(4, static_cast<int>(kMaxImageSide)));
  command->callback([options, &exitStatus] {
    const std::wstring output = fromUtf8(options->output);
    const std::unique_ptr<ImageCodec> codec = createImageCodec(typeFromExtension(output));
    if (!codec) throw CLI::ValidationError("OUT", "must end in .bmp, .jpg or .png (or another name of these kinds)");
    DibBitmap fitted;
    if (!loadFitted(fitted, fromUtf8(options->input), {options->box[0], options->box[1]})) {
      printError(options->input + ": cannot be read as a BMP, JPEG or PNG photo");
      exitStatus = kFileError;
      return;
    }
    PhotoImage image(codec->kind());
    image.colorBitmap() = std::move(fitted);
    if (!codec->saveToFile(image, output)) {
      printError(options->output + ": cannot be written");
      exitStatus = kFileError;
      return;
    }
    printJson(
        {{"file", options->output}, {"width", image.colorBitmap().width()}, {"height", image.colorBitmap().height()}});
  });
}

}  // namespace tavoro::cli
