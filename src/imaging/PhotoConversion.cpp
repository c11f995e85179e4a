#include "PhotoConversion.h"

#include <memory>

#include "FileStream.h"

namespace tavoro {
namespace {

// Passes rows on and remembers whether the writer refused one, which tells
// a write failure from a read failure.
class RefusalWatch : public RowSink {
 public:
  explicit RefusalWatch(RowSink& writer) : m_writer(writer) {}
  bool begin(Size size, int channels) override { return note(m_writer.begin(size, channels)); }
  bool addRow(const uint8_t* row) override { return note(m_writer.addRow(row)); }
  bool finish() override { return note(m_writer.finish()); }
  bool refused() const { return m_refused; }

 private:
  bool note(bool ok) {
    m_refused |= !ok;
    return ok;
  }
  RowSink& m_writer;
  bool m_refused = false;
};

}  // namespace

ConversionResult convertPhotoFile(PhotoImage& source, std::wstring_view from, ImageCodec& encoder,
                                  std::wstring_view to) {
  const std::unique_ptr<ImageCodec> decoder = source.createCodec();
  // The header first: a file that is no photo is a read failure whatever
  // the target.
  if (!decoder || !decoder->loadFromFile(source, from, true)) return ConversionResult::ReadFailed;
  FileStream input;
  if (!input.openRead(from)) return ConversionResult::ReadFailed;
  ReplacingFileWriter output(to);
  ImageStream* stream = output.stream();
  if (!stream) return ConversionResult::WriteFailed;
  const std::unique_ptr<RowSink> writer = encoder.createRowWriter(source, *stream);
  if (!writer) return ConversionResult::WriteFailed;
  RefusalWatch watch(*writer);
  if (!decoder->streamFromStream(source, input, watch))
    return watch.refused() ? ConversionResult::WriteFailed : ConversionResult::ReadFailed;
  source.setPath(from);
  if (!watch.finish() || !output.commit()) return ConversionResult::WriteFailed;
  return ConversionResult::Done;
}

}  // namespace tavoro
