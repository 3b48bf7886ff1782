#include "pdn/clock_comment.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool isComment(const std::string& note) { return note.size() >= 2 && note.front() == '{' && note.back() == '}'; }

// Digits only, at most `most` of them, at least one.
bool readDigits(const std::string& text, size_t most, long& value) {
  if (text.empty() || text.size() > most) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  value = std::strtol(text.c_str(), nullptr, 10);
  return true;
}

// "0:04:57.3" into seconds.
bool readClock(const std::string& text, double& seconds) {
  const size_t first = text.find(':'), second = text.find(':', first + 1);
  if (first == std::string::npos || second == std::string::npos) return false;
  const size_t dot = text.find('.', second);
  long hours = 0, minutes = 0, whole = 0, fraction = 0;
  const std::string fractionText = dot == std::string::npos ? "" : text.substr(dot + 1);
  if (!readDigits(text.substr(0, first), 3, hours) || !readDigits(text.substr(first + 1, second - first - 1), 2, minutes) ||
      !readDigits(text.substr(second + 1, dot == std::string::npos ? std::string::npos : dot - second - 1), 2, whole) ||
      minutes > 59 || whole > 59 || (dot != std::string::npos && !readDigits(fractionText, 3, fraction)))
    return false;
  seconds = hours * 3600.0 + minutes * 60.0 + whole + fraction / std::pow(10.0, (double)fractionText.size());
  return true;
}

}  // namespace

std::string clockText(double seconds) {
  const long tenths = seconds > 0 ? (long)std::floor(seconds * 10 + 1e-6) : 0;
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%02ld:%02ld.%ld", tenths / 36000, tenths / 600 % 60, tenths / 10 % 60,
                tenths % 10);
  return text;
}

void putClockComment(PdnNotes& notes, double seconds) {
  const std::string clock = std::string(ClockMark) + clockText(seconds) + "]";
  for (std::string& note : notes) {
    if (!isComment(note)) continue;
    const size_t at = note.find(ClockMark);
    const size_t end = at == std::string::npos ? std::string::npos : note.find(']', at);
    if (end == std::string::npos) continue;
    note.replace(at, end + 1 - at, clock);
    return;
  }
  for (std::string& note : notes)
    if (isComment(note)) {
      const bool bare = note.size() == 2 || note[1] == ' ';
      note.insert(1, bare ? clock : clock + " ");
      return;
    }
  notes.insert(notes.begin(), "{" + clock + "}");
}

bool readClockComment(const PdnNotes& notes, double& seconds) {
  for (const std::string& note : notes) {
    if (!isComment(note)) continue;
    const size_t at = note.find(ClockMark);
    const size_t end = at == std::string::npos ? std::string::npos : note.find(']', at);
    if (end == std::string::npos) continue;
    const size_t from = at + std::strlen(ClockMark);
    if (readClock(note.substr(from, end - from), seconds)) return true;
  }
  return false;
}
