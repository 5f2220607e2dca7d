// The notes on the desktop: the note table and the settings with their
// file, the layer library's objects and images of the notes, and the
// operations on them. Every change of a note goes through one of these
// operations, which draw it in the layer and save it.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "notes/layer/card_build.h"
#include "notes/layer/note_layer.h"
#include "notes/model/ini_profile.h"
#include "notes/model/note_table.h"
#include "notes/model/settings_file.h"

namespace zettrella {

class NoteBoard {
 public:
  explicit NoteBoard(const std::string& iniPath);
  ~NoteBoard();
  NoteBoard(const NoteBoard&) = delete;
  NoteBoard& operator=(const NoteBoard&) = delete;

  NoteTable& notes() { return notes_; }
  SystemSettings& settings() { return settings_; }
  SettingsFile& settingsFile() { return settingsFile_; }
  const RECT& desktopRect() const { return desktopRect_; }
  // The layer has been started and not released yet.
  bool hasLayer() const { return layer_ != nullptr; }

  // Start-up, in two parts around the start of the tray icon. BeginLoad
  // waits up to lockWaitMs for a settings file that another program holds
  // and reads the tray delay. FinishLoad reads the rest. A settings file
  // that cannot be read is never written over: the run goes on without it
  // until RetryLoad can read it.
  int32_t BeginLoad(DWORD lockWaitMs);
  void FinishLoad(const RECT& desktop);
  // A settings file that could not be read at start-up, tried again. Once
  // it can be read, its settings and notes are taken; the notes made
  // meanwhile move to free slots beside them, in front, and every note is
  // saved. True then (the hot keys may have changed).
  bool RetryLoad();
  // Hands the notes to the layer, attached to the window (its handle as a
  // 32-bit value): every note gets its object and card, then every note is
  // saved with its new id.
  void Start(std::unique_ptr<NoteLayer> layer, int32_t window);
  // Deletes the notes' images and unloads the layer. The layer itself stays
  // with the board (see releasedLayer_). Safe to call twice.
  void Release();

  // Follows a new desktop size (only its right and bottom count).
  void FollowDesktop(const RECT& desktop);
  // Changes that found the settings file held by another program, tried
  // again; true when none is left (at once when there was none).
  [[nodiscard]] bool SavePending();

  // The layer draws every note again, which puts them in front of the
  // other windows.
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
  // A drag of the note with this id from the pointer position (x, y). It
  // starts even when the id names no note (a note rebuilt meanwhile); its
  // moves then find no slot and change nothing.
  void StartDrag(int32_t id, int32_t x, int32_t y);
  // Moves the dragged note by the pointer's travel since the last position.
  // The new place is kept in the table only; the release saves it.
  void Drag(int32_t x, int32_t y);
  void ReleaseDrag();

  // (Re)creates the slot's note in the layer with its priority, draws its
  // card and saves the note.
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
  // Every note rebuilt after the settings changed, saved at once.
  void ApplySettings();

 private:
  // Rebuild without the save: the note's new id is only in the table.
  void Draw(int slot);
  // Every used slot's section, as one replace of the file.
  void SaveEveryNote();

  IniProfile profile_;
  SettingsFile settingsFile_;
  SystemSettings settings_;
  NoteTable notes_;
  std::array<NoteImage, kSlotCount> images_{};
  RECT desktopRect_{};

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
