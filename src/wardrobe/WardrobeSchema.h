// Element and attribute names of the wardrobe file, shared by its reader and
// its writer. They are stored in every file and must never change.
#pragma once

namespace tavoro::schema {

inline constexpr const char* kRoot = "TavoroWardrobe";
inline constexpr const char* kVersion = "version";
inline constexpr const char* kXmlns = "xmlns";
inline constexpr const wchar_t* kVersionValue = L"1.0";

inline constexpr const char* kProperties = "Properties";
inline constexpr const char* kWardrobeId = "wardrobe_id";
inline constexpr const char* kWardrobeName = "wardrobe_name";

inline constexpr const char* kCollections = "Collections";
inline constexpr const char* kCollection = "Collection";
inline constexpr const char* kTags = "Tags";
inline constexpr const char* kTag = "Tag";
inline constexpr const char* kItems = "Items";
inline constexpr const char* kItem = "Item";
inline constexpr const char* kPhotos = "Photos";
inline constexpr const char* kPhoto = "Photo";
inline constexpr const char* kRecords = "Records";
inline constexpr const char* kRecord = "Record";

// Combinations and wear dates: written only when there is something to
// write, so that a wardrobe without them is saved as before they existed.
inline constexpr const char* kCombinations = "Combinations";
inline constexpr const char* kCombination = "Combination";
inline constexpr const char* kItemRef = "ItemRef";
inline constexpr const char* kWorn = "Worn";

inline constexpr const char* kNextId = "next_id";
inline constexpr const char* kHotId = "hot_id";
inline constexpr const char* kId = "id";
inline constexpr const char* kName = "name";
inline constexpr const char* kDateAdded = "date_added";
inline constexpr const char* kFormat = "format";
inline constexpr const char* kTagId = "tag_id";
inline constexpr const char* kValue = "value";
inline constexpr const char* kCreated = "created";
inline constexpr const char* kChanged = "changed";
inline constexpr const char* kCollectionId = "collection_id";
inline constexpr const char* kItemId = "item_id";
// Days as "YYYY-MM-DD", earliest first, separated by one blank.
inline constexpr const char* kDates = "dates";

}  // namespace tavoro::schema
