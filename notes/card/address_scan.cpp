// Scanning a note's text for web addresses.
#include "notes/card/address_scan.h"

#include "common/mbcs.h"

namespace zettrella {

namespace {

constexpr std::string_view kPrefixes[] = {"http://", "https://", "ttp://", "ttps://"};

bool StartsAddress(std::string_view rest) {
  for (std::string_view prefix : kPrefixes) {
    if (rest.substr(0, prefix.size()) == prefix) return true;
  }
  return false;
}

bool EndsAddress(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || IsLeadByte(c); }

}  // namespace

std::vector<std::string_view> FindAddresses(std::string_view text) {
  std::vector<std::string_view> found;
  size_t i = 0;
  while (i < text.size() && found.size() < static_cast<size_t>(kMaxAddresses)) {
    if (IsLeadByte(text[i])) {
      i += CharLengthAt(text, i);
      continue;
    }
    if (!StartsAddress(text.substr(i))) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < text.size() && !EndsAddress(text[end])) ++end;
    found.push_back(text.substr(i, end - i));
    // Behind the character that ended the address: a two-byte character is
    // stepped over whole, so its second byte is never taken for the start
    // of the next character.
    i = end < text.size() ? end + CharLengthAt(text, end) : end;
  }
  return found;
}

}  // namespace zettrella
