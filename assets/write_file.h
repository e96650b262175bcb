// Writes a generated asset's bytes to a file in one go; shared by the asset generators.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

inline bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}
