// Looking at the main photo files of a large collection's items on a thread
// of its own, so that the item list shows its entries at once and drops
// those whose photo is missing once that is known: looking at a quarter of
// a million files takes the kernel longer than a user should wait for a
// click. Each piece checked is reported on the user-interface thread: the
// entries whose file is there (with its path, for the thumbnails) and those
// whose file is missing (or is a folder).
// User-interface thread only, apart from its own thread inside.
#pragma once

#include <QObject>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "imaging/thumbnails/ThumbnailRequest.h"
#include "wardrobe/ImageType.h"

namespace tavoro::ui {

// Where an entry's main photo lies below its collection's folder.
struct PhotoPlace {
  int32_t entryNumber = 0;
  int32_t itemId = 0;
  int32_t photoId = 0;
  ImageType format = ImageType::None;
};

class PhotoFileCheck : public QObject {
  Q_OBJECT

 public:
  // Places checked between two reports.
  static constexpr size_t kPiece = 16384;

  explicit PhotoFileCheck(QObject* parent = nullptr);
  // Stops the thread first: nothing is reported afterwards.
  ~PhotoFileCheck() override;

  // Checks places below collectionFolder (as the collection's
  // namedPhotoFolder() says), in their order; a check in hand stops first
  // and reports nothing more.
  void start(std::wstring collectionFolder, std::vector<PhotoPlace> places);
  // Stops the check in hand; nothing more of it is reported.
  void stop();
  // Whether a check has pieces still to report.
  bool busy() const { return m_busy; }

 signals:
  // The next piece: present holds each entry whose file is there, with the
  // file's path; last is set on the check's last piece.
  void checked(const std::vector<tavoro::ThumbnailRequest>& present, const std::vector<int32_t>& missing, bool last);

 private:
  void run(std::stop_token stop, uint64_t ticket, std::wstring folder, std::vector<PhotoPlace> places);
  void deliver(uint64_t ticket, std::vector<ThumbnailRequest> present, std::vector<int32_t> missing, bool last);

  uint64_t m_ticket = 0;  // of the check in hand; pieces of others are dropped
  bool m_busy = false;
  // Last: it ends before what it reports to.
  std::jthread m_thread;
};

}  // namespace tavoro::ui
