// Shortcut files through the shell's link object, and the small file checks
// setup makes before touching a folder.
#pragma once

namespace zettrella::setup {

// True when path names an existing file that can be opened for reading.
[[nodiscard]] bool FileCanBeRead(const char* path);

// True when a new file can be created at path; the file is deleted again at
// once. An existing file is never opened, truncated or deleted by this probe.
[[nodiscard]] bool FileCanBeCreated(const char* path);

// Saves a shell link at shortcutPath that starts targetPath with arguments
// and description; iconPath may be null (the target's own icon). True when
// the link file was saved. A target that cannot be read gives false before
// COM is touched.
bool CreateShortcut(const char* shortcutPath, const char* description, const char* targetPath, const char* arguments,
                    const char* iconPath);

}  // namespace zettrella::setup
