// Reading and changing the text of a profile file line by line.
//
// The profile functions trim blanks (code page 932's ideographic space and
// Ctrl+Z among them) around section lines, names and values, take a line
// with "[" and "]" as a section header, and find names without regard to
// ASCII case. They take any run of CR and LF as one line end and rewrite the
// whole file on every change; this text keeps every line as it was, so a
// file the program wrote itself comes out as those functions would write it,
// and a hand-edited one keeps its comments, blank lines and line ends.
#include "notes/model/ini_text.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "common/ascii.h"
#include "common/mbcs.h"

namespace zettrella {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The length of the blank character at text[i], or 0.
size_t BlankAt(std::string_view text, size_t i) {
  const char c = text[i];
  if (c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A') return 1;
  return c == '\x81' && i + 1 < text.size() && text[i + 1] == '\x40' ? 2 : 0;
}

std::string_view TrimStart(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const size_t blank = BlankAt(text, i);
    if (blank == 0) break;
    i += blank;
  }
  return text.substr(i);
}

std::string_view Trim(std::string_view text) {
  text = TrimStart(text);
  size_t end = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t blank = BlankAt(text, i);
    const size_t length = blank ? blank : CharLengthAt(text, i);
    i += length;
    if (blank == 0) end = i;
  }
  return text.substr(0, end);
}

// Position of the character c (not a second byte of a two-byte one), or npos.
size_t FindChar(std::string_view text, char c) {
  for (size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
    if (text[i] == c) return i;
  }
  return std::string_view::npos;
}

// Names differ only in ASCII case; a two-byte character must match exactly
// (its second byte may look like an ASCII letter).
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (IsLeadByte(a[i]) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
      return false;
    }
  }
  return true;
}

// What one line says to the profile functions.
struct LineView {
  bool isHeader = false;
  bool hasValue = false;
  std::string_view name;  // of the section for a header, else of the key
  std::string_view value;
};

// A section header's name, when the line is one. Only a line whose first
// character after the blanks is "[" is read further, so that a search for a
// section passes over long key lines without reading them through.
std::optional<std::string_view> HeaderName(std::string_view text) {
  const std::string_view line = TrimStart(text);
  if (line.empty() || line.front() != '[') return std::nullopt;
  // The blanks at the line's end hold no "]", so its first "]" is the same
  // with or without them.
  const size_t close = FindChar(line.substr(1), ']');
  if (close == std::string_view::npos) return std::nullopt;
  return line.substr(1, close);
}

LineView View(std::string_view text) {
  LineView view;
  if (const auto header = HeaderName(text)) {
    view.isHeader = true;
    view.name = *header;
    return view;
  }
  const std::string_view line = Trim(text);
  const size_t equals = FindChar(line, '=');
  view.hasValue = equals != std::string_view::npos;
  view.name = view.hasValue ? Trim(line.substr(0, equals)) : line;
  if (view.hasValue) view.value = TrimStart(line.substr(equals + 1));
  return view;
}

// The first line end of a run of them.
std::string FirstBreak(const std::string& run) {
  if (run.compare(0, 2, "\r\n") == 0) return "\r\n";
  return run.substr(0, 1);
}

}  // namespace

IniText::IniText(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    bom_ = kUtf8Mark;
    bytes.remove_prefix(kUtf8Mark.size());
  }
  bool breakSeen = false;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t textEnd = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
    size_t end = textEnd;
    while (end < bytes.size() && (bytes[end] == '\r' || bytes[end] == '\n')) ++end;
    lines_.push_back(
        {std::string(bytes.substr(pos, textEnd - pos)), std::string(bytes.substr(textEnd, end - textEnd))});
    if (!breakSeen && end > textEnd) {
      lineBreak_ = FirstBreak(lines_.back().end);
      breakSeen = true;
    }
    pos = end;
  }
}

std::string IniText::Bytes() const {
  size_t size = bom_.size();
  for (const Line& line : lines_) size += line.text.size() + line.end.size();
  std::string bytes;
  bytes.reserve(size);
  bytes += bom_;
  for (const Line& line : lines_) {
    bytes += line.text;
    bytes += line.end;
  }
  return bytes;
}

size_t IniText::FindSection(std::string_view section) const {
  section = Trim(section);
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = HeaderName(lines_[i].text);
    if (name && SameName(*name, section)) return i;
  }
  return std::string::npos;
}

size_t IniText::SectionEnd(size_t header) const {
  size_t i = header + 1;
  while (i < lines_.size() && !HeaderName(lines_[i].text)) ++i;
  return i;
}

size_t IniText::FindKey(size_t header, std::string_view key) const {
  key = Trim(key);
  const size_t end = SectionEnd(header);
  for (size_t i = header + 1; i < end; ++i) {
    if (SameName(View(lines_[i].text).name, key)) return i;
  }
  return std::string::npos;
}

std::string IniText::Read(std::string_view section, std::string_view key, std::string_view defaultValue,
                          size_t maxBytes) const {
  std::string_view value = defaultValue;
  const size_t header = FindSection(section);
  const size_t line = header == std::string::npos ? header : FindKey(header, key);
  if (line != std::string::npos) {
    const LineView view = View(lines_[line].text);
    if (view.hasValue) value = view.value;
  }
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(CutAtCharBoundary(value, maxBytes));
}

std::vector<std::string> IniText::Section(std::string_view section) const {
  std::vector<std::string> lines;
  const size_t header = FindSection(section);
  if (header == std::string::npos) return lines;
  const size_t end = SectionEnd(header);
  for (size_t i = header + 1; i < end; ++i) {
    const LineView view = View(lines_[i].text);
    if ((view.name.empty() && !view.hasValue) || (!view.name.empty() && view.name.front() == ';')) continue;
    lines.push_back(view.hasValue ? std::string(view.name) + "=" + std::string(view.value) : std::string(view.name));
  }
  return lines;
}

void IniText::InsertLines(size_t at, std::vector<std::string> texts) {
  if (texts.empty()) return;
  std::vector<Line> added;
  for (std::string& text : texts) added.push_back({std::move(text), lineBreak_});
  if (at > 0) {
    Line& before = lines_[at - 1];
    added.back().end = before.end;
    before.end = before.end.empty() ? lineBreak_ : FirstBreak(before.end);
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
}

void IniText::SetKey(std::string_view section, std::string_view key, std::string_view value) {
  key = Trim(key);
  value = TrimStart(value);
  const size_t header = FindSection(section);
  if (header == std::string::npos) {
    InsertLines(lines_.size(), {"[" + std::string(Trim(section)) + "]", std::string(key) + "=" + std::string(value)});
    return;
  }
  const size_t line = FindKey(header, key);
  if (line == std::string::npos) {
    InsertLines(SectionEnd(header), {std::string(key) + "=" + std::string(value)});
    return;
  }
  const LineView view = View(lines_[line].text);
  if (view.hasValue && view.value == value) return;
  lines_[line].text = std::string(view.name) + "=" + std::string(value);
}

void IniText::Apply(const ProfileChange& change) {
  switch (change.type) {
    case ProfileChange::Kind::kKeys:
      for (const auto& [key, value] : change.values) SetKey(change.section, key, value);
      return;
    case ProfileChange::Kind::kRemoveSection: {
      const size_t header = FindSection(change.section);
      if (header == std::string::npos) return;
      lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                   lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
      return;
    }
    case ProfileChange::Kind::kSection: {
      // As WritePrivateProfileSectionA: lines without "=" are left out,
      // names and values lose their blanks.
      std::vector<std::string> texts;
      for (const std::string& line : change.lines) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string_view text(line);
        texts.push_back(std::string(Trim(text.substr(0, equals))) + "=" +
                        std::string(TrimStart(text.substr(equals + 1))));
      }
      size_t header = FindSection(change.section);
      if (header == std::string::npos) {
        header = lines_.size();
        InsertLines(header, {"[" + std::string(Trim(change.section)) + "]"});
      }
      const size_t end = SectionEnd(header);
      if (end > header + 1) {
        // The body's last line end (with the blank lines before the next
        // section, or none at the end of the file) passes to the header and
        // from there to the new last line.
        lines_[header].end = lines_[end - 1].end;
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header + 1),
                     lines_.begin() + static_cast<std::ptrdiff_t>(end));
      }
      InsertLines(header + 1, std::move(texts));
      return;
    }
  }
}

}  // namespace zettrella
