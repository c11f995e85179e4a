#include "SearchBenchWardrobe.h"

#include <random>

#include "wardrobe/Wardrobe.h"

namespace tavoro::bench {

namespace {


const std::vector<std::wstring> kColors = {
    L"Red",   L"Dark Red",    L"Navy Blue", L"Sky blue",      L"Black",    L"White",          L"Off-white",
    L"Beige", L"Olive green", L"Burgundy",  L"Charcoal grey", L"Cream",    L"Mustard yellow", L"Forest Green",
    L"Pink",  L"Camel",       L"Teal",      L"Rust",          L"Lavender", L"Multicolour"};
const std::vector<std::wstring> kSizes = {L"XS", L"S",  L"M",  L"L",  L"XL", L"XXL", L"34", L"36",
                                          L"38", L"40", L"42", L"44", L"8",  L"10",  L"12", L"One size"};
const std::vector<std::wstring> kBrands = {L"Northfield",    L"Atelier Verre",  L"Marlow & Finch", L"Kestrel",
                                           L"Oakridge",      L"Bramble Co.",    L"Linwood",        L"Saltmarsh",
                                           L"Harrow Lane",   L"Fennick",        L"Quayside",       L"Thistle & Pine",
                                           L"Corrie Studio", L"Redwing Supply", L"Ashby",          L"Vale"};
const std::vector<std::wstring> kMaterials = {
    L"Cotton",  L"Linen", L"Merino wool", L"Wool blend",     L"Silk",         L"Denim",    L"Cashmere", L"Polyester",
    L"Leather", L"Suede", L"Viscose",     L"Organic cotton", L"Linen-cotton", L"Corduroy", L"Tweed",    L"Jersey"};
const std::vector<std::wstring> kSeasons = {L"Spring", L"Summer",     L"Autumn",
                                            L"Winter", L"All season", L"Spring/Summer"};
const std::vector<std::wstring> kStyles = {L"Tailored", L"Embroidered", L"Bordered", L"Layered",   L"Striped",
                                           L"Checked",  L"Pleated",     L"Cropped",  L"Oversized", L"Slim",
                                           L"Relaxed",  L"Vintage",     L"Classic",  L"Quilted",   L"Ribbed"};
const std::vector<std::wstring> kGarments = {
    L"Shirt",  L"T-shirt", L"Overshirt", L"Blouse",  L"Sweater", L"Cardigan",  L"Hoodie",   L"Jacket",    L"Blazer",
    L"Coat",   L"Parka",   L"Trousers",  L"Chinos",  L"Jeans",   L"Shorts",    L"Skirt",    L"Dress",     L"Scarf",
    L"Beanie", L"Boots",   L"Sneakers",  L"Loafers", L"Belt",    L"Waistcoat", L"Jumpsuit", L"Polo shirt"};
const std::vector<std::wstring> kCollectionNames = {L"Work",   L"Weekend", L"Summer",  L"Winter",   L"Sport",
                                                    L"Travel", L"Evening", L"Outdoor", L"Knitwear", L"Shoes"};

template <typename T>
const T& pick(std::mt19937& random, const std::vector<T>& from) {
  return from[random() % from.size()];
}

Wardrobe* makeSearchWardrobe(int collections, int itemsPerCollection) {
  auto* w = new Wardrobe(L"/nonexistent/bench", L"Bench");
  std::mt19937 random(20240611);
  for (int c = 0; c < collections; ++c) {
    Collection* collection =
        w->collections().add(kCollectionNames[c % kCollectionNames.size()] + L" " + std::to_wstring(c + 1));
    for (const wchar_t* tag : {L"Color", L"Size", L"Brand", L"Material", L"Season"}) collection->tags().add(tag);
    for (int i = 1; i <= itemsPerCollection; ++i) {
      std::wstring name;
      if (random() % 10 < 3) {
        // Items are named after their photo file until the user renames them.
        name = (random() % 2 ? L"IMG_" : L"DSC0") + std::to_wstring(1000 + random() % 9000);
      } else {
        const std::wstring& material = pick(random, kMaterials);
        name = pick(random, kStyles) + L" " + (random() % 2 ? material + L" " : L"") + pick(random, kGarments);
      }
      Item* item = collection->items().add(name, i);
      item->records().set(1001, pick(random, kColors));
      item->records().set(1002, pick(random, kSizes));
      item->records().set(1003, pick(random, kBrands));
      item->records().set(1004, pick(random, kMaterials));
      item->records().set(1005, pick(random, kSeasons));
    }
  }
  return w;
}

}  // namespace

std::unique_ptr<Wardrobe> makeSearchBenchWardrobe() {
  return std::unique_ptr<Wardrobe>(makeSearchWardrobe(100, 500));
}

std::unique_ptr<Wardrobe> makeSearchBenchWardrobeLarge() {
  return std::unique_ptr<Wardrobe>(makeSearchWardrobe(2500, 100));
}

Wardrobe& searchBenchWardrobe() {
  static Wardrobe* wardrobe = makeSearchWardrobe(100, 500);
  return *wardrobe;
}

Wardrobe& searchBenchWardrobeLarge() {
  static Wardrobe* wardrobe = makeSearchWardrobe(2500, 100);
  return *wardrobe;
}

const std::vector<std::pair<const char*, std::wstring>>& searchBenchQueries() {
  static const std::vector<std::pair<const char*, std::wstring>> queries = {
      {"bare word", L"linen"},
      {"word inside other words", L"red"},
      {"digit", L"42"},
      {"tag term", L"color:blue"},
      {"exact item name", L"itemname:=\"tailored linen shirt\""},
      {"quoted phrase", L"\"merino wool\""},
      {"three terms", L"red wool size:m"},
  };
  return queries;
}

}  // namespace tavoro::bench
