// Where a game tells the user what happens. Each line is plain data: its kind, the side it is
// about, the move and how it was chosen; ui/ draws it and the engine tool prints it.
// The log shows kinds from `level` up.
#pragma once
#include <cstdint>
#include <string>
#include "engine/movelist.h"
#include "search/evaluation.h"

enum MessageKind {
  MsgDebug = 0,   // never shown
  MsgMove = 1,    // move lines, forced moves, draw offers
  MsgEvent = 3,   // "New game start.", "Game was canceled."
  MsgResult = 4,  // "Game draw.", "White wins!", "Black wins!"
  MsgError = 5,
};

// What a line reports.
enum class LineTopic : uint8_t {
  Text,          // an event, a result or an error, in `text`
  ForcedMove,    // the side's only legal move
  BookMove,      // taken from the opening book
  DatabaseMove,  // decided by the end-game database
  SearchedMove,  // chosen by a search, with its figures
  DrawOffer,     // the side offered a draw; `accepted` is the other side's answer
  Resignation,   // the side gave the game up
  LostOnTime,    // the side's clock ran out
};

// The figures of a searched move.
struct SearchFigures {
  Score eval = 0;
  double seconds = 0;
  int depth = 0;             // the last depth searched over every root move
  bool partial = false;      // the time ran out during the next depth...
  int movesAtNextDepth = 0;  // ...after this many of the root moves
  int rootMoves = 0;
  Evaluation evaluation = Evaluation::Material;  // what judged it; the material count shows whole men
};

struct LogLine {
  MessageKind kind = MsgEvent;
  LineTopic topic = LineTopic::Text;
  bool white = true;  // the side that moved or offered
  Move move;
  SearchFigures search;
  bool accepted = false;
  std::string level;  // a computer's decision at a level other than classic: the level's name
  std::string text;
};

// Texts longer than this are cut.
constexpr size_t MaxLogTextLength = 1023;

LogLine textLine(MessageKind kind, const char* text);
LogLine moveLine(LineTopic topic, bool white, const Move& move, const SearchFigures& search = {});
LogLine drawOfferLine(bool white, bool accepted);
LogLine resignationLine(bool white);
LogLine lostOnTimeLine(bool white);

class MessageLog {
public:
  int level;

  explicit MessageLog(int level = 1) : level(level) {}
  virtual ~MessageLog() = default;
  // Shows one line; this base log discards it.
  virtual void write(const LogLine& line);

  void post(const LogLine& line);
  void post(MessageKind kind, const char* text) { post(textLine(kind, text)); }
};

// The log of a game that has none set: discards everything.
extern MessageLog SilentLog;
