// Game > Review game...: the time the review searches each position, one of a few offered.
#pragma once

// Shows the offered times with the last one chosen selected; true with the chosen time in
// `seconds`, kept for the next time, when the user starts the review.
bool runReviewDialog(double& seconds);
