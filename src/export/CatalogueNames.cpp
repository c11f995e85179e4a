#include "CatalogueNames.h"

namespace tavoro {

std::wstring nameSlug(std::wstring_view name) {
  constexpr size_t kMaxLength = 40;
  std::wstring slug;
  bool pendingDash = false;
  for (wchar_t c : name) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    const bool plain = (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9');
    if (!plain) {
      pendingDash = !slug.empty();
      continue;
    }
    if (pendingDash) {
      if (slug.size() + 2 > kMaxLength) break;
      slug += L'-';
      pendingDash = false;
    }
    if (slug.size() + 1 > kMaxLength) break;
    slug += c;
  }
  return slug;
}

std::wstring collectionPageName(int32_t collectionId, std::wstring_view name) {
  const std::wstring slug = nameSlug(name);
  return L"collection-" + std::to_wstring(collectionId) + (slug.empty() ? L"" : L"-" + slug) + L".html";
}

std::wstring pictureName(int32_t collectionId, int32_t itemId, int32_t photoId, bool large) {
  return L"pictures/" + std::to_wstring(collectionId) + L"/" + std::to_wstring(itemId) + L"-" +
         std::to_wstring(photoId) + (large ? L"-large.jpg" : L"-small.jpg");
}

std::wstring originalName(int32_t collectionId, int32_t itemId, int32_t photoId, std::wstring_view extension) {
  return L"originals/" + std::to_wstring(collectionId) + L"/" + std::to_wstring(itemId) + L"-" +
         std::to_wstring(photoId) + L"." + std::wstring(extension);
}

}  // namespace tavoro
