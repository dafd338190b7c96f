// file_names.h -- paths written for Windows, found on a system whose file names are exact.
#pragma once

#include <string>

// The file that `path` names as Windows would find it: a backslash is a folder separator, and each part
// of the path matches a name in its folder whatever the letter case, and whatever the spaces,
// underscores and accents that the configuration reader folds away ("mesimages\fond2.bmp" finds
// "Mes Images/Fond2.bmp"). A part that matches nothing is kept as written, so the path still names no
// file. When several names match, the first in byte order is taken.
std::string findWindowsPath(const char* path);

// Where a path read from the game's files is found on this system: findWindowsPath on Linux, the path
// itself on Windows. Supplied by the platform.
std::string hostPath(const char* path);
