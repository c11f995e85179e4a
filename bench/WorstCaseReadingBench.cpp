// bench_worst_cases: reading generated wardrobe files of the shapes that are
// hardest on the reader (one element with many attributes, one item with
// many records, many empty elements, one long value, many repeated ids,
// many tags with a record each) at three sizes each. Linear reading shows
// as the same MB/s at every size. Each case also reports whether the file
// was read or refused, and the peak memory of reading it once in a child
// process of its own (peak_MiB, the child's whole resident set). Cases that
// do not grow with the size are there to show the largest memory a file
// within the limits takes.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

const std::string kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<TavoroWardrobe version=\"1.0\" "
    "xmlns=\"http://www.tavoro.example/xmlns/twd\"><Properties wardrobe_id=\"1\" wardrobe_name=\"W\"/>";
const std::string kTail = "</TavoroWardrobe>";
const std::string kItemOpen = "<Item id=\"1\" name=\"I\" date_added=\"2012-09-08 14:03:07.005\">";

std::string inOneCollection(const std::string& tags, const std::string& items) {
  return kHead + "<Collections next_id=\"2\"><Collection id=\"1\" name=\"C\"><Tags next_id=\"1001\">" + tags +
         "</Tags><Items next_id=\"2\">" + items + "</Items></Collection></Collections>" + kTail;
}

struct WorstCase {
  const char* name;
  std::function<std::string(long scale)> make;
};

const WorstCase kCases[] = {
    {"attributes on one element",
     [](long scale) {
       std::string text = kHead + "<Collections next_id=\"1\"";
       for (long i = 0; i < 50000 * scale; ++i) text += " a" + std::to_string(i) + "=\"\"";
       return text + "/>" + kTail;
     }},
    {"records in one item",
     [](long scale) {
       std::string records;
       for (long i = 0; i < 200000 * scale; ++i)
         records += "<Record tag_id=\"" + std::to_string(i) + "\" value=\"v\"/>";
       return inOneCollection("", kItemOpen + "<Records>" + records + "</Records></Item>");
     }},
    {"tags, each with a record",
     [](long scale) {
       std::string tags, records;
       for (long i = 1; i <= 100000 * scale; ++i) {
         tags += "<Tag id=\"" + std::to_string(i) + "\" name=\"T\"/>";
         records += "<Record tag_id=\"" + std::to_string(i) + "\" value=\"v\"/>";
       }
       return inOneCollection(tags, kItemOpen + "<Records>" + records + "</Records></Item>");
     }},
    {"empty elements",
     [](long scale) {
       std::string text = kHead;
       for (long i = 0; i < 400000 * scale; ++i) text += "<x/>";
       return text + kTail;
     }},
    {"empty elements, 64 MB",
     [](long) {
       std::string text = kHead;
       text.reserve(size_t{64} << 20);
       while (text.size() + kTail.size() + 4 <= (size_t{64} << 20)) text += "<x/>";
       return text + kTail;
     }},
    {"one long item name",
     [](long scale) {
       const std::string name(static_cast<size_t>(scale) * (size_t{12} << 20), 'n');
       return inOneCollection("", "<Item id=\"1\" name=\"" + name + "\" date_added=\"2012-09-08 14:03:07.005\"/>");
     }},
    {"items with a photo, ids repeated",
     [](long scale) {
       std::string items;
       for (long i = 0; i < 100000 * scale; ++i)
         items += "<Item id=\"" + std::to_string(i % 1000 + 1) +
                  "\" name=\"I\" date_added=\"2012-09-08 14:03:07.005\"><Photos next_id=\"2\"><Photo id=\"1\" "
                  "format=\"4\"/></Photos></Item>";
       return inOneCollection("", items);
     }},
    {"records with long values",
     [](long scale) {
       std::string records;
       const std::string value(1000, 'v');
       for (long i = 0; i < 15000 * scale; ++i)
         records += "<Record tag_id=\"" + std::to_string(i) + "\" value=\"" + value + "\"/>";
       return inOneCollection("", kItemOpen + "<Records>" + records + "</Records></Item>");
     }},
    {"records up to the node limit, then a 30 MB name",
     [](long) {
       std::string records;
       for (long i = 0; i < 800000; ++i) records += "<Record tag_id=\"" + std::to_string(i) + "\" value=\"v\"/>";
       const std::string name(size_t{30} << 20, 'n');
       return inOneCollection("", kItemOpen + "<Records>" + records + "</Records></Item><Item id=\"2\" name=\"" + name +
                                      "\" date_added=\"2012-09-08 14:03:07.005\"/>");
     }},
    {"distinct items with a photo and four records",
     [](long scale) {
       std::string items;
       for (long i = 1; i <= 25000 * scale; ++i) {
         items += "<Item id=\"" + std::to_string(i) +
                  "\" name=\"Item\" date_added=\"2012-09-08 14:03:07.005\"><Photos next_id=\"2\"><Photo id=\"1\" "
                  "format=\"4\"/></Photos><Records>";
         for (int t = 1001; t <= 1004; ++t) items += "<Record tag_id=\"" + std::to_string(t) + "\" value=\"navy\"/>";
         items += "</Records></Item>";
       }
       std::string tags;
       for (int t = 1001; t <= 1004; ++t) tags += "<Tag id=\"" + std::to_string(t) + "\" name=\"T\"/>";
       return inOneCollection(tags, items);
     }},
};

std::string temporaryFolder() {
  const char* base = getenv("TMPDIR");
  std::string folder = std::string(base && *base ? base : "/tmp") + "/tavoro-worst-XXXXXX";
  if (!mkdtemp(folder.data())) abort();
  return folder;
}

// Reads the file once in a child process: whether it was read, and the
// child's peak resident memory in MiB.
std::pair<bool, double> readInChild(const std::wstring& file) {
  ::malloc_trim(0);  // the child starts with what this process holds: as little as can be
  const pid_t child = ::fork();
  if (child < 0) abort();
  if (child == 0) {
    auto wardrobe = std::make_unique<Wardrobe>();
    ::_exit(readWardrobe(file, *wardrobe) ? 0 : 1);
  }
  int status = 0;
  rusage usage{};
  if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) abort();
  return {WEXITSTATUS(status) == 0, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

void BM_ReadWorstCase(benchmark::State& state) {
  const WorstCase& c = kCases[state.range(0)];
  const long scale = state.range(1);
  const std::string folder = temporaryFolder();
  const std::wstring file = fromUtf8(folder) + L"/worst.twd";
  size_t bytes = 0;
  {
    const std::string text = c.make(scale);
    bytes = text.size();
    std::FILE* f = std::fopen(toUtf8(file).c_str(), "wb");
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) abort();
  }
  const auto [read, peak] = readInChild(file);
  for (auto _ : state) {
    auto wardrobe = std::make_unique<Wardrobe>();
    benchmark::DoNotOptimize(readWardrobe(file, *wardrobe));
    state.PauseTiming();  // taking the model down is not part of reading it
    wardrobe.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
  state.SetLabel(std::string(c.name) + (read ? ": read" : ": refused"));
  state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["peak_MiB"] = peak;
  removeTree(fromUtf8(folder));
}

BENCHMARK(BM_ReadWorstCase)
    ->ArgsProduct({benchmark::CreateDenseRange(0, static_cast<int>(std::size(kCases)) - 1, 1), {1, 2, 4}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace tavoro
