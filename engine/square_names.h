// Names and numbers of the 32 dark squares. Bit k (A1 = 0 .. H8 = 31) lies on rank k / 4 + 1;
// the dark squares of ranks 1, 3, 5, 7 are in files a, c, e, g, those of ranks 2, 4, 6, 8 in b, d, f, h.
// Numbers as PDN writes them run from Black's side: 1 = B8 .. 4 = H8, 29 = A1 .. 32 = G1.
#pragma once
#include <string>

extern const char SquareNames[32][3];  // "A1" .. "H8", as the board and the move list show them

int fileOfSquare(int square);              // 0 = file a .. 7 = file h
int rankOfSquare(int square);              // 0 = rank 1 .. 7 = rank 8
int darkSquareAt(int file, int rank);      // the square in a file and rank; -1 on a light square or off the board
std::string squareName(int square);        // "c3"
int squareFromName(char file, char rank);  // "c3" or "C3"; -1 when that is no dark square
int squareFromPdn(int number);             // 1..32 -> square; -1 outside 1..32
int pdnFromSquare(int square);             // square -> 1..32; 0 for no square
