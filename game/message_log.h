// Where a game tells the user what happens. Each message has a kind and a prefix;
// the log shows kinds from `level` up.
#pragma once

enum MessageKind {
  MsgDebug = 0,   // never shown
  MsgMove = 1,    // move lines, forced moves, draw offers
  MsgEvent = 3,   // "New game start.", "Game was canceled."
  MsgResult = 4,  // "Game draw.", "White wins!", "Black wins!"
  MsgError = 5,
};

// Prefixes of messages about one side: the label symbols of a white and a black piece.
constexpr const char* WhitePrefix = "@wc ";
constexpr const char* BlackPrefix = "@bc ";
inline const char* sidePrefix(bool black) { return black ? BlackPrefix : WhitePrefix; }

class MessageLog {
public:
  int level;

  explicit MessageLog(int level = 1) : level(level) {}
  virtual ~MessageLog() = default;
  // Shows one message; this base log discards it.
  virtual void write(int kind, const char* prefix, const char* text);

  void post(int kind, const char* prefix, const char* text);
  void postMove(const char* prefix, const char* text);
  // Formats as printf into at most 1023 characters; longer texts are cut.
  void postFormatted(const char* prefix, const char* format, ...) __attribute__((format(printf, 3, 4)));
};

// The log of a game that has none set: discards everything.
extern MessageLog SilentLog;
