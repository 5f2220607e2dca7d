// Helpers of the vextal tests: the library loaded as the note program loads
// it (see note_driver.h), a window that collects event records, screen
// read-back and the z-order of the objects.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/vextal/note_driver.h"
#include "vextal/vextal_api.h"

namespace vextal::testing {

using driver::Block;
using driver::BuildCard;
using driver::Card;
using driver::Client;
using driver::WordWrap;

// A hidden top-level window that keeps every WM_COPYDATA record it gets.
class RecordSink {
 public:
  RecordSink();
  ~RecordSink();
  RecordSink(const RecordSink&) = delete;
  RecordSink& operator=(const RecordSink&) = delete;
  HWND hwnd() const { return hwnd_; }
  int32_t handle32() const { return static_cast<int32_t>(reinterpret_cast<intptr_t>(hwnd_)); }
  std::vector<std::string> records;
  // Called for each record as it arrives, inside the WM_COPYDATA handler,
  // where the note program reacts to it.
  std::function<void(const std::vector<std::string>& fields)> onRecord;

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
};

// One record split into its lines.
std::vector<std::string> Fields(const std::string& record);

// Pixels of a screen area as 0x00RRGGBB, row after row.
struct ScreenShot {
  int32_t left = 0, top = 0, width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[size_t(y) * width + x] & 0xFFFFFF; }
};
ScreenShot CaptureScreen(const RECT& area);

// Top-level windows of this thread with the layer's class, front to back.
std::vector<HWND> ObjectWindowsInZOrder();
// Position of a window in the top-level window list, front first.
int ZIndex(HWND hwnd);

}  // namespace vextal::testing

#include <gtest/gtest.h>

namespace vextal::testing {

// A test with the library loaded and reporting to a RecordSink.
class LoadedLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(vx.Open());
    const std::string dir = "C:\\";
    vx._load(Block(dir), static_cast<int32_t>(dir.size()));
    vx._attach(sink.handle32());
  }
  void TearDown() override {
    if (vx._unload) vx._unload();
    vx.Close();
  }
  Client vx;
  RecordSink sink;
};

}  // namespace vextal::testing
