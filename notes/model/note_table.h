// The note table: up to 100 notes in numbered slots, and the settings that
// hold for the whole program. Plain data; the note board owns one of each.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zettrella {

inline constexpr int kSlotCount = 100;
inline constexpr int kNoSlot = -1;
inline constexpr int32_t kNoObject = -1;

// The font of new notes until the settings name another, and of a stored
// note whose section names none.
inline constexpr char kDefaultFontName[] = "ＭＳ ゴシック";

enum NoteType : int32_t { kTypeCyan = 0, kTypeMagenta = 1, kTypeYellow = 2 };

// What a note shows: its width, colour, font, text and the text's look.
struct NoteContent {
  int32_t width = 200;
  int32_t type = kTypeCyan;
  std::string fontName = kDefaultFontName;
  int32_t fontSize = 8;
  std::string text;  // line breaks as CR LF
  bool textRed = false;
  bool mask = false;
  int32_t maskFrom = 1;  // first masked character, 1-based
};

// One slot. Slot i is stored in the settings section "Husen<i+1>".
struct Note : NoteContent {
  // The slot holds a note. Normally exactly when id >= 0; a note whose layer
  // object could not be made (no working layer library) keeps its slot with
  // id -1, so that it is neither lost nor overwritten by a new note.
  bool inUse = false;
  int32_t id = kNoObject;  // the note's object in the layer library
  int32_t priority = 0;    // stacking order, greater in front
  int32_t posX = 0;
  int32_t posY = 0;
};

// Names one note for as long as it exists. A dialog keeps it while it is
// open and finds its note again through it when it ends: a note deleted
// meanwhile is gone, and a new note in the same slot is another note.
struct NoteRef {
  int slot = kNoSlot;
  uint32_t generation = 0;
};

class NoteTable {
 public:
  Note& operator[](int slot) { return slots_[static_cast<size_t>(slot)]; }
  const Note& operator[](int slot) const { return slots_[static_cast<size_t>(slot)]; }

  // The lowest used slot whose ID is id; kNoSlot when none (always for id < 0).
  int FindSlot(int32_t id) const;
  // The lowest slot without a note; kNoSlot when all are in use.
  int FirstEmptySlot() const;

  // The note in a used slot, and its slot again later: kNoSlot once that
  // note has been deleted, whatever the slot holds now.
  NoteRef Ref(int slot) const;
  int Resolve(NoteRef ref) const;
  // Deletes the slot's note: the slot is empty and every NoteRef to the note
  // is stale. The note's other columns stay as they were.
  void Vacate(int slot);
  // The note that from named, vacated since, now stands in slot to: a
  // NoteRef kept by an open dialog finds it there. Notes made while the
  // settings file could not be read move so when the stored ones arrive.
  void Forward(NoteRef from, int to);

  // Replaces the priorities of the used slots by their dense ranking (equal
  // values stay equal, the least becomes 0) and sets nextPriority to one
  // more than the greatest, or 0 when no slot is used.
  void NormalisePriorities();

  // The priority for a note brought to the front; nextPriority goes up by one.
  int32_t TakeNextPriority();

  int32_t nextPriority = 0;

 private:
  std::array<Note, kSlotCount> slots_;
  std::array<uint32_t, kSlotCount> generations_{};  // notes deleted from each slot
  struct Forwarding {
    bool set = false;
    uint32_t generation = 0;  // of the note that left the slot
    NoteRef to;
  };
  std::array<Forwarding, kSlotCount> forwards_{};
};

// Program-wide settings, section "System" of the settings file.
struct SystemSettings {
  int32_t trayDelay = 30;  // seconds the tray icon waits after a "-startup" start
  bool floating = false;   // notes stay above other windows
  std::string hotKeyCreateC = "F1";
  std::string hotKeyCreateM = "F2";
  std::string hotKeyCreateY = "F3";
  std::string hotKeyShow = "A";
  int32_t defaultWidth = 200;
  int32_t defaultHeight = 30;  // also the least height of every note
  std::string defaultFontName = kDefaultFontName;
  int32_t defaultFontSize = 8;
};

}  // namespace zettrella
