#include "WardrobeDescription.h"

#include "wardrobe/Wardrobe.h"

namespace tavoro::test {

namespace {

std::wstring days(const WearDates& worn) {
  std::wstring text;
  for (const Date day : worn.days()) text += L" " + day.toText();
  return text;
}

}  // namespace

std::wstring describe(const Wardrobe& wardrobe, bool allRecords) {
  const CollectionList& list = wardrobe.collections();
  std::wstring out = L"wardrobe " + std::to_wstring(wardrobe.wardrobeId()) + L" [" + wardrobe.name() + L"] next " +
                     std::to_wstring(list.nextId()) + L" hot " + std::to_wstring(list.hotId()) + L"\n";
  for (const auto& c : list.collections()) {
    out += L" collection " + std::to_wstring(c->id()) + L" [" + c->name() + L"] tags next " +
           std::to_wstring(c->tags().nextId()) + L" items next " + std::to_wstring(c->items().nextId()) + L"\n";
    for (const auto& t : c->tags().tags()) out += L"  tag " + std::to_wstring(t->id()) + L" [" + t->name() + L"]\n";
    for (const auto& i : c->items().items()) {
      out += L"  item " + std::to_wstring(i->id()) + L" [" + i->name() + L"] " + i->dateAdded().toText() +
             L" photos next " + std::to_wstring(i->photos().nextId()) + L"\n";
      for (const auto& p : i->photos().photos())
        out += L"   photo " + std::to_wstring(p->id()) + L" format " + std::to_wstring(static_cast<int>(p->format())) +
               L"\n";
      for (const Record& r : i->records())
        if (allRecords || r.isStorable()) out += L"   record " + std::to_wstring(r.tagId()) + L" [" + r.value() + L"]\n";
      if (!i->worn().empty()) out += L"   worn" + days(i->worn()) + L"\n";
    }
  }
  const CombinationList& combinations = wardrobe.combinations();
  if (combinations.count() > 0 || combinations.nextId() > 1)
    out += L"combinations next " + std::to_wstring(combinations.nextId()) + L"\n";
  for (const auto& c : combinations.combinations()) {
    out += L" combination " + std::to_wstring(c->id()) + L" [" + c->name() + L"] " + c->created().toText() +
           L" changed " + c->changed().toText() + L"\n";
    for (const Item* i : c->items())
      out += L"  item " + std::to_wstring(i->owner()->collection()->id()) + L"/" + std::to_wstring(i->id()) + L"\n";
    if (!c->worn().empty()) out += L"  worn" + days(c->worn()) + L"\n";
  }
  return out;
}

}  // namespace tavoro::test
