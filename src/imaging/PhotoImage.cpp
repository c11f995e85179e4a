#include "PhotoImage.h"

#include "BitmapFitting.h"
#include "ImageCodec.h"

namespace tavoro {

std::unique_ptr<ImageCodec> PhotoImage::createCodec() const {
  return createImageCodec(m_type);
}

bool PhotoImage::open(std::wstring_view path) {
  const std::unique_ptr<ImageCodec> codec = createCodec();
  if (!codec) {
    clear();
    return false;
  }
  return codec->loadFromFile(*this, path, false);
}

bool PhotoImage::scaleToFit(DibBitmap& dest, Size box) const {
  return tavoro::scaleToFit(dest, m_color, box);
}

void PhotoImage::clear() {
  m_color.release();
  m_alpha.release();
  m_segments.clear();
  m_info = ImageSourceInfo{};
  m_path.clear();
}

std::unique_ptr<PhotoImage> createPhotoImage(ImageType type) {
  if (!isPhotoType(type)) return nullptr;
  return std::make_unique<PhotoImage>(type);
}

}  // namespace tavoro
