// Text conversions of the edit dialog.
#include "notes/dialogs/edit_values.h"

#include "common/mbcs.h"
#include "notes/model/settings_values.h"

namespace zettrella {

std::string TextForEditBox(std::string_view text) {
  std::string shown(text);
  if (shown.size() > 2 && shown[shown.size() - 2] != '\r') shown += "\r\n";
  return shown;
}

std::string TextFromEditBox(std::string_view edited) {
  // Lone CRs and LFs (pasted from another program) become CR LF, as they
  // come back from the settings file.
  const std::string normal = NormaliseLineBreaks(edited);
  // A plain byte cut could keep the first byte of a two-byte character,
  // which would then swallow whatever follows it when the note is shown.
  std::string_view kept = CutAtCharBoundary(normal, kMaxStoredTextBytes);
  while (!kept.empty() && (kept.back() == '\r' || kept.back() == '\n')) kept.remove_suffix(1);
  return std::string(kept);
}

}  // namespace zettrella
