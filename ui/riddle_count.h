// How many riddles the book holds. Everything that depends on it (the catalogue table, the build
// tool that compiles catalogue.json, the number list's items and the counter's wrap) takes it from
// here, so a book of another size either builds and works everywhere or fails to build.
#pragma once

namespace zarvona {

inline constexpr int RiddleCount = 100;

} // namespace zarvona
