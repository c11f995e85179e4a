// Converting a photo file into a file of another format (or the same) at
// full size without holding the picture: the decoder hands its rows to the
// encoder's row writer as they come, so that a photo of any size is
// converted within the streaming decoders' band (see kStreamBandBytes).
// Thread-safe for distinct images and codecs (no shared state).
#pragma once

#include <string_view>

#include "ImageCodec.h"
#include "PhotoImage.h"

namespace tavoro {

enum class ConversionResult { Done, ReadFailed, WriteFailed };

// Decodes the file at `from` with the codec of the source image's kind and
// writes it to `to` with the encoder, through a temporary file that replaces
// `to` only when the whole picture was written. The source image gets the
// file's information (and a JPEG's segments, which a JPEG encoder keeps),
// never its pixels; its save settings are the encoder's.
ConversionResult convertPhotoFile(PhotoImage& source, std::wstring_view from, ImageCodec& encoder,
                                  std::wstring_view to);

}  // namespace tavoro
