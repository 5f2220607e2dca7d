// The layer binding in-process: loading from the program's folder, string
// blocks handed over, the "none" results of a library without entry points.
#include <gtest/gtest.h>

#include "common/win_handles.h"
#include "notes/layer/vextal_binding.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

TEST(VextalBinding, LoadsFromItsFolderAndHandsStringsOver) {
  TempDir dir("zbind");
  CopyFileOrFail(RecordingLayerPath(), dir.File("vextal.dll"));
  char before[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, before);
  {
    VextalBinding layer(dir.path(), "vextal.dll");
    ASSERT_NE(GetModuleHandleA(dir.File("vextal.dll").c_str()), nullptr);
    char after[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(after, before);

    EXPECT_EQ(layer.Create(1, 2, 3), 100);
    layer.Move(100, 5, -7);
    EXPECT_EQ(layer.GetPosX(100), 6);
    EXPECT_EQ(layer.GetPosY(100), -5);
    EXPECT_EQ(layer.MakeFont("ＭＳ ゴシック", 9), 1);
    EXPECT_EQ(layer.MakeFont("", 9), 2);
    EXPECT_EQ(layer.WordWrap("line\r\nnext", 1, 90), "line\r\nnext");
    EXPECT_EQ(layer.WordWrap("", 1, 90), "");
    vextal::Rect rect{5, 6, 195, 0};
    layer.PaintText(0, "a\r\nb", 1, 0x008080, &rect, vextal::kMeasureOnly);
    EXPECT_EQ(rect.bottom, 6 + 28);
    int32_t extra = 0;
    EXPECT_EQ(layer.CreateBitmap(200, 30, &extra), 1000);
    EXPECT_EQ(extra, 5000);
  }
  const std::string log = ReadFileBytes(dir.File(kCallLogName));
  EXPECT_EQ(log.find("_load(\"" + dir.path() + "\")\r\n"), 0u) << log;
  EXPECT_NE(log.find("_create_font(\"ＭＳ ゴシック\",9)=1"), std::string::npos) << log;
  EXPECT_NE(log.find("_create_font(\"\",9)=2"), std::string::npos) << log;
  EXPECT_NE(log.find("_create(1,2,0,0,3)=100"), std::string::npos) << log;
  EXPECT_EQ(log.substr(log.size() - 11), "_unload()\r\n");
}

TEST(VextalBinding, TakesOnlyTheLibraryBesideTheProgram) {
  TempDir empty("zbind");
  VextalBinding layer(empty.path(), "vextal.dll");
  // Not the one in the test program's own folder either.
  EXPECT_EQ(GetModuleHandleA("vextal.dll"), nullptr);
  EXPECT_EQ(layer.Create(0, 0, 0), -1);
}

TEST(VextalBinding, MissingEntryPointsGiveTheirNoneResults) {
  // A library that loads but offers none of the entry points.
  TempDir dir("zbind");
  CopyFileOrFail(ExeDir() + "\\empty_layer.dll", dir.File("vextal.dll"));
  VextalBinding layer(dir.path(), "vextal.dll");
  ASSERT_NE(GetModuleHandleA(dir.File("vextal.dll").c_str()), nullptr);
  layer.Floating(1);
  layer.Attach(WindowId(GetDesktopWindow()));
  layer.Redraw();
  layer.LockDraw();
  EXPECT_EQ(layer.Create(1, 2, 3), -1);
  EXPECT_EQ(layer.GetPosX(5), 0);
  EXPECT_EQ(layer.GetPosY(5), 0);
  EXPECT_EQ(layer.MakeFont("x", 8), 0);
  EXPECT_EQ(layer.WordWrap("text", 0, 100), "");
  vextal::Rect rect{5, 6, 195, 0};
  layer.PaintText(0, "text", 0, 0, &rect, vextal::kMeasureOnly);
  EXPECT_EQ(rect.bottom, 0);
  int32_t extra = 77;
  EXPECT_EQ(layer.CreateBitmap(10, 10, &extra), 0);
  EXPECT_EQ(extra, 77);
}

}  // namespace
}  // namespace zettrella::testing
