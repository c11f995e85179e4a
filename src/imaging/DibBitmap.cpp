#include "DibBitmap.h"

#include <atomic>
#include <bit>
#include <cstdlib>
#include <cstring>

#include "ByteOrder.h"
#include "DibPixels.h"
#include "ImageLimits.h"

namespace tavoro {
namespace {

constexpr std::array<char, 4> kTag = {'D', 'I', 'B', '+'};

std::atomic<size_t> g_memoryInUse{0};
std::atomic<size_t> g_memoryPeak{0};

void countAllocated(size_t bytes) {
  const size_t now = g_memoryInUse.fetch_add(bytes) + bytes;
  size_t peak = g_memoryPeak.load();
  while (now > peak && !g_memoryPeak.compare_exchange_weak(peak, now)) {
  }
}

bool isSupportedDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

void DibBitmap::FreeDeleter::operator()(uint8_t* p) const {
  std::free(p);
  g_memoryInUse.fetch_sub(bytes);
}

size_t DibBitmap::memoryInUse() {
  return g_memoryInUse.load();
}

size_t DibBitmap::memoryPeak() {
  return g_memoryPeak.load();
}

void DibBitmap::resetMemoryPeak() {
  g_memoryPeak.store(g_memoryInUse.load());
}

DibBitmap::DibBitmap(DibBitmap&& other) noexcept {
  *this = std::move(other);
}

DibBitmap& DibBitmap::operator=(DibBitmap&& other) noexcept {
  if (this == &other) return *this;
  m_bits = std::move(other.m_bits);
  m_rows = std::move(other.m_rows);
  m_header = other.m_header;
  m_width = other.m_width;
  m_height = other.m_height;
  m_bytesPerRow = other.m_bytesPerRow;
  m_masks = other.m_masks;
  m_shifts = other.m_shifts;
  m_losses = other.m_losses;
  m_flags = other.m_flags;
  m_paletteSize = other.m_paletteSize;
  m_palette = other.m_palette;
  m_tag = other.m_tag;
  other.release();
  return *this;
}

bool DibBitmap::isValid() const {
  return m_tag == kTag && m_bits != nullptr;
}

void DibBitmap::release() {
  m_tag = {};
  m_bits.reset();
  m_rows.clear();
  m_header = BitmapInfoHeader{};
  m_width = m_height = m_bytesPerRow = 0;
  m_masks = {};
  m_shifts = {};
  m_losses = {};
  m_flags = 0;
  m_paletteSize = 0;
}

bool DibBitmap::allocate(const BitmapInfoHeader& header) {
  const int64_t width = header.width;
  const int64_t height = header.height < 0 ? -static_cast<int64_t>(header.height) : header.height;
  if (!acceptableImageSize(width, height) || !isSupportedDepth(header.bitCount)) return false;
  const int64_t bytesPerRow = (header.bitCount * width + 31) / 32 * 4;
  const size_t total = static_cast<size_t>(bytesPerRow * height);
  // calloc: large blocks come straight from zeroed pages, so a bitmap that
  // a decoder fills at once costs no clearing pass.
  uint8_t* memory = static_cast<uint8_t*>(std::calloc(total, 1));
  if (!memory) return false;
  m_bits = std::unique_ptr<uint8_t[], FreeDeleter>(memory, FreeDeleter{total});
  countAllocated(total);
  m_width = static_cast<int>(width);
  m_height = static_cast<int>(height);
  m_bytesPerRow = static_cast<int>(bytesPerRow);
  m_rows.resize(static_cast<size_t>(height));
  for (int64_t i = 0; i < height; ++i) m_rows[static_cast<size_t>(i)] = memory + (height - 1 - i) * bytesPerRow;
  m_header = header;
  m_header.height = static_cast<int32_t>(height);
  m_header.planes = 1;
  if (m_header.compression == kBitmapRle8 || m_header.compression == kBitmapRle4) m_header.compression = kBitmapRgb;
  m_header.sizeImage = static_cast<uint32_t>(total);
  return true;
}

void DibBitmap::setMasks(uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha) {
  m_masks = {red, green, blue, alpha};
  for (size_t i = 0; i < 4; ++i) {
    m_shifts[i] = m_masks[i] ? std::countr_zero(m_masks[i]) : 0;
    m_losses[i] = 8 - std::popcount(m_masks[i]);
  }
}

bool DibBitmap::createFromInfo(std::span<const uint8_t> info) {
  release();
  if (info.size() < kInfoHeaderSize) return false;
  const uint32_t headerSize = readLe32(info.data());
  if (!isInfoHeaderSize(headerSize) || info.size() < headerSize) return false;
  const BitmapInfoHeader header = parseInfoHeader(info.data());
  const int bits = header.bitCount;
  if (!isSupportedDepth(bits)) return false;

  size_t paletteStart = headerSize;
  uint32_t masks[4] = {0, 0, 0, 0};
  switch (header.compression) {
    case kBitmapRgb:
    case kBitmapRle8:
    case kBitmapRle4:
      if (bits == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
      if (bits == 24 || bits == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
      break;
    case kBitmapBitFields: {
      if (bits != 16 && bits != 32) return false;
      const uint8_t* at = info.data() + kInfoHeaderSize;
      if (headerSize == kInfoHeaderSize) {
        if (info.size() < kInfoHeaderSize + 12) return false;
        paletteStart += 12;
      }
      for (int i = 0; i < 3; ++i) masks[i] = readLe32(at + 4 * i);
      if (headerSize > kInfoHeaderSize) masks[3] = readLe32(at + 12);
      break;
    }
    default:
      return false;
  }

  size_t colours = header.clrUsed;
  if (bits <= 8) {
    const size_t most = size_t{1} << bits;
    if (colours == 0 || colours > most) colours = most;
  } else if (colours > 256) {
    colours = 256;
  }
  if (info.size() - paletteStart < colours * 4) return false;

  if (!allocate(header)) return false;
  setMasks(masks[0], masks[1], masks[2], masks[3]);
  m_paletteSize = static_cast<int>(colours);
  for (size_t i = 0; i < colours; ++i) {
    const uint8_t* p = info.data() + paletteStart + 4 * i;
    m_palette[i] = RgbQuad{p[0], p[1], p[2], p[3]};
  }
  m_tag = kTag;
  return true;
}

bool DibBitmap::create(int width, int height, int bitsPerPixel) {
  release();
  if (!isSupportedDepth(bitsPerPixel)) return false;
  const size_t colours = bitsPerPixel <= 8 ? size_t{1} << bitsPerPixel : 0;
  std::vector<uint8_t> info(kInfoHeaderSize + 4 * colours);
  BitmapInfoHeader header;
  header.width = width;
  header.height = height;
  header.bitCount = static_cast<uint16_t>(bitsPerPixel);
  header.clrUsed = static_cast<uint32_t>(colours);
  storeInfoHeader(header, info.data());
  for (size_t i = 0; i < colours; ++i) {
    const uint8_t grey = static_cast<uint8_t>(i * 255 / (colours - 1));
    std::memset(info.data() + kInfoHeaderSize + 4 * i, grey, 3);
  }
  return createFromInfo(info);
}

bool DibBitmap::copyFrom(const DibBitmap& source) {
  if (this == &source) return isValid();
  if (!createLike(source, source.width(), source.height())) return false;
  std::memcpy(m_bits.get(), source.m_bits.get(), source.byteCount());
  return true;
}

bool DibBitmap::createLike(const DibBitmap& model, int width, int height) {
  if (this == &model) return false;
  release();
  if (!model.isValid()) return false;
  BitmapInfoHeader header = model.m_header;
  header.width = width;
  header.height = height;
  if (!allocate(header)) return false;
  m_masks = model.m_masks;
  m_shifts = model.m_shifts;
  m_losses = model.m_losses;
  m_flags = model.m_flags;
  m_paletteSize = model.m_paletteSize;
  m_palette = model.m_palette;
  m_tag = kTag;
  return true;
}

bool DibBitmap::setPalette(std::span<const RgbQuad> entries) {
  if (!isValid() || bitsPerPixel() > 8 || entries.empty() || entries.size() > 256) return false;
  std::copy(entries.begin(), entries.end(), m_palette.begin());
  m_paletteSize = static_cast<int>(entries.size());
  m_header.clrUsed = static_cast<uint32_t>(entries.size());
  return true;
}

void DibBitmap::setSmoothStretch(bool on) {
  m_flags = static_cast<uint8_t>(on ? m_flags | kSmoothStretchFlag : m_flags & ~kSmoothStretchFlag);
}

uint32_t DibBitmap::pixel(int x, int y) const {
  if (!isValid() || x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
  const uint8_t* r = row(y);
  switch (m_header.bitCount) {
    case 1:
      return PixelFormat<1>::get(r, x);
    case 4:
      return PixelFormat<4>::get(r, x);
    case 8:
      return PixelFormat<8>::get(r, x);
    case 16:
      return PixelFormat<16>::get(r, x);
    case 24:
      return PixelFormat<24>::get(r, x);
    default:
      return PixelFormat<32>::get(r, x);
  }
}

void DibBitmap::setPixel(int x, int y, uint32_t value) {
  if (!isValid() || x < 0 || y < 0 || x >= m_width || y >= m_height) return;
  uint8_t* r = row(y);
  switch (m_header.bitCount) {
    case 1:
      PixelFormat<1>::set(r, x, value);
      break;
    case 4:
      PixelFormat<4>::set(r, x, value);
      break;
    case 8:
      PixelFormat<8>::set(r, x, value);
      break;
    case 16:
      PixelFormat<16>::set(r, x, value);
      break;
    case 24:
      PixelFormat<24>::set(r, x, value);
      break;
    default:
      PixelFormat<32>::set(r, x, value);
      break;
  }
}

Bgra DibBitmap::widen(uint32_t value) const {
  // Scaling by 255 / (mask >> shift) rather than shifting left by the loss
  // makes a full channel white (0x1F in 5 bits gives 255, not 248).
  auto channel = [&](int c, uint8_t none) -> uint8_t {
    const uint32_t mask = m_masks[static_cast<size_t>(c)];
    if (mask == 0) return none;
    const uint64_t most = mask >> m_shifts[static_cast<size_t>(c)];
    const uint64_t v = (value & mask) >> m_shifts[static_cast<size_t>(c)];
    return static_cast<uint8_t>((v * 255 + most / 2) / most);
  };
  return Bgra{channel(kBlue, 0), channel(kGreen, 0), channel(kRed, 0), channel(kAlpha, 255)};
}

Bgra DibBitmap::color(int x, int y) const {
  if (!isValid() || x < 0 || y < 0 || x >= m_width || y >= m_height) return Bgra{0, 0, 0, 0};
  const uint32_t v = pixel(x, y);
  switch (m_header.bitCount) {
    case 1:
    case 4:
    case 8: {
      if (v >= static_cast<uint32_t>(m_paletteSize)) return Bgra{};
      const RgbQuad& q = m_palette[v];
      return Bgra{q.blue, q.green, q.red, 255};
    }
    case 24:
      return Bgra{static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16), 255};
    default:
      return widen(v);
  }
}

}  // namespace tavoro
