#include "engine/square_names.h"
#include <cctype>

const char SquareNames[32][3] = {
    "A1", "C1", "E1", "G1", "B2", "D2", "F2", "H2", "A3", "C3", "E3", "G3", "B4", "D4", "F4", "H4",
    "A5", "C5", "E5", "G5", "B6", "D6", "F6", "H6", "A7", "C7", "E7", "G7", "B8", "D8", "F8", "H8"};

namespace {

bool isSquare(int square) { return square >= 0 && square < 32; }

}  // namespace

int fileOfSquare(int square) { return 2 * (square % 4) + (square / 4) % 2; }
int rankOfSquare(int square) { return square / 4; }

int darkSquareAt(int file, int rank) {
  if (file < 0 || file > 7 || rank < 0 || rank > 7 || (file + rank) % 2 != 0) return -1;
  return rank * 4 + file / 2;
}

std::string squareName(int square) {
  return std::string(1, char('a' + fileOfSquare(square))) + char('1' + rankOfSquare(square));
}

int squareFromName(char file, char rank) {
  // Anything but a-h (either case) and 1-8 falls outside 0..7 and gives -1.
  return darkSquareAt(std::tolower((unsigned char)file) - 'a', rank - '1');
}

int squareFromPdn(int number) {
  if (number < 1 || number > 32) return -1;
  return 4 * (7 - (number - 1) / 4) + (number - 1) % 4;
}

int pdnFromSquare(int square) { return isSquare(square) ? 4 * (7 - square / 4) + square % 4 + 1 : 0; }
