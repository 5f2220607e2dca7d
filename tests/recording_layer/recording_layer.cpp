// A recording stand-in of the layer library for the note program's tests.
// Every call is appended as one line to "vextal-calls.log" in the folder
// given to _load, and every result is predictable:
//   ids 100, 101, ...; fonts 1, 2, ...; bitmaps 1000, 1001, ... with extra
//   5000, 5001, ...; positions follow _create and _move; _word_wrap returns
//   the text unchanged; measuring gives 14 pixels per line.
// A file "vextal-mode.txt" beside the log switches on failures: the word
// "fail-create" makes _create return -1.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include "tests/support/win_test_support.h"
#include "vextal/vextal_api.h"

namespace {

struct Position {
  int32_t x;
  int32_t y;
};

std::string g_dir;
std::string g_mode;
int32_t g_nextId = 100;
int32_t g_nextFont = 1;
int32_t g_nextBitmap = 1000;
std::map<int32_t, Position> g_objects;

void Log(const std::string& line) {
  if (g_dir.empty()) return;
  const std::string path = g_dir + "\\" + zettrella::testing::kCallLogName;
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

std::string N(int32_t v) { return std::to_string(v); }

std::string Hex(int32_t colour) {
  char buffer[16];
  snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(colour));
  return buffer;
}

// Takes over a block handed in by the program: its bytes, and the block freed.
std::string Take(char* block, int32_t length) {
  std::string text;
  if (block && length > 0) text.assign(block, static_cast<size_t>(length));
  if (block) GlobalFree(block);
  return text;
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else
      out += c;
  }
  return out + "\"";
}

std::string RectText(const vextal::Rect* r) {
  if (!r) return "null";
  return "{" + N(r->left) + "," + N(r->top) + "," + N(r->right) + "," + N(r->bottom) + "}";
}

int32_t CountLines(const std::string& text) {
  if (text.empty()) return 0;
  int32_t lines = 1;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '\r' && text[i + 1] == '\n') ++lines;
  }
  return lines;
}

}  // namespace

extern "C" {

void VEXTAL_CALL rec_load(char* dir, int32_t length) {
  g_dir = Take(dir, length);
  char mode[256] = {};
  FILE* f = fopen((g_dir + "\\vextal-mode.txt").c_str(), "rb");
  if (f) {
    fread(mode, 1, sizeof mode - 1, f);
    fclose(f);
  }
  g_mode = mode;
  Log("_load(" + Quoted(g_dir) + ")");
}

void VEXTAL_CALL rec_unload() {
  Log("_unload()");
  g_objects.clear();
}

void VEXTAL_CALL rec_floating(int32_t on) { Log("_floating(" + N(on) + ")"); }

void VEXTAL_CALL rec_attach(int32_t hwnd) { Log("_attach(" + N(hwnd) + ")"); }

int32_t VEXTAL_CALL rec_create(int32_t x, int32_t y, int32_t a, int32_t b, int32_t priority) {
  int32_t id = -1;
  if (g_mode.find("fail-create") == std::string::npos) {
    id = g_nextId++;
    g_objects[id] = Position{x, y};
  }
  Log("_create(" + N(x) + "," + N(y) + "," + N(a) + "," + N(b) + "," + N(priority) + ")=" + N(id));
  return id;
}

void VEXTAL_CALL rec_delete(int32_t id) {
  g_objects.erase(id);
  Log("_delete(" + N(id) + ")");
}

void VEXTAL_CALL rec_move(int32_t id, int32_t dx, int32_t dy) {
  auto it = g_objects.find(id);
  if (it != g_objects.end()) {
    it->second.x += dx;
    it->second.y += dy;
  }
  Log("_move(" + N(id) + "," + N(dx) + "," + N(dy) + ")");
}

int32_t VEXTAL_CALL rec_get_pos_x(int32_t id) {
  auto it = g_objects.find(id);
  const int32_t x = it == g_objects.end() ? 0 : it->second.x;
  Log("_get_pos_x(" + N(id) + ")=" + N(x));
  return x;
}

int32_t VEXTAL_CALL rec_get_pos_y(int32_t id) {
  auto it = g_objects.find(id);
  const int32_t y = it == g_objects.end() ? 0 : it->second.y;
  Log("_get_pos_y(" + N(id) + ")=" + N(y));
  return y;
}

void VEXTAL_CALL rec_set_priority(int32_t id, int32_t priority) {
  Log("_set_priority(" + N(id) + "," + N(priority) + ")");
}

void VEXTAL_CALL rec_redraw() { Log("_redraw()"); }
void VEXTAL_CALL rec_update_desktopsize() { Log("_update_desktopsize()"); }
void VEXTAL_CALL rec_lock_draw() { Log("_lock_draw()"); }
void VEXTAL_CALL rec_unlock_draw() { Log("_unlock_draw()"); }

int32_t VEXTAL_CALL rec_create_font(char* name, int32_t length, int32_t size) {
  const int32_t font = g_nextFont++;
  Log("_create_font(" + Quoted(Take(name, length)) + "," + N(size) + ")=" + N(font));
  return font;
}

void VEXTAL_CALL rec_delete_font(int32_t font) { Log("_delete_font(" + N(font) + ")"); }

char* VEXTAL_CALL rec_word_wrap(char* text, int32_t length, int32_t font, int32_t width, int32_t* outLength) {
  const std::string t = Take(text, length);
  Log("_word_wrap(" + Quoted(t) + "," + N(font) + "," + N(width) + ")");
  if (outLength) *outLength = static_cast<int32_t>(t.size());
  if (t.empty()) return nullptr;
  auto* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, t.size()));
  if (block) memcpy(block, t.data(), t.size());
  return block;
}

void VEXTAL_CALL rec_draw_text(int32_t bitmap, char* text, int32_t length, int32_t font, int32_t colour,
                               vextal::Rect* rect, int32_t flags) {
  const std::string t = Take(text, length);
  const std::string before = RectText(rect);
  if (bitmap == 0 && flags == vextal::kMeasureOnly && rect) rect->bottom = rect->top + 14 * CountLines(t);
  Log("_draw_text(" + N(bitmap) + "," + Quoted(t) + "," + N(font) + "," + Hex(colour) + "," + before + "," + N(flags) +
      ")");
}

int32_t VEXTAL_CALL rec_create_bitmap(int32_t width, int32_t height, int32_t* extra) {
  const int32_t bitmap = g_nextBitmap++;
  if (extra) *extra = bitmap + 4000;
  Log("_create_bitmap(" + N(width) + "," + N(height) + ")=" + N(bitmap));
  return bitmap;
}

void VEXTAL_CALL rec_delete_bitmap(int32_t bitmap) { Log("_delete_bitmap(" + N(bitmap) + ")"); }

void VEXTAL_CALL rec_fill_rect(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height,
                               int32_t colour) {
  Log("_fill_rect(" + N(bitmap) + "," + N(extra) + "," + N(x) + "," + N(y) + "," + N(width) + "," + N(height) + "," +
      Hex(colour) + ")");
}

void VEXTAL_CALL rec_draw_line(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                               int32_t colour) {
  Log("_draw_line(" + N(bitmap) + "," + N(extra) + "," + N(x1) + "," + N(y1) + "," + N(x2) + "," + N(y2) + "," +
      Hex(colour) + ")");
}

void VEXTAL_CALL rec_set_image_h(int32_t id, int32_t bitmap, int32_t extra) {
  Log("_set_image_h(" + N(id) + "," + N(bitmap) + "," + N(extra) + ")");
}

void VEXTAL_CALL rec_update_image_h(int32_t id) { Log("_update_image_h(" + N(id) + ")"); }

}  // extern "C"
