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
  return id < 0 ? kNoSlot : FirstSlot(slots_, [id](const Note& note) { return note.InUse && note.ID == id; });
}

int NoteTable::FirstEmptySlot() const {
  return FirstSlot(slots_, [](const Note& note) { return !note.InUse; });
}

NoteRef NoteTable::Ref(int slot) const { return {slot, generations_[static_cast<size_t>(slot)]}; }

int NoteTable::Resolve(NoteRef ref) const {
  // A note moves at most once per slot it leaves; the walk is bounded all
  // the same.
  for (int step = 0; step <= kSlotCount; ++step) {
    if (ref.Slot < 0 || ref.Slot >= kSlotCount) return kNoSlot;
    const auto index = static_cast<size_t>(ref.Slot);
    if (generations_[index] == ref.Generation) return slots_[index].InUse ? ref.Slot : kNoSlot;
    const Forwarding& forward = forwards_[index];
    if (!forward.Set || forward.Generation != ref.Generation) return kNoSlot;
    ref = forward.To;
  }
  return kNoSlot;
}

void NoteTable::Forward(NoteRef from, int to) {
  if (from.Slot < 0 || from.Slot >= kSlotCount) return;
  forwards_[static_cast<size_t>(from.Slot)] = {true, from.Generation, Ref(to)};
}

void NoteTable::Vacate(int slot) {
  const auto index = static_cast<size_t>(slot);
  slots_[index].InUse = false;
  slots_[index].ID = kNoObject;
  ++generations_[index];
}

void NoteTable::NormalisePriorities() {
  // A dense ranking computed on the sorted distinct values: no subtraction,
  // so stored extremes such as INT32_MIN and INT32_MAX cannot overflow.
  std::vector<int32_t> distinct;
  for (const Note& note : slots_) {
    if (note.InUse) distinct.push_back(note.Priority);
  }
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  for (Note& note : slots_) {
    if (!note.InUse) continue;
    const auto rank = std::lower_bound(distinct.begin(), distinct.end(), note.Priority) - distinct.begin();
    note.Priority = static_cast<int32_t>(rank);
  }
  NextPriority = static_cast<int32_t>(distinct.size());
}

int32_t NoteTable::TakeNextPriority() {
  const int32_t priority = NextPriority;
  // Priorities only grow during a run; stop at the top instead of wrapping.
  if (NextPriority < std::numeric_limits<int32_t>::max()) ++NextPriority;
  return priority;
}

}  // namespace zettrella
