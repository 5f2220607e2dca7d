// Ordering and folding of unsaved settings changes, and their text form
// for the side file.
#include "notes/model/pending_changes.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "common/ascii.h"

namespace zettrella {

// Section and key names of a profile file do not regard ASCII case.
void PendingChanges::Add(ProfileChange change) {
  if (change.type != ProfileChange::Kind::kKeys) {
    // A section replaced or removed makes every earlier change of it void.
    changes_.erase(
        std::remove_if(changes_.begin(), changes_.end(),
                       [&](const ProfileChange& c) { return EqualsIgnoringAsciiCase(c.section, change.section); }),
        changes_.end());
  } else {
    // A key set by an earlier change takes its new value there: the key
    // keeps the place in the section where it was first added, and any
    // change of the whole section left in the list lies before both.
    auto& values = change.values;
    for (ProfileChange& earlier : changes_) {
      if (earlier.type != ProfileChange::Kind::kKeys || !EqualsIgnoringAsciiCase(earlier.section, change.section))
        continue;
      for (auto& entry : earlier.values) {
        const auto now = std::find_if(values.begin(), values.end(),
                                      [&](const auto& v) { return EqualsIgnoringAsciiCase(v.first, entry.first); });
        if (now == values.end()) continue;
        entry.second = now->second;
        values.erase(now);
      }
    }
    if (values.empty()) return;
  }
  changes_.push_back(std::move(change));
}

namespace {

constexpr char kKindMarks[] = {'+', '=', '-'};

std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '%' || c == '\r' || c == '\n') {
      static constexpr char kHex[] = "0123456789ABCDEF";
      escaped += '%';
      escaped += kHex[static_cast<unsigned char>(c) >> 4];
      escaped += kHex[c & 0xF];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Unescaped(std::string_view text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    const int high = text[i] == '%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low >= 0) {
      plain += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

}  // namespace

std::string PendingChanges::Text() const {
  std::string text;
  for (const ProfileChange& change : changes_) {
    text += '[';
    text += kKindMarks[static_cast<int>(change.type)];
    text += Escaped(change.section) + "]\r\n";
    if (change.type == ProfileChange::Kind::kKeys) {
      for (const auto& [key, value] : change.values) text += Escaped(key) + "=" + Escaped(value) + "\r\n";
    } else if (change.type == ProfileChange::Kind::kSection) {
      for (const std::string& line : change.lines) text += Escaped(line) + "\r\n";
    }
  }
  return text;
}

void PendingChanges::AddFromText(std::string_view text) {
  ProfileChange change;
  bool open = false;
  auto finish = [&] {
    if (open) Add(std::move(change));
    change = ProfileChange{};
    open = false;
  };
  while (!text.empty()) {
    const size_t end = text.find('\n');
    if (end == std::string_view::npos) break;  // cut short: the last line is not whole
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const char* mark = line.size() >= 3 && line.front() == '[' && line.back() == ']'
                           ? std::find(std::begin(kKindMarks), std::end(kKindMarks), line[1])
                           : std::end(kKindMarks);
    if (mark != std::end(kKindMarks)) {
      finish();
      change.type = static_cast<ProfileChange::Kind>(mark - kKindMarks);
      change.section = Unescaped(line.substr(2, line.size() - 3));
      open = true;
    } else if (open && change.type == ProfileChange::Kind::kKeys) {
      const size_t equals = line.find('=');
      if (equals != std::string_view::npos)
        change.values.emplace_back(Unescaped(line.substr(0, equals)), Unescaped(line.substr(equals + 1)));
    } else if (open && change.type == ProfileChange::Kind::kSection) {
      change.lines.push_back(Unescaped(line));
    }
  }
  finish();
}

}  // namespace zettrella
