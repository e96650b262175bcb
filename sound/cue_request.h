// What the Linux player actually asks the sound service for: the cue's file, found by its bare
// name in a folder (cue_locator.h says which folders), or the desktop's "bell" event when no
// folder has it.
#pragma once

#include <string>
#include <string_view>

namespace zarvona {

struct CueRequest {
    std::string path;  // absolute path of the file to play; empty for the bell
    bool bell = false; // play the desktop's "bell" event sound instead
};

CueRequest resolveCue(std::string_view fileName, std::string_view directory);

CueRequest bellRequest();

} // namespace zarvona
