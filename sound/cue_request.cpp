#include "sound/cue_request.h"

#include "sound/cue_locator.h"

namespace zarvona {

CueRequest resolveCue(std::string_view fileName, std::string_view directory)
{
    return locateCue(fileName, {std::string(directory)});
}

CueRequest bellRequest() { return {{}, true}; }

} // namespace zarvona
