// Building the tray and note menus.
#include "notes/input/note_menus.h"

#include "notes/input/command_ids.h"

namespace zettrella {

namespace {

// One item of a menu; a separator where text is null.
struct MenuItem {
  int command;
  const char* text;
};
constexpr MenuItem kSeparator{0, nullptr};

constexpr MenuItem kTrayItems[] = {
    {kCmdCreateCyan, "シアン付箋を作成(&C)"},
    {kCmdCreateMagenta, "マゼンタ付箋を作成(&M)"},
    {kCmdCreateYellow, "イエロー付箋を作成(&Y)"},
    kSeparator,
    {kCmdFloating, "常に手前に表示(&T)"},
    kSeparator,
    {kCmdSettings, "設定(&P)..."},
    kSeparator,
    {kCmdAbout, "バージョン情報(&A)..."},
    {kCmdQuit, "終了(&Q)"},
};

// The note menu after its addresses.
constexpr MenuItem kNoteItems[] = {
    {kCmdEdit, "編集(&E)..."},
    kSeparator,
    {kCmdTextRed, "文字色レッド(&R)"},
    kSeparator,
    {kCmdCyan, "シアン(&C)"},
    {kCmdMagenta, "マゼンタ(&M)"},
    {kCmdYellow, "イエロー(&Y)"},
    kSeparator,
    {kCmdDuplicate, "複製(&O)"},
    kSeparator,
    {kCmdDelete, "消去(&D)"},
    kSeparator,
    {kCmdFloating, "常に手前に表示(&T)"},
    kSeparator,
    {kCmdQuit, "終了(&Q)"},
};

void Append(HMENU menu, const MenuItem& item) {
  if (item.text) {
    AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(item.command), item.text);
  } else {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  }
}

void Check(HMENU menu, int command, bool checked) {
  CheckMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

UniqueMenu BuildTrayMenu(bool floating) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return menu;
  for (const MenuItem& item : kTrayItems) Append(menu.get(), item);
  Check(menu.get(), kCmdFloating, floating);
  return menu;
}

UniqueMenu BuildNoteMenu(const AddressItems& addresses, const Note* note, bool floating) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return menu;
  HMENU m = menu.get();
  bool anyAddress = false;
  for (int k = 0; k < kMaxAddresses; ++k) {
    const std::string& address = addresses[static_cast<size_t>(k)];
    if (address.empty()) continue;
    const std::string label = AddressMenuLabel(address);
    Append(m, {kCmdFirstAddress + k, label.c_str()});
    anyAddress = true;
  }
  if (anyAddress) Append(m, kSeparator);
  for (const MenuItem& item : kNoteItems) Append(m, item);

  if (note) {
    Check(m, kCmdTextRed, note->textRed);
    // A colour outside the three (hand-edited file) checks none of them.
    Check(m, kCmdCyan, note->type == kTypeCyan);
    Check(m, kCmdMagenta, note->type == kTypeMagenta);
    Check(m, kCmdYellow, note->type == kTypeYellow);
  }
  Check(m, kCmdFloating, floating);
  return menu;
}

}  // namespace zettrella
