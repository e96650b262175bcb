// Where a cue's file is found. The current directory comes first (where a program run from its
// build folder finds its cues); then the
// data folder installed with the program, found from the program's own folder (../share/zarvona),
// so a launcher needs no working directory of its own. Only a regular file that holds at least
// one byte counts, and that is judged by its directory entry alone: opening a FIFO or a device
// could block the sound thread for ever, so such a file counts as missing. Where no folder has
// the cue, the desktop's "bell" event is asked for instead. On Windows the program's own folder
// holds the cues (systemCueName).
#pragma once

#include "sound/cue_request.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zarvona {

// The folders to look in, in order: the current directory, then the data folder beside the
// program's folder. An empty executable folder (unknown) leaves the current directory alone.
std::vector<std::string> cueFolders(const std::string& currentDirectory,
                                    const std::string& executableDirectory);

// A regular file holding at least one byte, judged without opening it.
bool isPlayableFile(const std::filesystem::path& path);

CueRequest locateCue(std::string_view fileName, const std::vector<std::string>& folders);

// What the Windows player hands the system's call: the bare name where the current directory has
// the cue (the call finds it there itself), else the cue's file in the program's own folder (a
// program started from another folder, or by a shortcut with none), else the bare name again, for
// which the system plays its default sound.
std::filesystem::path systemCueName(std::string_view fileName,
                                    const std::filesystem::path& programFolder);

// The running program's folder, or empty where the platform cannot say.
std::string executableDirectory();

// The process's current directory, or "." where it cannot be read.
std::string currentDirectory();

} // namespace zarvona
