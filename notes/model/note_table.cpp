// Slot look-ups and the priority ranking of the note table.
#include "notes/model/note_table.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace zettrella {

namespace {

template <class Take>
int FirstSlot(const std::array<Note, kSlotCount>& slots, Take take) {
  const auto note = std::find_if(slots.begin(), slots.end(), take);
  return note == slots.end() ? kNoSlot : static_cast<int>(note - slots.begin());
}

}  // namespace

int NoteTable::FindSlot(int32_t id) const {
  return id < 0 ? kNoSlot : FirstSlot(slots_, [id](const Note& note) { return note.inUse && note.id == id; });
}

int NoteTable::FirstEmptySlot() const {
  return FirstSlot(slots_, [](const Note& note) { return !note.inUse; });
}

NoteRef NoteTable::Ref(int slot) const { return {slot, generations_[static_cast<size_t>(slot)]}; }

int NoteTable::Resolve(NoteRef ref) const {
  // A note moves at most once per slot it leaves; the walk is bounded all
  // the same.
  for (int step = 0; step <= kSlotCount; ++step) {
    if (ref.slot < 0 || ref.slot >= kSlotCount) return kNoSlot;
    const auto index = static_cast<size_t>(ref.slot);
    if (generations_[index] == ref.generation) return slots_[index].inUse ? ref.slot : kNoSlot;
    const Forwarding& forward = forwards_[index];
    if (!forward.set || forward.generation != ref.generation) return kNoSlot;
    ref = forward.to;
  }
  return kNoSlot;
}

void NoteTable::Forward(NoteRef from, int to) {
  if (from.slot < 0 || from.slot >= kSlotCount) return;
  forwards_[static_cast<size_t>(from.slot)] = {true, from.generation, Ref(to)};
}

void NoteTable::Vacate(int slot) {
  const auto index = static_cast<size_t>(slot);
  slots_[index].inUse = false;
  slots_[index].id = kNoObject;
  ++generations_[index];
}

void NoteTable::NormalisePriorities() {
  // A dense ranking computed on the sorted distinct values: no subtraction,
  // so stored extremes such as INT32_MIN and INT32_MAX cannot overflow.
  std::vector<int32_t> distinct;
  for (const Note& note : slots_) {
    if (note.inUse) distinct.push_back(note.priority);
  }
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  for (Note& note : slots_) {
    if (!note.inUse) continue;
    const auto rank = std::lower_bound(distinct.begin(), distinct.end(), note.priority) - distinct.begin();
    note.priority = static_cast<int32_t>(rank);
  }
  nextPriority = static_cast<int32_t>(distinct.size());
}

int32_t NoteTable::TakeNextPriority() {
  const int32_t priority = nextPriority;
  // Priorities only grow during a run; stop at the top instead of wrapping.
  if (nextPriority < std::numeric_limits<int32_t>::max()) ++nextPriority;
  return priority;
}

}  // namespace zettrella
