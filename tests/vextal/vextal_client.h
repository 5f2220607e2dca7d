// Helpers of the vextal tests: the library's entry points called directly
// or through the note program's binding and card build, a window that
// collects event records, and the z-order of the objects; the screen is read
// back with the harness's CaptureScreen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/vextal/sample_card.h"
#include "common/win_handles.h"
#include "notes/layer/vextal_binding.h"
#include "tests/support/win_test_support.h"
#include "vextal/vextal_api.h"

namespace vextal::testing {

// The benchmarks' sample card: its object, its bitmap and the measured
// text rectangle.
using driver::Card;

// The library beside the test program with every entry point, called
// directly; loading the module calls none of them.
struct Client : zettrella::VextalEntryPoints {
  HMODULE module = nullptr;

  // False if the DLL or any entry point is missing.
  bool Open();
  void Close();
};

using zettrella::NewBlock;

// Through the program's binding over the entry points of vx: the wrapped
// text, and the benchmarks' sample card.
std::string WordWrap(const Client& vx, std::string_view text, int32_t font, int32_t width);
Card BuildCard(const Client& vx, int32_t x, int32_t y, int32_t width, int32_t priority, std::string_view text,
               int32_t background, int32_t textColour, std::string_view face = "ＭＳ Ｐゴシック", int32_t points = 12);

// A hidden top-level window that keeps every WM_COPYDATA record it gets.
class RecordSink {
 public:
  RecordSink();
  ~RecordSink();
  RecordSink(const RecordSink&) = delete;
  RecordSink& operator=(const RecordSink&) = delete;
  HWND hwnd() const { return hwnd_; }
  int32_t handle32() const { return zettrella::WindowId(hwnd_); }
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

using zettrella::testing::CaptureScreen;
using zettrella::testing::ScreenShot;

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
    vx._load(NewBlock(dir), static_cast<int32_t>(dir.size()));
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
