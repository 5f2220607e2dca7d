// The note program's main window: a tiny hidden dialog that owns everything
// the program has — the note table and settings, the layer library binding,
// the tray icon, the hot keys and the timer — and answers the layer's event
// records, the tray icon and the quit message.
//
// Its member operations are defined by concern: start-up, timer and
// shutdown in notes/app, note building in notes/layer, pointer events,
// menus, commands and hot keys in notes/input.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>
#include <memory>
#include <string>

#include "common/dialog.h"
#include "common/shared_value_store.h"
#include "common/win_handles.h"
#include "notes/input/address_opener.h"
#include "notes/input/addresses.h"
#include "notes/input/hot_keys.h"
#include "notes/layer/vextal_binding.h"
#include "notes/model/ini_profile.h"
#include "notes/model/note_table.h"
#include "notes/model/settings_file.h"

namespace zettrella {

// What the application object hands the main window.
struct AppContext {
  std::string ModuleDir;  // where vextal.dll lies
  std::string IniPath;    // the settings file
  std::string Arguments;  // the command line after the program name
  // The published store; owned here so that it outlives the window and is
  // deleted only when the modal loop has returned.
  std::unique_ptr<SharedValueStore> Store;
};

// A note's image in the layer library; never stored.
struct NoteImage {
  int32_t NoteBitmap = 0;  // 0 = no image
  int32_t NoteBitmapExtra = 0;
};

class NoteBoardDialog : public ui::Dialog {
 public:
  explicit NoteBoardDialog(AppContext& app);
  ~NoteBoardDialog() override;

  NoteTable& notes() { return notes_; }
  SystemSettings& settings() { return settings_; }
  SettingsFile& settingsFile() { return settingsFile_; }
  const RECT& desktopRect() const { return desktopRect_; }
  VextalBinding* binding() { return binding_.get(); }
  const NoteImage& image(int slot) const { return images_[static_cast<size_t>(slot)]; }

  // (Re)creates the note of a slot in the layer with the given stacking
  // priority, draws its card and saves the note.
  void BuildNote(int slot, int32_t priority);
  // BuildNote without the save: the note's new id is only in the table.
  void DrawNote(int slot, int32_t priority);

  // Fills the lowest empty slot with a new note of colour type in the middle
  // of the desktop, builds it, and asks the layer to draw every note again
  // (also when all slots are in use).
  void CreateNote(int32_t type);
  // Ctrl + Shift + the keys named in the settings, ids 0-3.
  void RegisterAllHotKeys();
  void UnregisterAllHotKeys();
  // What opens an address chosen in the note menu; the shell by default.
  void SetAddressOpener(AddressOpener opener);
  const AddressItems& addressItems() const { return addressItems_; }

 protected:
  bool PreTranslateMessage(MSG& msg) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  BOOL OnInitDialog() override;
  // Enter and Escape never end the hidden window.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void PublishWindowHandle();
  void StartTrayIcon();
  void StartLayer();
  void ReleaseLayer();
  void Shutdown();
  void OnTimer();
  void OnPaint();
  static DWORD WINAPI TrayDelayThread(void* param);

  // Re-adds the tray icon after the shell (and its notification area) has
  // been restarted.
  void OnTaskbarCreated();

  // The layer's event records (notes/input/pointer_events.cpp). Returns 1,
  // whatever the record holds.
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  void OnNoteLButtonDown(int32_t id, int32_t x, int32_t y);
  void OnNoteMouseMove(int32_t x, int32_t y);
  void OnNoteLButtonUp();
  void OnNoteRButtonUp(int32_t id);
  void OnNoteDoubleClick(int32_t id);
  // Runs the edit dialog for a slot; on OK the note takes the edited values
  // and is rebuilt with its priority. True when the note was changed.
  bool EditNote(int slot);

  // Menus, commands and hot keys (notes/input).
  LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
  void RunMenu(int32_t noteId);
  void RunCommand(int command, int32_t noteId);
  void EditNoteOfId(int32_t noteId);
  void ToggleTextRed(int32_t noteId);
  void SetNoteType(int32_t noteId, int32_t type);
  void DuplicateNote(int32_t noteId);
  void DeleteNote(int32_t noteId);
  void ToggleFloating();
  void ChangeSettings();
  void ShowAbout();
  void OpenAddress(int index);
  bool OnHotKey(int id);

  AppContext& app_;
  IniProfile profile_;
  SettingsFile settingsFile_;

  HICON bigIcon_ = nullptr;  // shared icon, not destroyed
  UniqueIcon smallIcon_;
  RECT desktopRect_{};
  NOTIFYICONDATAA trayIcon_{};
  UniqueKernelHandle trayThread_;
  UniqueKernelHandle trayThreadStop_;
  UINT_PTR timerId_ = 0;
  int32_t tickCount_ = 0;
  std::unique_ptr<VextalBinding> binding_;
  // The binding after its release. The release can come while the layer's
  // code is on the stack below us: a double click's edit dialog runs inside
  // the layer's event call, and the end of the session may arrive then. Its
  // module is therefore freed only with this window object, once the modal
  // loop has returned.
  std::unique_ptr<VextalBinding> releasedBinding_;
  UINT taskbarCreatedMessage_ = 0;
  bool shutDown_ = false;

  SystemSettings settings_;
  NoteTable notes_;
  std::array<NoteImage, kSlotCount> images_{};

  // Pointer state of the notes.
  int32_t dragging_ = 0;
  int32_t dragId_ = 0;
  int32_t dragX_ = 0;
  int32_t dragY_ = 0;
  int32_t noteMenuPending_ = 0;

  // The addresses of the most recent note menu.
  AddressItems addressItems_;
  AddressOpener openAddress_ = OpenWithShell;
  HotKeyRegistrations hotKeys_;
};

}  // namespace zettrella
