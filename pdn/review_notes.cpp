#include "pdn/review_notes.h"
#include "pdn/clock_comment.h"
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace {

constexpr size_t LongestReviewComment = 160;
constexpr size_t LongestClockComment = 40;  // a longer one is not taken into the review's

// A comment whose end is the review's part, after an optional clock: group 1 the clock with
// its brackets, group 2 the evaluation, group 3 the best move.
const std::regex& reviewComment() {
  static const std::regex pattern(R"(^\{\s*(\[%clk [^\]]*\])?\s*([+-]\d{1,3}\.\d\d|0\.00|[+-]#\d{1,4}) best ([A-Ha-h1-8x\-0-9]+)\s*\}$)");
  return pattern;
}

bool isReviewNag(const std::string& note) { return note == "$6" || note == "$2" || note == "$4"; }

// The index of the note that is a review's comment, or -1.
int reviewCommentIndex(const PdnNotes& notes, std::smatch* match = nullptr) {
  for (size_t i = 0; i < notes.size(); ++i) {
    // The review's comment is short; a long one is the file's own, and is not handed to the
    // pattern matcher, whose depth grows with the text.
    if (notes[i].size() > LongestReviewComment || notes[i].empty() || notes[i][0] != '{') continue;
    std::smatch found;
    if (std::regex_match(notes[i], found, reviewComment())) {
      if (match) *match = found;
      return (int)i;
    }
  }
  return -1;
}

// The index of a short comment that holds a clock and no review, or -1.
int clockCommentIndex(const PdnNotes& notes) {
  const std::string opening = std::string("{") + ClockMark;
  for (size_t i = 0; i < notes.size(); ++i) {
    const std::string& note = notes[i];
    if (note.size() <= LongestClockComment && note.rfind(opening, 0) == 0 && note.find('}') == note.size() - 1 &&
        note.find(']') != std::string::npos && note.find(" best ") == std::string::npos)
      return (int)i;
  }
  return -1;
}

std::string evaluationText(const ReviewNote& note) {
  if (note.exactMoves == 0) return valueText(note.value);
  char text[32];
  std::snprintf(text, sizeof text, "%c#%d", note.exactMoves > 0 ? '+' : '-', std::abs(note.exactMoves));
  return text;
}

}  // namespace

std::string valueText(int value) {
  if (value == 0) return "0.00";
  char text[32];
  std::snprintf(text, sizeof text, "%c%d.%02d", value > 0 ? '+' : '-', std::abs(value) / 100, std::abs(value) % 100);
  return text;
}

std::string reviewCommentText(const ReviewNote& note) { return evaluationText(note) + " best " + note.best; }

std::string moveComment(const std::string& clock, const std::string& review) {
  std::string inside = clock;
  if (!review.empty()) inside += (inside.empty() ? "" : " ") + review;
  return "{" + inside + "}";
}

void clearReviewNote(PdnNotes& notes) {
  std::smatch match;
  int index = reviewCommentIndex(notes, &match);
  if (index < 0) return;
  const std::string clock = match[1].str();
  if (clock.empty())
    notes.erase(notes.begin() + index);
  else
    notes[index] = moveComment(clock, "");
  if (index > 0 && isReviewNag(notes[index - 1])) notes.erase(notes.begin() + index - 1);
}

void setReviewNote(PdnNotes& notes, const ReviewNote& note) {
  clearReviewNote(notes);
  // The review goes first, its NAG just before its comment, so that a NAG of the file's own
  // never stands where the review's would.
  std::string clock;
  const int clockIndex = clockCommentIndex(notes);
  if (clockIndex >= 0) {
    clock = notes[clockIndex].substr(1, notes[clockIndex].size() - 2);
    notes.erase(notes.begin() + clockIndex);
  }
  notes.insert(notes.begin(), moveComment(clock, reviewCommentText(note)));
  if (note.nag) notes.insert(notes.begin(), "$" + std::to_string(note.nag));
}

bool readReviewNote(const PdnNotes& notes, ReviewNote& note) {
  std::smatch match;
  const int index = reviewCommentIndex(notes, &match);
  if (index < 0) return false;
  note = ReviewNote();
  const std::string value = match[2].str();
  if (value.size() > 1 && value[1] == '#') {
    note.exactMoves = std::atoi(value.c_str() + 2) * (value[0] == '-' ? -1 : 1);
  } else {
    const size_t dot = value.find('.');
    const int men = std::atoi(value.substr(value[0] == '+' || value[0] == '-' ? 1 : 0, dot).c_str());
    const int hundredths = std::atoi(value.substr(dot + 1).c_str());
    note.value = (men * 100 + hundredths) * (value[0] == '-' ? -1 : 1);
  }
  note.best = match[3].str();
  if (index > 0 && isReviewNag(notes[index - 1])) note.nag = std::atoi(notes[index - 1].c_str() + 1);
  return true;
}
