#include "CsvExport.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <utility>

#include "CsvText.h"
#include "StagedOutput.h"
#include "platform/Utf8.h"

namespace tavoro {

namespace {

// A tag column: its name and which repetition of that name within one collection.
using TagColumnKey = std::pair<std::wstring, int>;

// For each collection, the column (after "Collection" and "Item") of each of its tags.
struct TagColumns {
  std::vector<std::wstring> names;
  std::vector<std::vector<size_t>> ofCollection;
};

TagColumns tagColumns(const WardrobeSnapshot& snapshot) {
  TagColumns columns;
  std::map<TagColumnKey, size_t> known;
  for (const SnapshotCollection& collection : snapshot.collections) {
    std::map<std::wstring, int> seen;
    std::vector<size_t>& positions = columns.ofCollection.emplace_back();
    for (const std::wstring& name : collection.tagNames) {
      const TagColumnKey key{name, seen[name]++};
      auto [entry, added] = known.try_emplace(key, columns.names.size());
      if (added) columns.names.push_back(key.second == 0 ? name : name + L" (" + std::to_wstring(key.second + 1) + L")");
      positions.push_back(entry->second);
    }
  }
  return columns;
}

std::wstring lastWornText(const ItemWear& wear) {
  if (!wear.lastWorn) return {};
  return wear.lastWorn->toText().substr(0, 10);  // the day: "YYYY-MM-DD"
}

}  // namespace

std::vector<std::wstring> csvColumns(const WardrobeSnapshot& snapshot) {
  std::vector<std::wstring> names{L"Collection", L"Item"};
  for (std::wstring& tag : tagColumns(snapshot).names) names.push_back(std::move(tag));
  for (const wchar_t* name : {L"Photos", L"First Photo", L"Wear Count", L"Last Worn"}) names.push_back(name);
  return names;
}

ExportResult exportCsv(const WardrobeSnapshot& snapshot, std::wstring_view path, const ProgressCallback& callback) {
  ProgressReporter progress(callback, snapshot.itemCount());
  StagedOutput output;
  if (Status begun = output.begin(path, StagedOutput::Kind::File); !begun) return ExportResult::failure(begun);
  std::FILE* file = std::fopen(toUtf8(output.stagingPath()).c_str(), "wbe");
  if (!file) return ExportResult::failure(Status::fromErrno(path));

  const TagColumns tags = tagColumns(snapshot);
  std::string line;
  const std::vector<std::wstring> header = csvColumns(snapshot);
  for (size_t i = 0; i < header.size(); ++i) {
    if (i) line += ',';
    appendCsvText(line, header[i]);
  }
  line += "\r\n";
  bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size();

  std::vector<const std::wstring*> values(tags.names.size());
  for (size_t c = 0; c < snapshot.collections.size() && written; ++c) {
    const SnapshotCollection& collection = snapshot.collections[c];
    for (const SnapshotItem& item : collection.items) {
      std::fill(values.begin(), values.end(), nullptr);
      for (size_t t = 0; t < tags.ofCollection[c].size() && t < item.values.size(); ++t)
        values[tags.ofCollection[c][t]] = &item.values[t];
      line.clear();
      appendCsvText(line, collection.name);
      line += ',';
      appendCsvText(line, item.name);
      for (const std::wstring* value : values) {
        line += ',';
        if (value) appendCsvText(line, *value);
      }
      line += ',';
      appendCsvNumber(line, static_cast<long long>(item.photos.size()));
      line += ',';
      appendCsvText(line, item.photos.empty() ? std::wstring() : item.photos.front().path);
      line += ',';
      appendCsvNumber(line, item.wear.count);
      line += ',';
      appendCsvText(line, lastWornText(item.wear));
      line += "\r\n";
      if (std::fwrite(line.data(), 1, line.size(), file) != line.size()) {
        written = false;
        break;
      }
      if (!progress.advance()) break;
    }
    if (progress.stopRequested()) break;
  }
  const int error = written ? 0 : errno;
  const bool closed = std::fclose(file) == 0;
  if (progress.stopRequested()) return ExportResult::stopped();
  if (!written || !closed) return ExportResult::failure(Status::fromErrno(path, written ? errno : error));
  if (Status committed = output.commit(); !committed) return ExportResult::failure(committed);
  return {};
}

}  // namespace tavoro
