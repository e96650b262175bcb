// What the Linux player actually asks the sound service for: the cue's file, found by its bare
// name in a folder (cue_locator.h says which folders), or the desktop's "bell" event when no
// folder has it.
#pragma once

#include <string>

namespace zarvona {

struct CueRequest {
    std::string path;  // absolute path of the file to play; empty for the bell
    bool bell = false; // play the desktop's "bell" event sound instead
};

inline CueRequest bellRequest() { return {{}, true}; }

} // namespace zarvona
