// The settings file's text as the program writes it: byte for byte what the
// profile functions would write for a file of its own, hand edits kept.
#include "notes/model/ini_text.h"

#include <gtest/gtest.h>

namespace zettrella {
namespace {

ProfileChange Keys(const char* section, KeyValues values) { return {ProfileChange::Kind::kKeys, section, values, {}}; }
ProfileChange Lines(const char* section, std::vector<std::string> lines) {
  return {ProfileChange::Kind::kSection, section, {}, lines};
}
ProfileChange Removal(const char* section) { return {ProfileChange::Kind::kRemoveSection, section, {}, {}}; }

std::string Changed(const std::string& bytes, const ProfileChange& change) {
  IniText text(bytes);
  text.Apply(change);
  return text.Bytes();
}

TEST(IniText, ChangesOfTheProgramsOwnFileComeOutAsTheProfileFunctionsWriteThem) {
  const std::string file = "[System]\r\nFloating=Off\r\n[Husen1]\r\nID=1\r\nPriority=0\r\n";
  EXPECT_EQ(Changed("", Keys("Husen1", {{"ID", "0"}, {"Text", " a"}})), "[Husen1]\r\nID=0\r\nText=a\r\n");
  EXPECT_EQ(Changed(file, Keys("husen1", {{"priority", "4"}, {"PosX", "9"}})),
            "[System]\r\nFloating=Off\r\n[Husen1]\r\nID=1\r\nPriority=4\r\nPosX=9\r\n");
  EXPECT_EQ(Changed(file, Keys("System", {{"Width", "5"}})),
            "[System]\r\nFloating=Off\r\nWidth=5\r\n[Husen1]\r\nID=1\r\nPriority=0\r\n");
  EXPECT_EQ(Changed(file, Lines("System", {"A=1", "bare", " B = 2"})),
            "[System]\r\nA=1\r\nB=2\r\n[Husen1]\r\nID=1\r\nPriority=0\r\n");
  EXPECT_EQ(Changed(file, Lines("Husen2", {"ID=2"})), file + "[Husen2]\r\nID=2\r\n");
  EXPECT_EQ(Changed(file, Removal("HUSEN1")), "[System]\r\nFloating=Off\r\n");
  EXPECT_EQ(Changed(file, Removal("Husen9")), file);
}

TEST(IniText, HandEditsOutsideTheChangedKeysStayAsTheyAre) {
  // Comments, a line without "=", blank lines, LF ends, no last line end.
  const std::string edited = "; mine\n[husen1]\nID=1\nnote to self\n\n[Husen2]\nID=2";
  EXPECT_EQ(Changed(edited, Keys("Husen1", {{"PosX", "3"}})),
            "; mine\n[husen1]\nID=1\nnote to self\nPosX=3\n\n[Husen2]\nID=2");
  EXPECT_EQ(Changed(edited, Keys("Husen2", {{"PosX", "3"}})),
            "; mine\n[husen1]\nID=1\nnote to self\n\n[Husen2]\nID=2\nPosX=3");
  EXPECT_EQ(Changed(edited, Lines("Husen2", {"ID=5"})), "; mine\n[husen1]\nID=1\nnote to self\n\n[Husen2]\nID=5");
  // A repeated section: the first is the one read and changed; the second
  // (pasted from another computer, say) keeps its note.
  const std::string twice =
      "[System]\r\nWidth=1\r\n[Husen1]\r\nID=1\r\n[SYSTEM]\r\nTrayDelay=60\r\n[Husen1]\r\nID=7\r\n";
  IniText text(twice);
  EXPECT_EQ(text.Read("System", "TrayDelay", "30", 99), "30");
  EXPECT_EQ(text.Section("husen1"), std::vector<std::string>{"ID=1"});
  text.Apply(Lines("Husen1", {"ID=2"}));
  text.Apply(Keys("System", {{"Width", "3"}}));
  text.Apply(Removal("Husen1"));
  EXPECT_EQ(text.Bytes(), "[System]\r\nWidth=3\r\n[SYSTEM]\r\nTrayDelay=60\r\n[Husen1]\r\nID=7\r\n");
}

TEST(IniText, ReadsAsTheProfileFunctions) {
  // A value in quotes loses them; blanks around names and values go; a
  // two-byte character whose second byte is "]" does not end the name; a
  // cut never splits a character; comments are no lines of the section.
  const IniText text("\xEF\xBB\xBF [A\x83]x] \r\n ;c=1\r\n Key = \"q \" \r\nbare\r\nText=ab\x82\xA0\r\n");
  EXPECT_EQ(text.Read("a\x83]x", "KEY", "-", 99), "q ");
  EXPECT_EQ(text.Read("A\x83]x", "Text", "", 3), "ab");
  EXPECT_EQ(text.Read("A\x83]x", "bare", "dflt", 99), "dflt");
  EXPECT_EQ(text.Section("A\x83]X"), (std::vector<std::string>{"Key=\"q \"", "bare", "Text=ab\x82\xA0"}));
}

}  // namespace
}  // namespace zettrella
