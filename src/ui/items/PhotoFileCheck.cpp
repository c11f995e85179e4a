#include "ui/items/PhotoFileCheck.h"

#include <utility>

#include "platform/OpenFolder.h"
#include "wardrobe/Item.h"
#include "wardrobe/Photo.h"

namespace tavoro::ui {

PhotoFileCheck::PhotoFileCheck(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("PhotoFileCheck"));
}

PhotoFileCheck::~PhotoFileCheck() { stop(); }

void PhotoFileCheck::start(std::wstring collectionFolder, std::vector<PhotoPlace> places) {
  stop();
  m_busy = true;
  m_thread = std::jthread([this, ticket = m_ticket, folder = std::move(collectionFolder),
                           places = std::move(places)](std::stop_token stop) mutable {
    run(stop, ticket, std::move(folder), std::move(places));
  });
}

void PhotoFileCheck::stop() {
  ++m_ticket;
  m_busy = false;
  if (m_thread.joinable()) {
    m_thread.request_stop();
    m_thread.join();
  }
}

void PhotoFileCheck::run(std::stop_token stop, uint64_t ticket, std::wstring folder, std::vector<PhotoPlace> places) {
  // The files are looked at from the collection's folder, held open: a
  // lookup of the whole path each time costs the kernel far more.
  const OpenFolder photos(folder);
  std::vector<ThumbnailRequest> present;
  std::vector<int32_t> missing;
  for (size_t i = 0; i < places.size(); ++i) {
    if (stop.stop_requested()) return;
    const PhotoPlace& place = places[i];
    std::wstring path = Photo::filePathIn(Item::photoFolderIn(folder, place.itemId), place.photoId, place.format);
    if (!folder.empty() && !path.empty() && photos.isFile(path))
      present.push_back({place.entryNumber, std::move(path)});
    else
      missing.push_back(place.entryNumber);
    const bool last = i + 1 == places.size();
    if (last || present.size() + missing.size() >= kPiece) {
      deliver(ticket, std::move(present), std::move(missing), last);
      present = {};
      missing = {};
    }
  }
  if (places.empty()) deliver(ticket, {}, {}, true);
}

void PhotoFileCheck::deliver(uint64_t ticket, std::vector<ThumbnailRequest> present, std::vector<int32_t> missing,
                             bool last) {
  // Qt drops the call when this object is gone; a check stopped since is
  // told by its ticket.
  QMetaObject::invokeMethod(
      this,
      [this, ticket, present = std::move(present), missing = std::move(missing), last] {
        if (ticket != m_ticket) return;
        if (last) m_busy = false;
        emit checked(present, missing, last);
      },
      Qt::QueuedConnection);
}

}  // namespace tavoro::ui
