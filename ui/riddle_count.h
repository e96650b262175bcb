// How many riddles the book holds. Everything that depends on it (the catalogue table, the build
// tool that compiles catalogue.json, the number list's items and the counter's wrap) takes it from
// here, so a book of another size either builds and works everywhere or fails to build.
#pragma once

namespace zarvona {

inline constexpr int RiddleCount = 100;

// Where a step wraps: Next (+1) from the last riddle goes to 1, Back (-1) from 1 to the last.
struct Wrap {
    int at, to;
};
constexpr Wrap wrapOf(int direction)
{
    return direction > 0 ? Wrap{RiddleCount, 1} : Wrap{1, RiddleCount};
}

} // namespace zarvona
