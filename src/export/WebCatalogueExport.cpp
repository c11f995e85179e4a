#include "WebCatalogueExport.h"

#include <string>
#include <vector>

#include "CatalogueNames.h"
#include "CataloguePages.h"
#include "ParallelJobs.h"
#include "StagedOutput.h"
#include "TextFileOutput.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"

namespace tavoro {

namespace {

struct PhotoJob {
  const SnapshotCollection* collection;
  const SnapshotItem* item;
  const SnapshotPhoto* photo;
};

Status makeFolders(const std::wstring& root, const WardrobeSnapshot& snapshot, bool originals) {
  for (const SnapshotCollection& collection : snapshot.collections) {
    if (collection.items.empty()) continue;
    for (const wchar_t* top : {L"pictures/", L"originals/"}) {
      if (!originals && top[0] == L'o') continue;
      const std::wstring folder = joinLexical(root, top + std::to_wstring(collection.id));
      if (!createFolders(folder)) return Status::fromErrno(folder);
    }
  }
  return {};
}

}  // namespace

ExportResult exportWebCatalogue(const WardrobeSnapshot& snapshot, std::wstring_view folder,
                                const WebCatalogueOptions& options, const ProgressCallback& callback) {
  std::vector<PhotoJob> jobs;
  std::vector<size_t> firstPhotoOf;  // per collection, its first job
  for (const SnapshotCollection& collection : snapshot.collections) {
    firstPhotoOf.push_back(jobs.size());
    for (const SnapshotItem& item : collection.items)
      for (const SnapshotPhoto& photo : item.photos) jobs.push_back({&collection, &item, &photo});
  }
  const size_t pageCount = snapshot.collections.size() + 1;
  ProgressReporter progress(callback, jobs.size() + pageCount);

  StagedOutput output;
  if (Status begun = output.begin(folder, StagedOutput::Kind::Folder); !begun) return ExportResult::failure(begun);
  const std::wstring& root = output.stagingPath();
  auto failed = [&output](Status status) { return ExportResult::failure(output.atTarget(std::move(status))); };
  if (Status made = makeFolders(root, snapshot, options.includeOriginals); !made) return failed(made);

  std::vector<PictureFacts> facts(jobs.size());
  Status pictures = runJobs(
      jobs.size(), options.threads ? options.threads : photoJobThreads(),
      [&](size_t i) -> Status {
        const PhotoJob& job = jobs[i];
        const int32_t c = job.collection->id, item = job.item->id, photo = job.photo->id;
        Status made = makeCataloguePictures(job.photo->path, job.photo->format,
                                            joinLexical(root, pictureName(c, item, photo, false)),
                                            joinLexical(root, pictureName(c, item, photo, true)), options.boxes, facts[i]);
        if (!made || !options.includeOriginals || facts[i].fileBytes == 0) return made;
        const std::wstring copy = joinLexical(root, originalName(c, item, photo, extensionOf(job.photo->format)));
        return copyFileNoOverwrite(job.photo->path, copy) ? Status() : Status::failure(copy, "cannot be written");
      },
      progress);
  if (!pictures) return failed(pictures);
  if (progress.stopRequested()) return ExportResult::stopped();

  std::vector<const PictureFacts*> factsOf;
  for (size_t first : firstPhotoOf) factsOf.push_back(facts.data() + first);
  auto writePage = [&](const std::wstring& name, const std::wstring& html) -> Status {
    Status written = writeNewFile(joinLexical(root, name), toUtf8(html));
    if (written && !progress.advance()) return Status::failure(name, "cancelled");
    return written;
  };
  if (Status written = writeNewFile(joinLexical(root, L"catalogue.css"), kCatalogueStyleSheet); !written)
    return failed(written);
  if (Status written = writeNewFile(joinLexical(root, L"catalogue.js"), kCatalogueScript); !written)
    return failed(written);
  for (size_t c = 0; c < snapshot.collections.size(); ++c) {
    const SnapshotCollection& collection = snapshot.collections[c];
    Status written = writePage(collectionPageName(collection.id, collection.name),
                               cataloguePage(snapshot, collection, factsOf[c], options.includeOriginals));
    if (progress.stopRequested()) return ExportResult::stopped();
    if (!written) return failed(written);
  }
  Status index = writePage(L"index.html", catalogueIndexPage(snapshot, factsOf));
  if (progress.stopRequested()) return ExportResult::stopped();
  if (!index) return failed(index);
  if (Status committed = output.commit(); !committed) return ExportResult::failure(committed);
  return {};
}

}  // namespace tavoro
