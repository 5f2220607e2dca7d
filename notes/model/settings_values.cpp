// Settings value conversions.
#include "notes/model/settings_values.h"

#include "common/ascii.h"
#include "common/decimal.h"
#include "common/mbcs.h"

namespace zettrella {

int32_t ParseOnOff(std::string_view value) { return EqualsIgnoringAsciiCase(value, "On"); }

int32_t ParseFlag(std::string_view value) { return ParseDecimal(value) == 1 ? 1 : 0; }

int32_t ParseAsterNum(std::string_view value) {
  const int32_t n = ParseDecimal(value);
  return n < 1 ? 1 : n;
}

std::string TextFromStored(std::string_view stored) {
  std::string text;
  text.reserve(stored.size());
  for (size_t i = 0; i < stored.size();) {
    const bool lineBreak = stored.compare(i, 2, "\\n") == 0;
    const size_t length = lineBreak ? 2 : CharLengthAt(stored, i);
    text.append(lineBreak ? std::string_view("\r\n") : stored.substr(i, length));
    i += length;
  }
  return text;
}

std::string NormaliseLineBreaks(std::string_view text) {
  std::string normal;
  normal.reserve(text.size());
  // CR and LF are never the second byte of a two-byte character, so a walk
  // over single bytes finds every break.
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      normal += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      normal += text[i];
    }
  }
  return normal;
}

std::string TextToStored(std::string_view text) {
  const std::string normal = NormaliseLineBreaks(text);
  std::string_view cut = CutAtCharBoundary(normal, kMaxStoredTextBytes);
  // A cut between CR and LF would leave a lone CR behind.
  if (!cut.empty() && cut.back() == '\r') cut.remove_suffix(1);
  // Every CR here is followed by its LF, and neither is ever the second byte
  // of a two-byte character.
  std::string stored(cut);
  for (size_t i = stored.find('\r'); i != std::string::npos; i = stored.find('\r', i + 2)) stored.replace(i, 2, "\\n");
  return stored;
}

std::string ProfileValue(std::string value) {
  auto blank = [](char c) { return (c >= '\t' && c <= '\r') || c == '\x1A' || c == ' '; };
  const bool quoted =
      value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  if (!value.empty() && (quoted || blank(value.front()) || blank(value.back()))) value = '"' + value + '"';
  return value;
}

std::string SingleLine(std::string_view value) { return std::string(value.substr(0, value.find_first_of("\r\n"))); }

std::string LimitStoredText(std::string_view value) {
  return std::string(CutAtCharBoundary(value, kMaxStoredTextBytes));
}

}  // namespace zettrella
