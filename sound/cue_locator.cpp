#include "sound/cue_locator.h"

#include <filesystem>
#include <system_error>

namespace zarvona {

namespace fs = std::filesystem;

std::vector<std::string> cueFolders(const std::string& currentDirectory,
                                    const std::string& executableDirectory)
{
    std::vector<std::string> folders{currentDirectory};
    if (!executableDirectory.empty())
        folders.push_back((fs::path(executableDirectory) / ".." / "share" / "zarvona")
                              .lexically_normal()
                              .string());
    return folders;
}

bool isPlayableFile(const fs::path& path)
{
    std::error_code error;
    // status() asks for the entry (following links) and never opens the file itself.
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status))
        return false;
    const std::uintmax_t size = fs::file_size(path, error);
    return !error && size > 0;
}

CueRequest locateCue(std::string_view fileName, const std::vector<std::string>& folders)
{
    if (fileName.empty())
        return bellRequest();
    for (const std::string& folder : folders) {
        std::string path = folder;
        if (!path.empty() && path.back() != '/')
            path += '/';
        path += fileName;
        if (isPlayableFile(path))
            return {path, false};
    }
    return bellRequest();
}

fs::path systemCueName(std::string_view fileName, const fs::path& programFolder)
{
    const fs::path bare(fileName);
    if (isPlayableFile(bare) || programFolder.empty())
        return bare;
    fs::path beside = programFolder / bare;
    return isPlayableFile(beside) ? beside : bare;
}

std::string executableDirectory()
{
    std::error_code error;
#ifdef __linux__
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        return program.parent_path().string();
#endif
    return {};
}

std::string currentDirectory()
{
    std::error_code error;
    const fs::path here = fs::current_path(error);
    return error ? std::string(".") : here.string();
}

} // namespace zarvona
