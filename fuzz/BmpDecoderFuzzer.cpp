// libFuzzer target: the BMP decoder on arbitrary bytes.
#include "FuzzDecoders.h"
#include "imaging/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavoro::BmpCodec codec;
  tavoro::fuzz::decodeOnce(codec, data, size);
  return 0;
}
