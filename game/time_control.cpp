#include "game/time_control.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A plain decimal number ("300", "0.1") and nothing else.
bool readNumber(const std::string& text, double& value) {
  if (text.empty() || text.size() > 16) return false;
  for (char c : text)
    if (!(c >= '0' && c <= '9') && c != '.') return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size() && std::isfinite(value);
}

std::string numberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

}  // namespace

std::string timeControlText(const TimeControl& control) {
  if (!control.onClock()) return "-";
  std::string text = numberText(control.gameSeconds);
  if (control.increment > 0) text += "+" + numberText(control.increment);
  return text;
}

bool parseTimeControl(const std::string& text, TimeControl& control) {
  if (text.empty() || text == "-") {
    control = TimeControl{};
    return true;
  }
  const size_t plus = text.find('+');
  TimeControl read;
  if (!readNumber(text.substr(0, plus), read.gameSeconds)) return false;
  if (plus != std::string::npos && !readNumber(text.substr(plus + 1), read.increment)) return false;
  if (read.gameSeconds <= 0 || read.gameSeconds > MaxClockSeconds || read.increment > MaxIncrementSeconds)
    return false;
  control = read;
  return true;
}
