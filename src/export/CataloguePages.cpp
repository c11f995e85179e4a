#include "CataloguePages.h"

#include <cstdio>

#include "CatalogueNames.h"
#include "HtmlText.h"

namespace tavoro {

namespace {

const wchar_t* formatName(ImageType type) {
  switch (type) {
    case ImageType::Jpg: return L"JPEG";
    case ImageType::Png: return L"PNG";
    case ImageType::Bmp: return L"BMP";
    default: return L"photo";
  }
}

std::wstring countText(size_t count, const wchar_t* one, const wchar_t* many) {
  return std::to_wstring(count) + L" " + (count == 1 ? one : many);
}

std::wstring twoDigits(int value) {
  wchar_t text[8];
  std::swprintf(text, 8, L"%02d", value);
  return text;
}

std::wstring dateText(const Date& date) {
  int year = 0, month = 0, day = 0;
  date.parts(year, month, day);
  return std::to_wstring(year) + L"-" + twoDigits(month) + L"-" + twoDigits(day);
}

void pageStart(std::wstring& out, std::wstring_view title) {
  out += L"<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
         L"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
  appendHtml(out, title);
  out += L"</title>\n<link rel=\"stylesheet\" href=\"catalogue.css\">\n</head>\n<body>\n";
}

void filterBox(std::wstring& out, const std::wstring& countLabel, const wchar_t* placeholder) {
  out += L"<p class=\"filter\"><label>Filter <input id=\"filter\" type=\"search\" autocomplete=\"off\" placeholder=\"";
  out += placeholder;
  out += L"\"></label> <span id=\"count\" class=\"count\">";
  out += countLabel;
  out += L"</span></p>\n</header>\n";
}

void pageEnd(std::wstring& out, const wchar_t* noneText) {
  out += L"<p id=\"none\" hidden>";
  out += noneText;
  out += L"</p>\n<script src=\"catalogue.js\"></script>\n</body>\n</html>\n";
}

void image(std::wstring& out, const std::wstring& source, Size size, std::wstring_view alt) {
  out += L"<img src=\"" + source + L"\" width=\"" + std::to_wstring(size.width) + L"\" height=\"" +
         std::to_wstring(size.height) + L"\" alt=\"";
  appendHtml(out, alt);
  out += L"\">";
}

void photoFigure(std::wstring& out, const SnapshotCollection& collection, const SnapshotItem& item,
                 const SnapshotPhoto& photo, const PictureFacts& facts, size_t number, bool originals) {
  out += L"<figure>";
  if (facts.decoded) {
    out += L"<a href=\"" + pictureName(collection.id, item.id, photo.id, true) + L"\">";
    image(out, pictureName(collection.id, item.id, photo.id, false), facts.smallSize,
          item.name + L", photo " + std::to_wstring(number));
    out += L"</a>";
  } else {
    out += L"<div class=\"missing\">Photo missing or unreadable</div>";
  }
  out += L"<figcaption>";
  out += formatName(photo.format);
  if (facts.decoded)
    out += L", " + std::to_wstring(facts.size.width) + L" \u00D7 " + std::to_wstring(facts.size.height);
  if (facts.fileBytes) out += L", " + fileSizeText(facts.fileBytes);
  if (facts.hasDateTaken && facts.dateTaken.date.isValid()) {
    out += L", taken " + dateText(facts.dateTaken.date);
    if (facts.dateTaken.time.isValid())
      out += L" " + twoDigits(facts.dateTaken.time.hour()) + L":" + twoDigits(facts.dateTaken.time.minute());
  }
  if (originals && facts.fileBytes)
    out += L" \u00B7 <a href=\"" + originalName(collection.id, item.id, photo.id, extensionOf(photo.format)) +
           L"\">original</a>";
  out += L"</figcaption></figure>\n";
}

}  // namespace

std::wstring fileSizeText(uint64_t bytes) {
  if (bytes < 1024) return countText(bytes, L"byte", L"bytes");
  if (bytes < 1024 * 1024) return std::to_wstring((bytes + 512) / 1024) + L" KB";
  const uint64_t tenths = (bytes * 10 + 512 * 1024) / (1024 * 1024);
  return std::to_wstring(tenths / 10) + L"." + std::to_wstring(tenths % 10) + L" MB";
}

std::wstring catalogueIndexPage(const WardrobeSnapshot& snapshot, const std::vector<const PictureFacts*>& facts) {
  std::wstring out;
  pageStart(out, snapshot.name);
  out += L"<header>\n<h1>";
  appendHtml(out, snapshot.name);
  out += L"</h1>\n";
  filterBox(out, countText(snapshot.collections.size(), L"collection", L"collections"), L"Type to filter collections");
  out += L"<main class=\"items\">\n";
  for (size_t c = 0; c < snapshot.collections.size(); ++c) {
    const SnapshotCollection& collection = snapshot.collections[c];
    const std::wstring page = collectionPageName(collection.id, collection.name);
    out += L"<article class=\"item\">\n";
    // The cover: the first photo of the collection that could be shown.
    const PictureFacts* photoFacts = facts[c];
    bool covered = false;
    for (const SnapshotItem& item : collection.items) {
      for (const SnapshotPhoto& photo : item.photos) {
        if (!covered && photoFacts->decoded) {
          out += L"<a href=\"" + page + L"\">";
          image(out, pictureName(collection.id, item.id, photo.id, false), photoFacts->smallSize, collection.name);
          out += L"</a>\n";
          covered = true;
        }
        ++photoFacts;
      }
    }
    out += L"<h2><a href=\"" + page + L"\">";
    appendHtml(out, collection.name);
    out += L"</a></h2>\n<p class=\"count\">" + countText(collection.items.size(), L"item", L"items");
    if (!collection.tagNames.empty()) {
      out += L" \u00B7 tags: ";
      for (size_t t = 0; t < collection.tagNames.size(); ++t) {
        if (t) out += L", ";
        appendHtml(out, collection.tagNames[t]);
      }
    }
    out += L"</p>\n</article>\n";
  }
  out += L"</main>\n";
  pageEnd(out, L"No collection matches.");
  return out;
}

std::wstring cataloguePage(const WardrobeSnapshot& snapshot, const SnapshotCollection& collection,
                           const PictureFacts* facts, bool originals) {
  std::wstring out;
  pageStart(out, collection.name + L" \u2013 " + snapshot.name);
  out += L"<header>\n<p class=\"crumbs\"><a href=\"index.html\">";
  appendHtml(out, snapshot.name);
  out += L"</a></p>\n<h1>";
  appendHtml(out, collection.name);
  out += L"</h1>\n";
  filterBox(out, countText(collection.items.size(), L"item", L"items"), L"Type to filter items");
  out += L"<main class=\"items\">\n";
  for (const SnapshotItem& item : collection.items) {
    out += L"<article class=\"item\">\n<div class=\"photos\">\n";
    for (size_t p = 0; p < item.photos.size(); ++p)
      photoFigure(out, collection, item, item.photos[p], *facts++, p + 1, originals);
    if (item.photos.empty()) out += L"<div class=\"missing\">No photo</div>\n";
    out += L"</div>\n<h2>";
    appendHtml(out, item.name);
    out += L"</h2>\n";
    bool anyValue = false;
    for (size_t t = 0; t < collection.tagNames.size() && t < item.values.size(); ++t) {
      if (item.values[t].empty()) continue;
      out += anyValue ? L"" : L"<dl>\n";
      anyValue = true;
      out += L"<dt>";
      appendHtml(out, collection.tagNames[t]);
      out += L"</dt><dd>";
      appendHtml(out, item.values[t]);
      out += L"</dd>\n";
    }
    if (anyValue) out += L"</dl>\n";
    if (item.dateAdded.date().isValid()) out += L"<p class=\"added\">Added " + dateText(item.dateAdded.date()) + L"</p>\n";
    out += L"</article>\n";
  }
  out += L"</main>\n";
  pageEnd(out, L"No item matches.");
  return out;
}

}  // namespace tavoro
