// The note menu's address scan: the forms and where they end, two-byte
// characters around them, at most ten in text order, and menu labels with
// each "&" doubled.
#include "notes/input/addresses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zettrella {
namespace {

// The non-empty entries, in order.
std::vector<std::string> Addresses(std::string_view text) {
  AddressItems items;
  ExtractAddresses(text, &items);
  std::vector<std::string> found;
  bool gap = false;
  for (const std::string& item : items) {
    if (item.empty()) {
      gap = true;
    } else {
      EXPECT_FALSE(gap) << "addresses must fill the table from its start";
      found.push_back(item);
    }
  }
  return found;
}

using List = std::vector<std::string>;

// The full-width letter U in code page 932: lead byte 0x82, second byte
// 0x74, which is also "t".
constexpr char kWideU[] = "\x82\x74";

TEST(ExtractAddresses, AllFourFormsAndTheirEnds) {
  EXPECT_EQ(Addresses("see http://a.example/x next"), List{"http://a.example/x"});
  EXPECT_EQ(Addresses("https://b.example\tttp://c.example\r\nttps://d.example/p?q=1\n"),
            (List{"https://b.example", "http://c.example", "https://d.example/p?q=1"}));
  EXPECT_EQ(Addresses("(http://e.example/a),"), List{"http://e.example/a),"});
  EXPECT_EQ(Addresses("\"http://f.example/'<>\""), List{"http://f.example/'<>\""});
  EXPECT_EQ(Addresses("x http://g.example/a&b=1"), List{"http://g.example/a&b=1"});
}

TEST(ExtractAddresses, PrefixesAreExactAndCaseSensitive) {
  EXPECT_EQ(Addresses("HTTP://a.example TTP://c.example hTTp://d HTTPS://e"), List{});
  // "Http://" holds "ttp://" from its second byte on.
  EXPECT_EQ(Addresses("Http://b.example"), List{"http://b.example"});
  EXPECT_EQ(Addresses("http:/a ttp:a htp://a ftp://a"), List{});
  // A prefix alone is an address of its own.
  EXPECT_EQ(Addresses("http://"), List{"http://"});
  EXPECT_EQ(Addresses("ttps://"), List{"https://"});
  EXPECT_EQ(Addresses(""), List{});
}

TEST(ExtractAddresses, TwoByteCharactersAroundAnAddress) {
  // Directly after Japanese text and before a two-byte full stop.
  EXPECT_EQ(Addresses("日本語のページhttp://j.example/path。続き"), List{"http://j.example/path"});
  EXPECT_EQ(Addresses("参照ttps://k.example/a」"), List{"https://k.example/a"});
  // Half-width katakana are single bytes and belong to the address.
  EXPECT_EQ(Addresses("http://l.example/ｱｲｳ end"), List{"http://l.example/ｱｲｳ"});
  // The second byte of a two-byte character is never the start of an address.
  EXPECT_EQ(Addresses(std::string(kWideU) + "tp://m.example"), List{});
  // The scan goes on behind the two-byte character that ended an address.
  EXPECT_EQ(Addresses("http://n.example" + std::string(kWideU) + "tp://o.example"), List{"http://n.example"});
  EXPECT_EQ(Addresses("http://p.example。http://q.example"), (List{"http://p.example", "http://q.example"}));
  // A lead byte that ends the text.
  EXPECT_EQ(Addresses("http://r.example\x82"), List{"http://r.example"});
  EXPECT_EQ(Addresses("abc\x82"), List{});
}

TEST(ExtractAddresses, AtMostTenInTextOrder) {
  std::string text;
  for (int i = 0; i < 12; ++i) text += (i % 2 ? "ttp://" : "http://") + std::to_string(i) + " ";
  List expected;
  for (int i = 0; i < 10; ++i) expected.push_back("http://" + std::to_string(i));
  EXPECT_EQ(Addresses(text), expected);
}

TEST(ExtractAddresses, EmptiesTheTableFirst) {
  AddressItems items;
  items.fill("stale");
  ExtractAddresses("one http://a.example", &items);
  EXPECT_EQ(items[0], "http://a.example");
  for (size_t k = 1; k < items.size(); ++k) EXPECT_EQ(items[k], "") << k;
}

TEST(AddressMenuLabel, DoublesEveryAmpersandAndNothingElse) {
  EXPECT_EQ(AddressMenuLabel("http://a.example/?x=1&y=2&&z"), "http://a.example/?x=1&&y=2&&&&z");
  EXPECT_EQ(AddressMenuLabel("http://a.example/ｱ(1),"), "http://a.example/ｱ(1),");
  EXPECT_EQ(AddressMenuLabel(""), "");
}

}  // namespace
}  // namespace zettrella
