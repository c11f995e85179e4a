#include "ImageType.h"

#include "platform/CharClass.h"
#include "platform/PathOps.h"

namespace tavoro {

ImageType typeFromExtension(std::wstring_view path) {
  const std::wstring name = pathFileName(path);
  if (name.find(L'.') == std::wstring::npos) return ImageType::None;
  const std::wstring ext = toLower(pathExtension(name));
  if (ext == L"kod") return ImageType::Kod;
  if (ext == L"bmp" || ext == L"dib" || ext == L"rle") return ImageType::Bmp;
  if (ext == L"gif") return ImageType::Gif;
  if (ext == L"ico") return ImageType::Ico;
  if (ext == L"jpg" || ext == L"jpeg" || ext == L"jpe" || ext == L"jfif") return ImageType::Jpg;
  if (ext == L"png") return ImageType::Png;
  if (ext == L"tif") return ImageType::Tif;
  return ImageType::None;
}

std::wstring extensionOf(ImageType type, bool withDot) {
  const wchar_t* ext = nullptr;
  switch (type) {
    case ImageType::Kod: ext = L"kod"; break;
    case ImageType::Bmp: ext = L"bmp"; break;
    case ImageType::Gif: ext = L"gif"; break;
    case ImageType::Ico: ext = L"ico"; break;
    case ImageType::Jpg: ext = L"jpg"; break;
    case ImageType::Png: ext = L"png"; break;
    case ImageType::Tif: ext = L"tif"; break;
    default: return {};
  }
  return withDot ? std::wstring(L".") + ext : std::wstring(ext);
}

bool isPhotoType(ImageType type) {
  return type == ImageType::Bmp || type == ImageType::Jpg || type == ImageType::Png;
}

ImageType imageTypeFromCode(int code) {
  return code >= 0 && code <= 6 ? static_cast<ImageType>(code) : ImageType::None;
}

}  // namespace tavoro
