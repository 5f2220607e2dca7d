// The text of a profile (INI) file, held line by line exactly as it lies on
// the disk, read and changed the way the Windows profile functions read and
// change it. The settings file is written from this: the program knows the
// bytes it means to write before it writes them, and can check them after.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "notes/model/pending_changes.h"

namespace zettrella {

class IniText {
 public:
  IniText() = default;
  // Any bytes are taken: a line the profile functions would skip is kept as
  // it is, and so are line ends (CR LF, LF, CR, blank lines) and a last line
  // without one.
  explicit IniText(std::string_view bytes);

  // The file's bytes. A text that no change touched gives back exactly the
  // bytes it was made from.
  std::string Bytes() const;

  // The value of key in the first section of that name (both names in any
  // ASCII case), as GetPrivateProfileStringA gives it: blanks at its ends
  // and matching quotes around it dropped, cut to maxBytes without splitting
  // a two-byte character; defaultValue when section or key is missing.
  std::string Read(std::string_view section, std::string_view key, std::string_view defaultValue,
                   size_t maxBytes) const;
  // The lines of the first section of that name, as GetPrivateProfileSectionA
  // gives them: "key=value" or the bare line, without comments.
  std::vector<std::string> Section(std::string_view section) const;

  // Makes the change as the profile functions make it on a file: keys are
  // set in the first section of that name (added at its end, or in a new
  // section at the end of the file); a section is replaced or removed in
  // its first occurrence only, so that a second section of the same name
  // (pasted from another file) keeps its notes. Lines the change does not
  // touch stay byte for byte.
  void Apply(const ProfileChange& change);

 private:
  struct Line {
    std::string text;  // without its line end
    std::string end;   // the CR and LF bytes after it, blank lines included
  };
  // Index of the header line of the first section named so, or npos.
  size_t FindSection(std::string_view section) const;
  // Index of the line after the last line of the section whose header is at
  // index header (the next header or the end).
  size_t SectionEnd(size_t header) const;
  size_t FindKey(size_t header, std::string_view key) const;
  // Inserts lines at index at: they take over the line end of the line
  // before (so a last line without one stays without), which gets a plain one.
  void InsertLines(size_t at, std::vector<std::string> texts);
  void SetKey(std::string_view section, std::string_view key, std::string_view value);

  std::string bom_;  // a UTF-8 byte order mark before the first line
  std::vector<Line> lines_;
  std::string lineBreak_ = "\r\n";  // the file's own, for new lines
};

}  // namespace zettrella
