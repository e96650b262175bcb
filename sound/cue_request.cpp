#include "sound/cue_request.h"

#include <fstream>

namespace zarvona {

CueRequest resolveCue(std::string_view fileName, std::string_view directory)
{
    std::string path(directory);
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += fileName;
    // Readable means it opens and holds at least one byte; the service judges the rest.
    std::ifstream file(path, std::ios::binary);
    if (fileName.empty() || !file || file.peek() == std::ifstream::traits_type::eof())
        return bellRequest();
    return {path, false};
}

CueRequest bellRequest() { return {{}, true}; }

} // namespace zarvona
