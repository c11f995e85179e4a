// The wardrobe reader on any bytes: it must neither crash nor hang; it must
// accept what the same rules applied through the XML library's tree accept
// and build the same model, and write the same bytes as the library prints;
// and what it accepts must write out and read back to the very same file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzScratch.h"
#include "ReferenceWardrobeFile.h"
#include "WardrobeDescription.h"
#include "wardrobe/WardrobeFile.h"

namespace {

class FixedClock : public tavoro::LocalClock {
 public:
  tavoro::SystemTime read() const override { return tavoro::SystemTime{2030, 1, 2, 15, 10, 20, 30, 400}; }
};

std::string fileBytes(const std::wstring& path) {
  std::string bytes;
  FILE* file = fopen(tavoro::toUtf8(path).c_str(), "rb");
  if (!file) abort();
  char buffer[65536];
  size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
  fclose(file);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavoro;
  const std::wstring input = fuzz::scratchFile(L"input.twd", data, size);
  readWardrobeName(input);
  Wardrobe wardrobe;
  Wardrobe reference;
  const bool read = readWardrobe(input, wardrobe, FixedClock()).ok();
  if (read != test::referenceReadWardrobe(input, reference, FixedClock())) abort();
  if (!read) return 0;
  if (test::describe(wardrobe, true) != test::describe(reference, true)) abort();

  const std::wstring first = fuzz::scratchFolder() + L"/first.twd";
  wardrobe.setFilePath(first);
  if (!writeWardrobe(wardrobe)) abort();
  const std::wstring printed = fuzz::scratchFolder() + L"/printed.twd";
  if (!test::referenceWriteWardrobe(reference, printed)) abort();
  if (fileBytes(first) != fileBytes(printed)) abort();

  Wardrobe again;
  if (!readWardrobe(first, again, FixedClock())) abort();  // what we write, we must read
  const std::wstring second = fuzz::scratchFolder() + L"/second.twd";
  again.setFilePath(second);
  if (!writeWardrobe(again)) abort();
  if (fileBytes(first) != fileBytes(second)) abort();  // and reading it back changes nothing
  return 0;
}
