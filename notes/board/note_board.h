// The notes on the desktop: the note table and the settings with their
// file, the layer library's objects and images of the notes, and the
// operations on them. Every change of a note goes through one of these
// operations, which draw it in the layer and save it (a drag's place is
// saved at its release).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "common/geometry.h"
#include "notes/card/card_build.h"
#include "notes/card/display_scale.h"
#include "notes/layer/note_layer.h"
#include "notes/model/profile.h"
#include "notes/model/note_table.h"
#include "notes/model/settings_file.h"

namespace zettrella {

class NoteBoard {
 public:
  // The profile is the settings file; it outlives the board.
  explicit NoteBoard(Profile& profile);

  const NoteTable& notes() const { return notes_; }
  const SystemSettings& settings() const { return settings_; }
  // The desktop in screen pixels.
  const ScreenRect& desktopRect() const { return desktopRect_; }
  // Where the slot's note is shown, in screen pixels; the table keeps stored units.
  ScreenPoint NoteScreenPosition(int slot) const;
  // The layer has been started and not released yet.
  bool hasLayer() const { return layer_ != nullptr; }

  // Start-up: reads the settings (the tray delay too) and the notes.
  void Load(const ScreenRect& desktop);
  // A settings file that could not be read at start-up, taken once it can
  // be, in two parts around the end of its loading: ReadStored reads its
  // settings and notes, ShowStored shows them and moves the notes made
  // meanwhile to free slots beside them, in front; every note is saved.
  void ReadStored();
  void ShowStored();
  // Hands the notes to the layer, attached to the window (its handle as a
  // 32-bit value): every note gets its object and card, drawn for a screen
  // of dpi, then every note is saved with its new id.
  void Start(std::unique_ptr<NoteLayer> layer, int32_t window, int32_t dpi = kStoredDpi);
  // Deletes the notes' images and unloads the layer. The layer itself stays
  // with the board (see releasedLayer_). Safe to call twice.
  void Release();

  // Follows a new desktop size (only its right and bottom count).
  void FollowDesktop(const ScreenRect& desktop);

  // The layer draws every note again, which puts them in front of the others.
  void Redraw();
  // Lets the notes go from the front of the other windows while a menu or
  // dialog is open, and puts them back as the settings say.
  void LeaveFront();
  void RestoreFront();
  void ToggleFloating();

  // Fills the lowest empty slot with a new note of colour type in the middle
  // of the desktop, builds it, and asks the layer to draw every note again
  // (also when all slots are in use).
  void Create(int32_t type);
  // Brings the note with this layer id to the front. Raise and the drag
  // need the layer; without it they do nothing.
  void Raise(int32_t id);
  // A drag of the note with this id from the pointer at (x, y), in screen
  // pixels like every pointer position. It starts even when the id names no
  // note (a note rebuilt meanwhile); its moves then change nothing.
  void StartDrag(int32_t id, int32_t x, int32_t y);
  // Moves the dragged note by the pointer's travel since the last position.
  // The new place, read back from the layer, is kept in the table only; the
  // release saves it.
  void Drag(int32_t x, int32_t y);
  void ReleaseDrag();

  // Draws the slot's note with a new object and card, and saves it.
  void Rebuild(int slot);
  void ToggleTextRed(int slot);
  void Recolour(int slot, int32_t type);
  // A copy of the note in the lowest empty slot, in front of the others.
  void Duplicate(int slot);
  // The note's content from edited. False when the note was deleted
  // meanwhile (a new note in its slot keeps its own content).
  bool ApplyEdit(NoteRef ref, const Note& edited);
  // False when the note was deleted meanwhile.
  bool Delete(NoteRef ref);
  // The settings that the settings dialog sets (hot keys, default size and
  // font) that differ between shown (what the dialog opened with) and
  // changed taken from changed and saved, then every note rebuilt and saved
  // at once. A value the user left alone keeps what the board holds now,
  // which may have been read from the settings file while the dialog was open.
  void ApplySettings(const SystemSettings& shown, const SystemSettings& changed);

 private:
  // The note in the lowest empty slot, in front of the others, built and
  // saved; nothing when every slot is in use.
  void Add(Note note);
  // Rebuild without the save: the note's new id is only in the table.
  void Draw(int slot);
  // Every used slot's section, as one replace of the file.
  void SaveEveryNote();
  // The notes made while the settings file could not be read, between
  // ReadStored and ShowStored.
  struct MadeMeanwhile {
    Note content;
    NoteImage image;
    NoteRef ref;  // where an open dialog knows it
  };
  std::vector<MadeMeanwhile> madeMeanwhile_;

  Profile& profile_;
  SettingsFile settingsFile_;
  SystemSettings settings_;
  NoteTable notes_;
  std::array<NoteImage, kSlotCount> images_{};
  ScreenRect desktopRect_{};
  DisplayScale scale_{};

  std::unique_ptr<NoteLayer> layer_;
  // The layer after its release. The release can come while the layer's
  // code is on the stack below us: a double click's edit dialog runs inside
  // the layer's event call, and the end of the session may arrive then. Its
  // module is therefore freed only with the board, which lives as long as
  // the main window object, once the modal loop has returned.
  std::unique_ptr<NoteLayer> releasedLayer_;

  // The drag of a note.
  bool dragging_ = false;
  int32_t dragId_ = 0;
  int32_t dragX_ = 0;
  int32_t dragY_ = 0;
};

}  // namespace zettrella
