// The operations on the notes.
#include "notes/board/note_board.h"

#include "common/saturate.h"
#include "notes/board/new_notes.h"
#include "notes/card/display_text.h"
#include "notes/card/note_colours.h"
#include "notes/model/settings_keys.h"

namespace zettrella {

NoteBoard::NoteBoard(Profile& profile) : profile_(profile), settingsFile_(profile_) {
  profile_.OnFileMissing([this] { settingsFile_.SaveEverything(settings_, notes_); });
}

void NoteBoard::Load(const ScreenRect& desktop) {
  desktopRect_ = desktop;
  settings_.trayDelay = settingsFile_.ReadTrayDelay();
  settingsFile_.ReadSystem(&settings_);
  settingsFile_.ReadNotes(&notes_);
}

void NoteBoard::Start(std::unique_ptr<NoteLayer> layer, int32_t window, int32_t dpi) {
  scale_.dpi = dpi;
  layer_ = std::move(layer);
  layer_->Floating(settings_.floating);
  layer_->Attach(window);
  dragging_ = false;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    images_[slot].noteBitmap = 0;
    if (notes_[slot].inUse) {
      notes_[slot].id = kNoObject;
      Draw(slot);
    }
  }
  // The sections are saved once every note is on the screen: each changed
  // section costs a rewrite of the whole settings file, and after a hand
  // edit or an update every section can have changed.
  SaveEveryNote();
}

void NoteBoard::SaveEveryNote() {
  profile_.BeginBatch();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (notes_[slot].inUse) settingsFile_.SaveNote(slot, notes_[slot]);
  }
  (void)profile_.EndBatch();
}

void NoteBoard::ReadStored() {
  // The notes made meanwhile leave their slots (a dialog still open on one
  // then finds it gone rather than changing a stored note)...
  madeMeanwhile_.clear();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!notes_[slot].inUse) continue;
    madeMeanwhile_.push_back({notes_[slot], images_[slot], notes_.Ref(slot)});
    images_[slot] = NoteImage{};
    notes_.Vacate(slot);
  }
  settingsFile_.ReadSystem(&settings_);
  settingsFile_.ReadNotes(&notes_);
}

void NoteBoard::ShowStored() {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!notes_[slot].inUse) continue;
    notes_[slot].id = kNoObject;
    Draw(slot);
  }
  // ...for free ones beside the stored notes, in front of them. With every
  // slot taken by a stored note, one made meanwhile cannot be kept.
  for (auto& [note, image, ref] : madeMeanwhile_) {
    const int slot = notes_.FirstEmptySlot();
    if (slot == kNoSlot) {
      if (layer_ && note.id >= 0) layer_->Delete(note.id);
      if (layer_ && image.noteBitmap != 0) layer_->DeleteBitmap(image.noteBitmap);
      continue;
    }
    notes_[slot] = note;
    notes_[slot].priority = notes_.TakeNextPriority();
    images_[slot] = image;
    notes_.Forward(ref, slot);
    if (layer_ && note.id >= 0) layer_->SetPriority(note.id, notes_[slot].priority);
  }
  madeMeanwhile_.clear();
  if (layer_) layer_->Floating(settings_.floating);
  SaveEveryNote();
}

void NoteBoard::Release() {
  if (!layer_) return;
  for (NoteImage& image : images_) {
    if (image.noteBitmap != 0) layer_->DeleteBitmap(image.noteBitmap);
  }
  layer_->Unload();
  releasedLayer_ = std::move(layer_);
}

ScreenPoint NoteBoard::NoteScreenPosition(int slot) const {
  return {scale_.ToScreen(notes_[slot].posX), scale_.ToScreen(notes_[slot].posY)};
}

void NoteBoard::FollowDesktop(const ScreenRect& desktop) {
  if (desktop.right == desktopRect_.right && desktop.bottom == desktopRect_.bottom) return;
  desktopRect_.right = desktop.right;
  desktopRect_.bottom = desktop.bottom;
  if (layer_) layer_->UpdateDesktopSize();
}

void NoteBoard::Redraw() {
  if (layer_) layer_->Redraw();
}

void NoteBoard::LeaveFront() {
  if (layer_) layer_->Floating(0);
}

void NoteBoard::RestoreFront() {
  if (layer_) layer_->Floating(settings_.floating);
}

void NoteBoard::ToggleFloating() {
  settings_.floating = !settings_.floating;
  settingsFile_.SaveFloating(settings_.floating);
}

void NoteBoard::Create(int32_t type) {
  Add(MakeNewNote(type, settings_, scale_.ToStored(desktopRect_.right), scale_.ToStored(desktopRect_.bottom)));
  Redraw();
}

void NoteBoard::Raise(int32_t id) {
  const int slot = notes_.FindSlot(id);
  if (slot == kNoSlot || !layer_) return;
  Note& note = notes_[slot];
  note.priority = notes_.TakeNextPriority();
  layer_->SetPriority(id, note.priority);
  settingsFile_.SavePriority(slot, note);
}

void NoteBoard::StartDrag(int32_t id, int32_t x, int32_t y) {
  dragging_ = true;
  dragId_ = id;
  dragX_ = x;
  dragY_ = y;
}

void NoteBoard::Drag(int32_t x, int32_t y) {
  if (!dragging_ || !layer_ || (x == dragX_ && y == dragY_)) return;
  // Positions come from another process; their difference must not overflow.
  layer_->Move(dragId_, Saturate(static_cast<int64_t>(x) - dragX_), Saturate(static_cast<int64_t>(y) - dragY_));
  dragX_ = x;
  dragY_ = y;
  const int slot = notes_.FindSlot(dragId_);
  if (slot == kNoSlot) return;
  // The place as the layer shows it, converted whole: steps rounded one by
  // one would drift.
  Note& note = notes_[slot];
  note.posX = scale_.ToStored(layer_->GetPosX(dragId_));
  note.posY = scale_.ToStored(layer_->GetPosY(dragId_));
}

void NoteBoard::ReleaseDrag() {
  if (!dragging_) return;
  dragging_ = false;
  const int slot = notes_.FindSlot(dragId_);
  if (slot != kNoSlot) settingsFile_.SavePosition(slot, notes_[slot]);
}

void NoteBoard::Rebuild(int slot) {
  Draw(slot);
  settingsFile_.SaveNote(slot, notes_[slot]);
}

void NoteBoard::Draw(int slot) {
  Note& note = notes_[slot];
  if (!layer_) {
    // The layer is already released: keep the note, without an object.
    note.id = kNoObject;
    return;
  }
  const std::string display = MakeDisplayText(note.text, note.mask, note.maskFrom);
  BuildCard(*layer_,
            {note.posX, note.posY, note.width, note.priority, display, note.fontName, note.fontSize,
             ColoursFor(note.type, note.textRed), settings_.defaultHeight, scale_},
            &note.id, &images_[static_cast<size_t>(slot)]);
}

void NoteBoard::ToggleTextRed(int slot) {
  notes_[slot].textRed = !notes_[slot].textRed;
  Rebuild(slot);
}

void NoteBoard::Recolour(int slot, int32_t type) {
  notes_[slot].type = type;
  Rebuild(slot);
}

void NoteBoard::Duplicate(int source) { Add(MakeDuplicate(notes_[source])); }

void NoteBoard::Add(Note note) {
  const int slot = notes_.FirstEmptySlot();
  if (slot == kNoSlot) return;
  notes_[slot] = std::move(note);
  notes_[slot].priority = notes_.TakeNextPriority();
  Rebuild(slot);
}

bool NoteBoard::ApplyEdit(NoteRef ref, const Note& edited) {
  const int slot = notes_.Resolve(ref);
  if (slot == kNoSlot) return false;
  static_cast<NoteContent&>(notes_[slot]) = edited;
  Rebuild(slot);
  return true;
}

bool NoteBoard::Delete(NoteRef ref) {
  const int slot = notes_.Resolve(ref);
  if (slot == kNoSlot) return false;
  Note& note = notes_[slot];
  if (layer_ && note.id >= 0) layer_->Delete(note.id);
  notes_.Vacate(slot);
  settingsFile_.RemoveNote(slot);
  return true;
}

void NoteBoard::ApplySettings(const SystemSettings& shown, const SystemSettings& changed) {
  for (const SettingKey& key : kSettingKeys) {
    if (key.saved == SavedWith::kDialog && FormatValue(key, shown) != FormatValue(key, changed))
      CopyValue(key, changed, &settings_);
  }
  settingsFile_.SaveSystemSettings(settings_);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (notes_[slot].inUse) Draw(slot);
  }
  SaveEveryNote();
}

}  // namespace zettrella
