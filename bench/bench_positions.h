// The positions the search benchmarks start from: the initial one and a few middle games.
#pragma once

inline const char* const BenchPositions[] = {
    "W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12",
    "W:W13,22,23,26,27,29,31,32:B1,3,4,5,6,12,14,15",
    "W:W17,18,19,21,23,25,29,30:B1,3,4,8,9,10,12,14",
    "B:W13,19,22,24,26,27,29,30,31:B1,2,3,5,6,9,10,12,20",
    "W:W17,21,22,23,25,26,27,29,30,31:B1,2,3,5,6,7,9,10,11,14",
    "B:WK5,18,22,25,26,29,31:B3,7,11,12,K28",
};
