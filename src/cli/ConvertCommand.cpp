// tavoro-cli convert IN OUT: decodes a photo and encodes it in the format of
// OUT's extension with the program's own codecs, row by row.
#include <memory>
#include <string>

#include "Commands.h"
#include "JsonOutput.h"
#include "imaging/ImageCodec.h"
#include "imaging/PhotoConversion.h"
#include "platform/Utf8.h"

namespace tavoro::cli {

void registerConvertCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "convert",
      "Decodes IN and writes it to OUT as BMP, JPEG or PNG by OUT's extension (a JPEG written from a JPEG keeps "
      "its application segments, EXIF among them); prints {file, type, width, height} of OUT.");
  auto input = std::make_shared<std::string>();
  auto output = std::make_shared<std::string>();
  command->add_option("IN", *input, "a BMP, JPEG or PNG file")->required();
  command->add_option("OUT", *output, "the file to write (.bmp, .jpg or .png)")->required();
  command->callback([input, output, &exitStatus] {
    const std::wstring outPath = fromUtf8(*output);
    const std::unique_ptr<ImageCodec> encoder = createImageCodec(typeFromExtension(outPath));
    if (!encoder) throw CLI::ValidationError("OUT", "must end in .bmp, .jpg or .png (or another name of these kinds)");
    const std::wstring inPath = fromUtf8(*input);
    const std::unique_ptr<PhotoImage> image = createPhotoImage(typeFromExtension(inPath));
    if (!image) {
      printError(*input + ": not a BMP, JPEG or PNG file name");
      exitStatus = kFileError;
      return;
    }
    // Row by row from the decoder to the encoder: a photo of any size is
    // converted without ever being held whole.
    switch (convertPhotoFile(*image, inPath, *encoder, outPath)) {
      case ConversionResult::Done:
        break;
      case ConversionResult::ReadFailed:
        printError(*input + ": cannot be read as a " + toUtf8(extensionOf(image->type())) + " file");
        exitStatus = kFileError;
        return;
      case ConversionResult::WriteFailed:
        printError(*output + ": cannot be written");
        exitStatus = kFileError;
        return;
    }
    printJson({{"file", *output},
               {"type", static_cast<int>(encoder->kind())},
               {"width", image->info().width},
               {"height", image->info().height}});
  });
}

}  // namespace tavoro::cli
