#pragma once

// Which image bytes a parameter file carries, listed by hand from the field
// tables so that the reader and writer are checked against an independent list.

#include <cstddef>

namespace korvane::model::test {

// Carried: the block-1 fields except 101, 106, 111 (TypeFlag), 126
// (TypeConstant), 148 and 157..189; the curves and axes 220..384; the maps
// 400..1149. The header 0..99 and 1150..1199 are never carried.
[[nodiscard]] inline bool CarriedByFile(std::size_t offset)
{
    if (offset >= 100 && offset <= 156) {
        return offset != 101 && offset != 106 && offset != 111 && offset != 126 && offset != 148;
    }
    return (offset >= 190 && offset <= 199) || (offset >= 220 && offset <= 384) ||
           (offset >= 400 && offset <= 1149);
}

}  // namespace korvane::model::test
