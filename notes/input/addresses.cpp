// Scanning a note's text for web addresses.
#include "notes/input/addresses.h"

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

void ExtractAddresses(std::string_view text, AddressItems* items) {
  items->fill(std::string());
  int found = 0;
  size_t i = 0;
  while (i < text.size() && found < kAddressItemCount) {
    if (IsLeadByte(text[i])) {
      i += 2;
      continue;
    }
    if (!StartsAddress(text.substr(i))) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < text.size() && !EndsAddress(text[end])) ++end;
    std::string address(text.substr(i, end - i));
    if (address.front() == 't') address.insert(address.begin(), 'h');
    (*items)[static_cast<size_t>(found++)] = std::move(address);
    // Behind the character that ended the address: a two-byte character is
    // stepped over whole, so its second byte is never taken for the start
    // of the next character.
    i = end < text.size() ? end + CharLengthAt(text, end) : end;
  }
}

std::string AddressMenuLabel(std::string_view address) {
  std::string label;
  label.reserve(address.size());
  for (char c : address) {
    if (c == '&') label += '&';
    label += c;
  }
  return label;
}

}  // namespace zettrella
