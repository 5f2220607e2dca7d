// The shared value store's file: its name and its key=value lines.
#include "common/store_format.h"

#include <gtest/gtest.h>

namespace zettrella {
namespace {

std::string Set(std::string_view content, const char* key, const char* value) {
  const std::string v = value ? value : "";
  return StoreWithValue(content, key, value ? &v : nullptr);
}

TEST(StoreFormat, FileNameIsFmoPlusUpperCaseHexOfTheName) {
  EXPECT_EQ(StoreFileName("AB"), "fmo4142");
  EXPECT_EQ(StoreFileName("Zz~"), "fmo5A7A7E");
  EXPECT_EQ(StoreFileName(""), "fmo");
}

TEST(StoreFormat, NewStoreIsAnEmptyListThatGivesTheDefault) {
  EXPECT_EQ(StoreLookup(kEmptyStoreContent, "Key"), std::nullopt);
  EXPECT_EQ(Set(kEmptyStoreContent, "Key", "1234"), "Key=1234\r\n\r\n");
}

TEST(StoreFormat, SettingAKeyAgainReplacesItsLineAndAnotherKeyIsAddedAtTheEnd) {
  std::string content = Set(kEmptyStoreContent, "Key", "1");
  content = Set(content, "Key", "2");
  EXPECT_EQ(content, "Key=2\r\n\r\n");
  content = Set(content, "Other", "x");
  EXPECT_EQ(content, "Key=2\r\nOther=x\r\n\r\n");
  EXPECT_EQ(StoreLookup(content, "Other"), "x");
}

TEST(StoreFormat, NullValueRemovesEveryLineOfTheKey) {
  EXPECT_EQ(Set("A=1\r\nB=2\r\nA=3\r\n\r\n", "A", nullptr), "B=2\r\n\r\n");
  EXPECT_EQ(Set("B=2\r\n\r\n", "A", nullptr), "B=2\r\n\r\n");
}

TEST(StoreFormat, KeyMustBeFollowedByEqualsAndCaseCounts) {
  const std::string content = "Key=1234\r\n\r\n";
  EXPECT_EQ(StoreLookup(content, "Key"), "1234");
  EXPECT_EQ(StoreLookup(content, "Ke"), std::nullopt);
  EXPECT_EQ(StoreLookup(content, "key"), std::nullopt);
  EXPECT_EQ(StoreLookup("Key=\r\n\r\n", "Key"), "");
}

TEST(StoreFormat, ListEndsAtTheFirstEmptyLineAndDropsAFragment) {
  EXPECT_EQ(StoreLookup("\r\nA=1\r\n", "A"), std::nullopt);
  EXPECT_EQ(StoreLookup("A=1", "A"), std::nullopt);
  EXPECT_EQ(Set("A=1\r\n\r\nB=2\r\n", "C", "3"), "A=1\r\nC=3\r\n\r\n");
  EXPECT_EQ(Set("A=1\r\nB=2", "C", "3"), "A=1\r\nC=3\r\n\r\n");
}

TEST(StoreFormat, MappedViewEndsAtItsFirstZeroByte) {
  const std::string view("A=1\r\n\0B=2\r\n\r\n", 14);
  EXPECT_EQ(StoreLookup(view, "A"), "1");
  EXPECT_EQ(StoreLookup(view, "B"), std::nullopt);
  const std::string padded("A=1\r\n\r\n\0\0\0", 10);
  EXPECT_EQ(StoreLookup(padded, "A"), "1");
}

}  // namespace
}  // namespace zettrella
