// Building the tray and note menus.
#include "notes/input/note_menus.h"

#include "notes/input/command_ids.h"

namespace zettrella {

namespace {

void AppendItem(HMENU menu, int command, const char* text) {
  AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(command), text);
}

void AppendSeparator(HMENU menu) { AppendMenuA(menu, MF_SEPARATOR, 0, nullptr); }

void Check(HMENU menu, int command, bool checked) {
  CheckMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

enum class MenuKind { Tray, Note };

// The items both menus end with; settings and about only in the tray menu.
void AppendCommonTail(HMENU menu, MenuKind kind, int32_t floating) {
  AppendSeparator(menu);
  AppendItem(menu, kCmdFloating, "常に手前に表示(&T)");
  AppendSeparator(menu);
  if (kind == MenuKind::Tray) {
    AppendItem(menu, kCmdSettings, "設定(&P)...");
    AppendSeparator(menu);
    AppendItem(menu, kCmdAbout, "バージョン情報(&A)...");
  }
  AppendItem(menu, kCmdQuit, "終了(&Q)");
  Check(menu, kCmdFloating, floating == 1);
}

}  // namespace

UniqueMenu BuildTrayMenu(int32_t floating) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return menu;
  AppendItem(menu.get(), kCmdCreateCyan, "シアン付箋を作成(&C)");
  AppendItem(menu.get(), kCmdCreateMagenta, "マゼンタ付箋を作成(&M)");
  AppendItem(menu.get(), kCmdCreateYellow, "イエロー付箋を作成(&Y)");
  AppendCommonTail(menu.get(), MenuKind::Tray, floating);
  return menu;
}

UniqueMenu BuildNoteMenu(const AddressItems& addresses, const Note* note, int32_t floating) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return menu;
  HMENU m = menu.get();
  bool anyAddress = false;
  for (int k = 0; k < kMaxAddresses; ++k) {
    const std::string& address = addresses[static_cast<size_t>(k)];
    if (address.empty()) continue;
    AppendItem(m, kCmdFirstAddress + k, AddressMenuLabel(address).c_str());
    anyAddress = true;
  }
  if (anyAddress) AppendSeparator(m);

  AppendItem(m, kCmdEdit, "編集(&E)...");
  AppendSeparator(m);
  AppendItem(m, kCmdTextRed, "文字色レッド(&R)");
  AppendSeparator(m);
  AppendItem(m, kCmdCyan, "シアン(&C)");
  AppendItem(m, kCmdMagenta, "マゼンタ(&M)");
  AppendItem(m, kCmdYellow, "イエロー(&Y)");
  AppendSeparator(m);
  AppendItem(m, kCmdDuplicate, "複製(&O)");
  AppendSeparator(m);
  AppendItem(m, kCmdDelete, "消去(&D)");

  if (note) {
    Check(m, kCmdTextRed, note->TextRed == 1);
    // A colour outside the three (hand-edited file) checks none of them.
    Check(m, kCmdCyan, note->Type == kTypeCyan);
    Check(m, kCmdMagenta, note->Type == kTypeMagenta);
    Check(m, kCmdYellow, note->Type == kTypeYellow);
  }
  AppendCommonTail(m, MenuKind::Note, floating);
  return menu;
}

}  // namespace zettrella
