// libFuzzer target: the PNG decoder on arbitrary bytes.
#include "FuzzDecoders.h"
#include "imaging/PngCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavoro::PngCodec codec;
  tavoro::fuzz::decodeOnce(codec, data, size);
  return 0;
}
