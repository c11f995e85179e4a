// libFuzzer target: the JPEG decoder on arbitrary bytes, and re-encoding what
// it decoded (which carries the kept segments over).
#include <vector>

#include "FuzzDecoders.h"
#include "imaging/JpegCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavoro::JpegCodec codec;
  tavoro::fuzz::decodeOnce(codec, data, size);
  tavoro::PhotoImage image(tavoro::ImageType::Jpg);
  if (size < 4096 && codec.loadFromMemory(image, data, size, true) &&
      int64_t{image.info().width} * image.info().height <= 65536 && codec.loadFromMemory(image, data, size)) {
    std::vector<uint8_t> encoded;
    image.jpegSettings().quality = 50;
    codec.saveToMemory(image, encoded);
  }
  return 0;
}
