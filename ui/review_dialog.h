// Game > Review game...: the time the review searches each position, one of a few offered.
#pragma once
#include <memory>

class Fl_Window;

// Shows the offered times with the last one chosen selected; true with the chosen time in
// `seconds`, kept for the next time, when the user starts the review.
bool runReviewDialog(double& seconds);
// The dialog built but neither shown nor run: its texts can be read.
std::unique_ptr<Fl_Window> makeReviewDialog();
