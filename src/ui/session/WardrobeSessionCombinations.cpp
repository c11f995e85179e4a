// The session's changes to combinations and to what was worn when: each a
// step of the history, done, undone and redone by the same functions, which
// say what changed with the session's signals.
#include <QLocale>
#include <algorithm>
#include <unordered_set>

#include "ui/common/QtText.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/CombinationNames.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

namespace {

// The items once each, in their order, without nulls.
std::vector<Item*> distinct(const std::vector<Item*>& items) {
  std::vector<Item*> out;
  std::unordered_set<const Item*> seen;
  for (Item* item : items)
    if (item && seen.insert(item).second) out.push_back(item);
  return out;
}

}  // namespace

bool WardrobeSession::owns(const Combination* combination) const {
  return m_wardrobe && combination && combination->owner() == &m_wardrobe->combinations();
}

bool WardrobeSession::ownsItem(const Item* item) const {
  return m_wardrobe && item && combinationsOf(item) == &m_wardrobe->combinations();
}

WardrobeSession::CombinationState WardrobeSession::stateOf(const Combination& combination) const {
  return {combination.name(), combination.items(), combination.changed()};
}

QString WardrobeSession::wearStep(Date day) const {
  if (day == today()) return tr("Worn Today");
  return tr("Worn on %1").arg(toQString(day.toText()));
}

// --- Public calls ------------------------------------------------------------------

Combination* WardrobeSession::addCombination(const std::wstring& name, const std::vector<Item*>& items) {
  if (!m_wardrobe || refuseReadOnly()) return nullptr;
  CombinationList& list = m_wardrobe->combinations();
  const CombinationNameCheck check = checkCombinationName(list, name);
  if (check.problem != CombinationNameProblem::None) return nullptr;
  std::vector<Item*> members = distinct(items);
  if (std::any_of(members.begin(), members.end(), [this](const Item* item) { return !ownsItem(item); })) return nullptr;
  Combination* added = list.add(check.name);
  if (!added) return nullptr;
  const DateTime now = DateTime::now(*m_clock);
  added->setCreated(now);
  added->setChanged(now);
  for (Item* item : members) added->insertItem(item);
  // Made with its id, then attached by the step, which keeps it while undone.
  auto held = std::make_shared<HeldCombination>();
  held->combination = list.take(added, &held->position);
  record(
      tr("New Combination"), [this, held] { attachCombination(*held); },
      [this, held, added] { detachCombination(added, *held); });
  return added;
}

bool WardrobeSession::addToCombination(Combination* combination, const std::vector<Item*>& items) {
  if (!owns(combination) || refuseReadOnly()) return false;
  CombinationState after = stateOf(*combination);
  for (Item* item : distinct(items)) {
    if (!ownsItem(item)) return false;
    if (!combination->contains(item)) after.items.push_back(item);
  }
  if (after.items.size() == combination->count()) return false;
  after.changed = DateTime::now(*m_clock);
  const CombinationState before = stateOf(*combination);
  record(
      tr("Add to Combination"), [this, combination, after] { applyCombinationState(combination, after); },
      [this, combination, before] { applyCombinationState(combination, before); });
  return true;
}

bool WardrobeSession::removeFromCombination(Combination* combination, const std::vector<Item*>& items) {
  if (!owns(combination) || refuseReadOnly()) return false;
  const std::unordered_set<const Item*> gone(items.begin(), items.end());
  CombinationState after = stateOf(*combination);
  std::erase_if(after.items, [&gone](const Item* item) { return gone.count(item) > 0; });
  if (after.items.size() == combination->count()) return false;
  after.changed = DateTime::now(*m_clock);
  const CombinationState before = stateOf(*combination);
  record(
      after.items.size() + 1 == before.items.size() ? tr("Remove from Combination")
                                                    : tr("Remove %1 Items from Combination").arg(before.items.size() -
                                                                                           after.items.size()),
      [this, combination, after] { applyCombinationState(combination, after); },
      [this, combination, before] { applyCombinationState(combination, before); });
  return true;
}

bool WardrobeSession::reorderCombination(Combination* combination, const std::vector<Item*>& order) {
  if (!owns(combination) || order == combination->items() || refuseReadOnly()) return false;
  const CombinationState before = stateOf(*combination);
  if (!combination->reorder(order)) return false;
  combination->reorder(before.items);  // the step makes the change
  CombinationState after = before;
  after.items = order;
  after.changed = DateTime::now(*m_clock);
  record(
      tr("Move in Combination"), [this, combination, after] { applyCombinationState(combination, after); },
      [this, combination, before] { applyCombinationState(combination, before); });
  return true;
}

bool WardrobeSession::renameCombination(Combination* combination, const std::wstring& name) {
  if (!owns(combination) || refuseReadOnly()) return false;
  const CombinationNameCheck check = checkCombinationName(m_wardrobe->combinations(), name, combination);
  if (check.problem != CombinationNameProblem::None || check.name == combination->name()) return false;
  const CombinationState before = stateOf(*combination);
  CombinationState after = before;
  after.name = check.name;
  after.changed = DateTime::now(*m_clock);
  record(
      tr("Rename Combination"), [this, combination, after] { applyCombinationState(combination, after); },
      [this, combination, before] { applyCombinationState(combination, before); });
  return true;
}

bool WardrobeSession::removeCombination(Combination* combination) {
  if (!owns(combination) || refuseReadOnly()) return false;
  auto held = std::make_shared<HeldCombination>();
  record(
      tr("Delete Combination"), [this, held, combination] { detachCombination(combination, *held); },
      [this, held] { attachCombination(*held); });
  return true;
}

bool WardrobeSession::wearCombination(Combination* combination, Date day) {
  if (!owns(combination) || !day.isStorable() || refuseReadOnly()) return false;
  WearAdded wear;
  wear.day = day;
  if (!combination->worn().contains(day)) wear.combination = combination;
  for (Item* item : combination->items())
    if (!item->worn().contains(day)) wear.items.push_back(item);
  if (!wear.combination && wear.items.empty()) return false;
  wear.changedBefore = combination->changed();
  wear.changedAfter = wear.combination ? DateTime::now(*m_clock) : wear.changedBefore;
  record(
      wearStep(day), [this, wear] { applyWear(wear, true); }, [this, wear] { applyWear(wear, false); });
  return true;
}

bool WardrobeSession::wearItems(const std::vector<Item*>& items, Date day) {
  if (!m_wardrobe || !day.isStorable() || refuseReadOnly()) return false;
  WearAdded wear;
  wear.day = day;
  for (Item* item : distinct(items)) {
    if (!ownsItem(item)) return false;
    if (!item->worn().contains(day)) wear.items.push_back(item);
  }
  if (wear.items.empty()) return false;
  record(
      wearStep(day), [this, wear] { applyWear(wear, true); }, [this, wear] { applyWear(wear, false); });
  return true;
}

// --- The changes themselves ------------------------------------------------------------

void WardrobeSession::attachCombination(HeldCombination& held) {
  Combination* combination = held.combination.get();
  if (!combination || !m_wardrobe->combinations().insert(std::move(held.combination), held.position)) return;
  emit combinationAdded(combination);
}

void WardrobeSession::detachCombination(Combination* combination, HeldCombination& held) {
  emit combinationAboutToBeRemoved(combination);
  held.combination = m_wardrobe->combinations().take(combination, &held.position);
  emit combinationRemoved();
}

void WardrobeSession::applyCombinationState(Combination* combination, const CombinationState& state) {
  combination->setName(state.name);
  // The step's items are in the wardrobe whenever it is done or undone:
  // the history undoes later deletes first.
  if (!combination->reorder(state.items)) {
    while (combination->count() > 0) combination->removeItem(combination->items().back());
    for (Item* item : state.items) combination->insertItem(item);
  }
  combination->setChanged(state.changed);
  emit combinationChanged(combination);
}

void WardrobeSession::applyWear(const WearAdded& wear, bool worn) {
  for (Item* item : wear.items) {
    if (worn)
      item->worn().add(wear.day);
    else
      item->worn().remove(wear.day);
  }
  if (wear.combination) {
    if (worn)
      wear.combination->worn().add(wear.day);
    else
      wear.combination->worn().remove(wear.day);
    wear.combination->setChanged(worn ? wear.changedAfter : wear.changedBefore);
    emit combinationChanged(wear.combination);
  }
  if (!wear.items.empty()) emit itemsWorn(wear.items);
}

std::vector<CombinationPlace> WardrobeSession::leaveCombinations(const std::vector<Item*>& items) {
  CombinationList& list = m_wardrobe->combinations();
  if (list.count() == 0) return {};
  std::vector<CombinationPlace> places = list.removeItems(std::unordered_set<const Item*>(items.begin(), items.end()));
  Combination* last = nullptr;
  for (const CombinationPlace& place : places) {
    if (place.combination != last) emit combinationChanged(place.combination);
    last = place.combination;
  }
  return places;
}

void WardrobeSession::returnToCombinations(const std::vector<CombinationPlace>& places) {
  if (places.empty()) return;
  m_wardrobe->combinations().putBack(places);
  Combination* last = nullptr;
  for (const CombinationPlace& place : places) {
    if (place.combination != last) emit combinationChanged(place.combination);
    last = place.combination;
  }
}

}  // namespace tavoro::ui
