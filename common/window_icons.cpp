// The small-icon rule of the programs' windows.
#include "common/window_icons.h"

namespace zettrella {

UniqueIcon LoadSmallIcon(HINSTANCE instance, int resourceId) {
  return UniqueIcon(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
}

void SetCaptionIcons(HWND window, HICON big, HICON small) {
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  HICON caption = GetSystemMetrics(SM_CYSMICON) >= 32 ? big : small;
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(caption));
}

}  // namespace zettrella
