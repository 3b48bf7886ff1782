#include "game/message_log.h"
#include <cstdarg>
#include <cstdio>

MessageLog SilentLog(1);

void MessageLog::write(int, const char*, const char*) {}

void MessageLog::post(int kind, const char* prefix, const char* text) {
  if (kind < level) return;
  write(kind, prefix, text);
}

void MessageLog::postMove(const char* prefix, const char* text) {
  if (level <= MsgMove) write(MsgMove, prefix, text);
}

void MessageLog::postFormatted(const char* prefix, const char* format, ...) {
  if (level > MsgMove) return;
  char text[1024];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  write(MsgMove, prefix, text);
}
