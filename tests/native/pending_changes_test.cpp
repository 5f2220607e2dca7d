// Changes kept while the settings file is out of reach, and their side file's
// text.
#include "notes/model/pending_changes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/native/memory_profile.h"

namespace zettrella {
namespace {

// Changes kept while the file is out of reach, folded and made again later,
// leave the file exactly as making each of them at once would have.
TEST(PendingChanges, FoldedChangesGiveTheSameFileAsEachChangeAtOnce) {
  std::mt19937 random(7);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (int trial = 0; trial < 200; ++trial) {
    MemoryProfile direct, later;
    PendingChanges pending;
    for (int step = 0; step < 12; ++step) {
      ProfileChange change;
      change.section = pick(2) ? "Husen1" : "husen2";
      change.type = static_cast<ProfileChange::Kind>(pick(3));
      change.values = {{pick(2) ? "PosX" : "posy", std::to_string(step)}};
      if (pick(2)) change.values.emplace_back("Text", "t%0A\r\n" + std::to_string(step));
      change.lines = {"ID=" + std::to_string(step), "PosX=1"};
      pending.Add(change);
      auto apply = [&](MemoryProfile& profile, const ProfileChange& c) {
        if (c.type == ProfileChange::Kind::kRemoveSection) profile.RemoveSection(c.section.c_str());
        if (c.type == ProfileChange::Kind::kSection) profile.WriteSection(c.section.c_str(), c.lines);
        if (c.type == ProfileChange::Kind::kKeys) profile.WriteKeys(c.section.c_str(), c.values);
      };
      apply(direct, change);
      if (pick(4) == 0 || step == 11) {
        // Through the side file's text, as after a kill.
        PendingChanges kept;
        kept.AddFromText(pending.Text());
        for (const ProfileChange& c : kept.changes()) apply(later, c);
        pending.Clear();
      }
    }
    ASSERT_EQ(later.sections, direct.sections) << "trial " << trial;
  }
  // Folding keeps one change per key however often it changes.
  PendingChanges pending;
  for (int i = 0; i < 1000; ++i) pending.Add({ProfileChange::Kind::kKeys, "Husen1", {{"PosX", std::to_string(i)}}, {}});
  EXPECT_EQ(pending.changes().size(), 1u);
  // A side file cut short by a crash loses only its unfinished line.
  pending.Add({ProfileChange::Kind::kSection, "Husen2", {}, {"ID=2", "Text=abc"}});
  const std::string text = pending.Text();
  PendingChanges cut;
  cut.AddFromText(text.substr(0, text.size() - 4));
  ASSERT_EQ(cut.changes().size(), 2u);
  EXPECT_EQ(cut.changes()[1].lines, std::vector<std::string>{"ID=2"});
}

}  // namespace
}  // namespace zettrella
