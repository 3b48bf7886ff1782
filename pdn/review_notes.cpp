#include "pdn/review_notes.h"
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace {

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
    std::smatch found;
    if (std::regex_match(notes[i], found, reviewComment())) {
      if (match) *match = found;
      return (int)i;
    }
  }
  return -1;
}

int clockCommentIndex(const PdnNotes& notes) {
  for (size_t i = 0; i < notes.size(); ++i)
    if (notes[i].rfind("{[%clk ", 0) == 0 && notes[i].find('}') == notes[i].size() - 1 &&
        notes[i].find(']') != std::string::npos && notes[i].find(" best ") == std::string::npos)
      return (int)i;
  return -1;
}

std::string evaluationText(const ReviewNote& note) {
  char text[32];
  if (note.exactMoves != 0)
    std::snprintf(text, sizeof text, "%c#%d", note.exactMoves > 0 ? '+' : '-', std::abs(note.exactMoves));
  else if (note.value == 0)
    return "0.00";
  else
    std::snprintf(text, sizeof text, "%c%d.%02d", note.value > 0 ? '+' : '-', std::abs(note.value) / 100,
                  std::abs(note.value) % 100);
  return text;
}

}  // namespace

std::string reviewCommentText(const ReviewNote& note) { return evaluationText(note) + " best " + note.best; }

std::string moveComment(const std::string& clock, const std::string& review) {
  std::string inside = clock;
  if (!review.empty()) inside += (inside.empty() ? "" : " ") + review;
  return "{" + inside + "}";
}

void clearReviewNote(PdnNotes& notes) {
  std::smatch match;
  const int index = reviewCommentIndex(notes, &match);
  if (index < 0) return;
  const std::string clock = match[1].str();
  if (clock.empty())
    notes.erase(notes.begin() + index);
  else
    notes[index] = moveComment(clock, "");
  for (size_t i = 0; i < notes.size();)
    if (isReviewNag(notes[i]))
      notes.erase(notes.begin() + i);
    else
      ++i;
}

void setReviewNote(PdnNotes& notes, const ReviewNote& note) {
  clearReviewNote(notes);
  const std::string review = reviewCommentText(note);
  const int clock = clockCommentIndex(notes);
  if (clock >= 0)
    notes[clock] = moveComment(notes[clock].substr(1, notes[clock].size() - 2), review);
  else
    notes.push_back(moveComment("", review));
  if (note.nag) notes.insert(notes.begin(), "$" + std::to_string(note.nag));
}

bool readReviewNote(const PdnNotes& notes, ReviewNote& note) {
  std::smatch match;
  if (reviewCommentIndex(notes, &match) < 0) return false;
  note = ReviewNote();
  const std::string value = match[2].str();
  if (value.size() > 1 && value[1] == '#') {
    note.exactMoves = std::atoi(value.c_str() + 2) * (value[0] == '-' ? -1 : 1);
    note.value = 0;
  } else {
    const size_t dot = value.find('.');
    const int men = std::atoi(value.substr(value[0] == '+' || value[0] == '-' ? 1 : 0, dot).c_str());
    const int hundredths = std::atoi(value.substr(dot + 1).c_str());
    note.value = (men * 100 + hundredths) * (value[0] == '-' ? -1 : 1);
  }
  note.best = match[3].str();
  for (const std::string& n : notes)
    if (isReviewNag(n)) note.nag = std::atoi(n.c_str() + 1);
  return true;
}
