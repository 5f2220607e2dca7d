// The harness's driver of the real main window, run in the test process.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "common/protocol.h"
#include "notes/app/main_window.h"
#include "notes/app/main_window_ids.h"
#include "notes/model/settings_values.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {

namespace {

BoardHarness* g_running = nullptr;  // the harness whose board runs now

constexpr UINT kTickMs = 20;

using LookUp = FARPROC(WINAPI*)(HMODULE, LPCSTR);

template <typename Function>
FARPROC AsProc(Function function) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(function));
}

// The test program's own GetProcAddress, while a board runs.
LookUp g_lookUp = nullptr;

// The program looks the shell's calls up as it makes them; while a board
// runs, its look-up of ShellExecuteA finds the catch.
FARPROC WINAPI CatchLookUp(HMODULE module, LPCSTR name) {
  if (!IS_INTRESOURCE(name) && lstrcmpA(name, "ShellExecuteA") == 0) return BoardHarness::ShellCatch();
  return g_lookUp(module, name);
}

}  // namespace

std::vector<MenuItem> ReadMenu(HMENU menu) {
  std::vector<MenuItem> items;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[512] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    MenuItem item;
    item.id = info.wID;
    item.separator = (info.fType & MFT_SEPARATOR) != 0;
    item.checked = (info.fState & MFS_CHECKED) != 0;
    item.text = item.separator ? "" : text;
    items.push_back(item);
  }
  return items;
}

std::vector<std::string> MenuLines(const std::vector<MenuItem>& items) {
  std::vector<std::string> lines;
  for (const MenuItem& item : items) {
    if (item.separator) {
      lines.push_back("---");
    } else {
      lines.push_back(std::to_string(item.id) + " " + item.text + (item.checked ? " [x]" : ""));
    }
  }
  return lines;
}

BoardHarness::BoardHarness(const std::string& iniText) : dir_("zmenu"), app_(std::make_unique<AppContext>()) {
  CopyFileOrFail(RecordingLayerPath(), dir_.File("vextal.dll"));
  app_->moduleDir = dir_.path();
  app_->iniPath = dir_.File("Zettrella.ini");
  if (!iniText.empty()) WriteFileBytes(app_->iniPath, iniText);
  board_ = std::make_unique<MainWindow>(*app_);
}

BoardHarness::~BoardHarness() {
  board_.reset();
  // The profile functions may keep the file open for a moment.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, app_->iniPath.c_str());
}

bool BoardHarness::Run(std::vector<Step> steps, DWORD timeoutMs) {
  steps_ = std::move(steps);
  next_ = 0;
  finished_ = false;
  timedOut_ = false;
  deadline_ = GetTickCount() + timeoutMs;
  g_running = this;
  // The note menu opens addresses with the shell; caught here, none starts a browser.
  g_lookUp = reinterpret_cast<LookUp>(reinterpret_cast<void*>(
      SwapImport(GetModuleHandleA(nullptr), "kernel32.dll", "GetProcAddress", AsProc(&CatchLookUp))));
  if (!g_lookUp) ADD_FAILURE() << "GetProcAddress is not among the test program's imports";
  callHook_ = SetWindowsHookExA(WH_CALLWNDPROC, CallWndHook, nullptr, GetCurrentThreadId());
  getHook_ = SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId());
  const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, OnTick);
  board_->RunModal();
  KillTimer(nullptr, timer);
  UnhookWindowsHookEx(callHook_);
  UnhookWindowsHookEx(getHook_);
  if (g_lookUp) SwapImport(GetModuleHandleA(nullptr), "kernel32.dll", "GetProcAddress", AsProc(g_lookUp));
  g_running = nullptr;
  // The quit command leaves its WM_QUIT for the loops around the board.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  return !timedOut_;
}

HWND BoardHarness::window() const { return board_->hwnd(); }
const std::string& BoardHarness::iniPath() const { return app_->iniPath; }

bool BoardHarness::scriptCompleted() const { return next_ == steps_.size(); }

void CALLBACK BoardHarness::OnTick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_running) g_running->Tick();
}

void BoardHarness::Tick() {
  // A step may run a nested loop in which the timer fires again.
  if (inTick_ || !board_->hwnd()) return;
  inTick_ = true;
  if (static_cast<LONG>(GetTickCount() - deadline_) > 0) {
    Abort();
  } else {
    while (next_ < steps_.size() && steps_[next_]()) ++next_;
    if (next_ == steps_.size() && !finished_) {
      finished_ = true;
      PostMessageA(board_->hwnd(), kQuitMessage, 0, 0);
    }
  }
  inTick_ = false;
}

// Closes whatever is open, so that a stuck script still ends the board.
void BoardHarness::Abort() {
  if (!timedOut_) ADD_FAILURE() << "script stopped at step " << next_ << " of " << steps_.size();
  timedOut_ = true;
  finished_ = true;
  EndMenu();
  if (HWND dialog = FindDialog(GetCurrentProcessId(), nullptr, {board_->hwnd()})) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }
  PostMessageA(board_->hwnd(), kQuitMessage, 0, 0);
}

LRESULT CALLBACK BoardHarness::CallWndHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_running) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message == WM_INITMENUPOPUP) {
      g_running->openMenu_ = reinterpret_cast<HMENU>(sent->wParam);
      g_running->menuOpen_ = true;
    } else if (sent->message == WM_EXITMENULOOP) {
      g_running->menuOpen_ = false;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK BoardHarness::GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && g_running && !g_running->finished_) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg->message == WM_NULL && msg->hwnd == g_running->board_->hwnd()) ++g_running->nullMessages_;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

Step BoardHarness::Post(UINT message, WPARAM wParam, LPARAM lParam) {
  return [this, message, wParam, lParam] {
    PostMessageA(board_->hwnd(), message, wParam, lParam);
    return true;
  };
}

Step BoardHarness::OpenTrayMenu() { return Post(kTrayMessage, kTrayIconId, WM_RBUTTONUP); }

Step BoardHarness::OpenNoteMenu(std::function<int32_t()> id) {
  return [this, id] {
    SendRecord(Record(kEventRButtonUp, id(), 5, 5));
    return true;
  };
}

void BoardHarness::SendRecord(const std::string& record) {
  COPYDATASTRUCT data{};
  data.cbData = static_cast<DWORD>(record.size());
  data.lpData = const_cast<char*>(record.data());
  SendMessageA(board_->hwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

Step BoardHarness::ClickNoteOfSlot(int slot, int32_t* priority) {
  return [this, slot, priority] {
    const int32_t id = SavedNote(slot).id;
    for (const char* event : {kEventLButtonDown, kEventLButtonUp}) SendRecord(Record(event, id, 5, 5));
    const std::string told = "_set_priority(" + std::to_string(id) + ",";
    *priority = -1;
    for (const std::string& call : ReadCallLog(dir_.path())) {
      if (call.rfind(told, 0) == 0) *priority = std::atoi(call.c_str() + told.size());
    }
    return true;
  };
}

Step BoardHarness::WaitForMenu() {
  return [this] {
    if (!menuOpen_ || !openMenu_) return false;
    lastMenuHandle_ = openMenu_;
    lastMenu_ = ReadMenu(openMenu_);
    return true;
  };
}

Step BoardHarness::Choose(UINT command) {
  return [this, command] {
    int index = -1;
    int selectable = 0;
    for (const MenuItem& item : lastMenu_) {
      if (item.separator) continue;
      if (item.id == command) index = selectable;
      ++selectable;
    }
    if (index < 0) {
      ADD_FAILURE() << "no menu item " << command;
      PostKey(board_->hwnd(), VK_ESCAPE);
      return true;
    }
    // The first Down selects the first item; each further one the next.
    for (int i = 0; i <= index; ++i) PostKey(board_->hwnd(), VK_DOWN);
    PostKey(board_->hwnd(), VK_RETURN);
    return true;
  };
}

Step BoardHarness::Dismiss() {
  return [this] {
    PostKey(board_->hwnd(), VK_ESCAPE);
    return true;
  };
}

Step BoardHarness::WaitForMenuClosed() {
  return [this] { return !menuOpen_; };
}

Step BoardHarness::InTurn(std::vector<Step> steps) {
  auto next = std::make_shared<size_t>(0);
  return [steps = std::move(steps), next] {
    while (*next < steps.size() && steps[*next]()) ++*next;
    return *next == steps.size();
  };
}

Step BoardHarness::TrayCommand(UINT command) {
  return InTurn({OpenTrayMenu(), WaitForMenu(), Choose(command), WaitForMenuClosed()});
}

std::function<int32_t()> BoardHarness::IdOfSlot(int slot) {
  return [this, slot] { return SavedNote(slot).id; };
}

Step BoardHarness::NoteCommand(int slot, UINT command) { return NoteCommand(IdOfSlot(slot), command); }

Step BoardHarness::NoteCommand(std::function<int32_t()> id, UINT command) {
  return InTurn({OpenNoteMenu(std::move(id)), WaitForMenu(), Choose(command), WaitForMenuClosed()});
}

Step BoardHarness::TrayMenuDismissed() {
  return InTurn({OpenTrayMenu(), WaitForMenu(), Dismiss(), WaitForMenuClosed()});
}

Step BoardHarness::NoteMenuDismissed(int slot) {
  return InTurn({OpenNoteMenu(IdOfSlot(slot)), WaitForMenu(), Dismiss(), WaitForMenuClosed()});
}

Step BoardHarness::WaitForDialog(const char* caption, const HWND* besides) {
  return [this, caption, besides] {
    lastDialog_ = FindDialog(GetCurrentProcessId(), caption, {board_->hwnd(), besides ? *besides : nullptr});
    return lastDialog_ != nullptr;
  };
}

Step BoardHarness::PressButton(int id) {
  return [this, id] {
    zettrella::testing::PressButton(lastDialog_, id);
    return true;
  };
}

Step BoardHarness::ClearCalls(std::string* fileBefore) {
  return [this, fileBefore] {
    ClearLayerCalls();
    if (fileBefore) *fileBefore = ReadFileBytes(app_->iniPath);
    return true;
  };
}

Step BoardHarness::Do(std::function<void()> action) {
  return [action] {
    action();
    return true;
  };
}

Step BoardHarness::WaitUntil(std::function<bool()> cond) { return cond; }

std::vector<std::string> BoardHarness::LayerCalls() const {
  const std::vector<std::string> lines = ReadCallLog(dir_.path());
  if (callsSeen_ >= lines.size()) return {};
  return std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(callsSeen_), lines.end());
}

void BoardHarness::ClearLayerCalls() { callsSeen_ += LayerCalls().size(); }

std::string BoardHarness::IniValue(const char* section, const char* key, const char* missing) const {
  return SettingsValue(app_->iniPath, section, key, missing);
}

bool BoardHarness::IniHasSection(const char* section) const {
  char names[8192] = {};
  const DWORD n = GetPrivateProfileSectionNamesA(names, sizeof names, app_->iniPath.c_str());
  for (const char* p = names; p < names + n && *p; p += lstrlenA(p) + 1) {
    if (lstrcmpiA(p, section) == 0) return true;
  }
  return false;
}

Note BoardHarness::SavedNote(int slot) const {
  const std::string section = "Husen" + std::to_string(slot + 1);
  auto value = [&](const char* key) { return IniValue(section.c_str(), key, ""); };
  auto number = [&](const char* key, int32_t missing) {
    const std::string text = value(key);
    return text.empty() ? missing : static_cast<int32_t>(std::atoi(text.c_str()));
  };
  Note note;
  note.id = number("ID", kNoObject);
  note.inUse = note.id >= 0;
  note.priority = number("Priority", note.priority);
  note.posX = number("PosX", note.posX);
  note.posY = number("PosY", note.posY);
  note.width = number("Width", note.width);
  note.type = number("Type", note.type);
  note.fontName = IniValue(section.c_str(), "FontName", note.fontName.c_str());
  note.fontSize = number("FontSize", note.fontSize);
  note.text = TextFromStored(value("Text"));
  note.textRed = value("TextRed") == "1";
  note.mask = value("TextAster") == "1";
  note.maskFrom = number("TextAsterNum", note.maskFrom);
  return note;
}

FARPROC BoardHarness::ShellCatch() { return AsProc(&CatchShellExecute); }

HINSTANCE WINAPI BoardHarness::CatchShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT) {
  const std::string opened = file ? file : "";
  if (g_running) g_running->shellOpened_.push_back(verb && lstrcmpA(verb, "open") == 0 ? opened : "verb? " + opened);
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));  // above 32: success
}

}  // namespace zettrella::testing
