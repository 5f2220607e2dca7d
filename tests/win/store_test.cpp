// The shared value store on Win32: backing file, named mapping, owner and
// reader sides.
#include <gtest/gtest.h>

#include "common/shared_value_store.h"
#include "common/store_format.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

// A name of this test process's own, so that parallel tests never meet.
std::string UniqueName(const char* base) { return std::string(base) + std::to_string(GetCurrentProcessId()); }

std::string TempPath() {
  char temp[MAX_PATH] = {};
  GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
  return temp;
}

TEST(SharedValueStore, OwnerPublishesAKeyThatAReaderFinds) {
  const std::string name = UniqueName("ZtStore");
  std::string path;
  {
    SharedValueStore owner(name.c_str(), true);
    path = TempPath() + "\\" + StoreFileName(name);
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ReadFileBytes(path), "\r\n\r\n");

    SharedValueStore reader(name.c_str(), false);
    std::string value = "untouched";
    ASSERT_TRUE(reader.GetValue("Key", "0", &value));
    EXPECT_EQ(value, "0");

    owner.SetValue("Key", "1234");
    EXPECT_EQ(ReadFileBytes(path), "Key=1234\r\n\r\n");
    ASSERT_TRUE(reader.GetValue("Key", "0", &value));
    EXPECT_EQ(value, "1234");
    EXPECT_TRUE(reader.GetValue("hwnd", "none", &value));
    EXPECT_EQ(value, "none");

    owner.SetValue("Key", "99");
    owner.SetValue("Other", "x");
    EXPECT_EQ(ReadFileBytes(path), "Key=99\r\nOther=x\r\n\r\n");
    owner.SetValue("Key", nullptr);
    EXPECT_EQ(ReadFileBytes(path), "Other=x\r\n\r\n");
    ASSERT_TRUE(owner.GetValue("Key", "gone", &value));
    EXPECT_EQ(value, "gone");

    reader.SetValue("Other", "ignored");  // a reader never writes
    EXPECT_EQ(ReadFileBytes(path), "Other=x\r\n\r\n");
  }
  EXPECT_FALSE(FileExists(path));
  SharedValueStore later(name.c_str(), false);
  std::string value = "untouched";
  EXPECT_FALSE(later.GetValue("Other", "", &value));
  EXPECT_EQ(value, "untouched");
}

TEST(SharedValueStore, ReaderCreatesAndDeletesNoFile) {
  const std::string name = UniqueName("ZtReader");
  const std::string path = TempPath() + "\\" + StoreFileName(name);
  {
    SharedValueStore reader(name.c_str(), false);
    EXPECT_FALSE(FileExists(path));
    WriteFileBytes(path, "kept");
  }
  EXPECT_EQ(ReadFileBytes(path), "kept");
  DeleteFileA(path.c_str());
}

TEST(SharedValueStore, OwnerTruncatesAFileLeftBehind) {
  const std::string name = UniqueName("ZtLeft");
  const std::string path = TempPath() + "\\" + StoreFileName(name);
  WriteFileBytes(path, "Key=1\r\n\r\n");
  SharedValueStore owner(name.c_str(), true);
  EXPECT_EQ(ReadFileBytes(path), "\r\n\r\n");
}

TEST(SharedValueStore, WithoutTempThereIsNoFileAndNoMapping) {
  const std::string name = UniqueName("ZtNoTemp");
  const std::string saved = TempPath();
  SetEnvironmentVariableA("TEMP", nullptr);
  {
    SharedValueStore owner(name.c_str(), true);
    owner.SetValue("Key", "5");
    EXPECT_FALSE(FileExists(saved + "\\" + StoreFileName(name))) << "no file without TEMP";
    std::string value;
    EXPECT_FALSE(owner.GetValue("Key", "0", &value));
  }
  SetEnvironmentVariableA("TEMP", saved.c_str());
  EXPECT_FALSE(FileExists(saved + "\\" + StoreFileName(name)));
}

// Another program made a section of the store's name with its pages only
// reserved: a reader does not fault on it, and the owner does not keep it.
TEST(SharedValueStore, SectionOfTheNameMadeByAnotherIsNeitherReadNorKept) {
  const std::string name = UniqueName("ZtTaken");
  HANDLE taken =
      CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE | SEC_RESERVE, 0, 65536, name.c_str());
  SharedValueStore owner(name.c_str(), true);
  owner.SetValue("Key", "1");
  std::string value;
  EXPECT_FALSE(owner.GetValue("Key", "0", &value));
  CloseHandle(taken);
  EXPECT_FALSE(UniqueKernelHandle(OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str())));
}

}  // namespace
}  // namespace zettrella::testing
