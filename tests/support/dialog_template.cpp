// A reader of the DLGTEMPLATEEX layout: header, menu, class, caption and
// font, then DWORD-aligned items with their class and text; and the control
// ids a dialog's block of the resource header defines.
#include "tests/support/dialog_template.h"

#include <cstdint>
#include <cstring>
#include <sstream>

namespace zettrella::testing {

namespace {

class Reader {
 public:
  explicit Reader(const BYTE* at) : at_(at), start_(at) {}
  WORD Word() { return Take<WORD>(); }
  DWORD Dword() { return Take<DWORD>(); }
  short Short() { return Take<short>(); }
  BYTE Byte() { return Take<BYTE>(); }
  void AlignDword() {
    while ((at_ - start_) % 4) ++at_;
  }
  // A sz_Or_Ord: a UTF-16 string, or 0xFFFF and a number.
  std::string StringOrNumber() {
    if (Peek() == 0xFFFF) {
      Word();
      return "#" + std::to_string(Word());
    }
    std::wstring wide;
    for (WORD c = Word(); c; c = Word()) wide += static_cast<wchar_t>(c);
    if (wide.empty()) return std::string();
    char text[1024] = {};
    WideCharToMultiByte(932, 0, wide.c_str(), static_cast<int>(wide.size()), text, sizeof text - 1, nullptr, nullptr);
    return text;
  }

 private:
  WORD Peek() const {
    WORD w;
    std::memcpy(&w, at_, sizeof w);
    return w;
  }
  template <class T>
  T Take() {
    T value;
    std::memcpy(&value, at_, sizeof value);
    at_ += sizeof value;
    return value;
  }
  const BYTE* at_;
  const BYTE* start_;
};

std::string ClassName(const std::string& raw) {
  if (raw == "#128") return "Button";
  if (raw == "#129") return "Edit";
  if (raw == "#130") return "Static";
  if (raw == "#131") return "ListBox";
  if (raw == "#132") return "ScrollBar";
  if (raw == "#133") return "ComboBox";
  return raw;
}

}  // namespace

bool LoadDialogTemplate(HMODULE module, int id, DialogTemplate* out) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
  if (!found) return false;
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  if (!bytes) return false;
  Reader r(bytes);
  const WORD version = r.Word();
  const WORD signature = r.Word();
  if (version != 1 || signature != 0xFFFF) return false;
  out->extended = true;
  r.Dword();  // help id
  r.Dword();  // extended style
  out->style = r.Dword();
  const WORD count = r.Word();
  out->x = r.Short();
  out->y = r.Short();
  out->cx = r.Short();
  out->cy = r.Short();
  r.StringOrNumber();  // menu
  r.StringOrNumber();  // class
  out->caption = r.StringOrNumber();
  if (out->style & DS_SETFONT) {
    out->pointSize = r.Word();
    r.Word();  // weight
    r.Byte();  // italic
    r.Byte();  // character set
    out->fontName = r.StringOrNumber();
  }
  for (WORD i = 0; i < count; ++i) {
    r.AlignDword();
    TemplateItem item;
    r.Dword();  // help id
    item.exStyle = r.Dword();
    item.style = r.Dword();
    item.x = r.Short();
    item.y = r.Short();
    item.cx = r.Short();
    item.cy = r.Short();
    item.id = static_cast<int32_t>(r.Dword());
    item.className = ClassName(r.StringOrNumber());
    item.text = r.StringOrNumber();
    const WORD extra = r.Word();
    for (WORD b = 0; b < extra; ++b) r.Byte();
    out->items.push_back(item);
  }
  return true;
}

std::vector<int> HeaderControlIds(const std::string& headerText, const std::string& dialogName) {
  std::vector<int> ids;
  bool inDialog = false;
  std::istringstream lines(headerText);
  std::string define, name;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string value;
    if (!(words >> define >> name >> value) || define != "#define") continue;
    if (name.rfind("IDD_", 0) == 0) {
      inDialog = name == dialogName;
    } else if (inDialog && name.rfind("IDC_", 0) == 0 && name != "IDC_STATIC") {
      ids.push_back(std::stoi(value));
    }
  }
  return ids;
}

}  // namespace zettrella::testing
