// The kind of an image file, chosen from the extension of its name.
// Thread-safe (pure functions).
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// The codes are stored in wardrobe files; they must never change.
enum class ImageType : int {
  None = -1,
  Kod = 0,
  Bmp = 1,
  Gif = 2,
  Ico = 3,
  Jpg = 4,
  Png = 5,
  Tif = 6,
};

// By the text after the last dot of the file name, regardless of case:
// "bmp", "dib", "rle" are Bmp; "jpg", "jpeg", "jpe", "jfif" Jpg; and so on.
// None for any other extension or none.
ImageType typeFromExtension(std::wstring_view path);

// The canonical extension of a code ("jpg" for Jpg), with a leading "." when
// withDot is set; empty text for None or an unknown code.
std::wstring extensionOf(ImageType type, bool withDot = false);

// True for the three kinds that can be decoded, encoded, imported and stored:
// Bmp, Jpg and Png.
bool isPhotoType(ImageType type);

// The type for a stored code, None for any code that is not a known type.
ImageType imageTypeFromCode(int code);

}  // namespace tavoro
