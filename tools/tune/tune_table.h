// The weights table as the build reads it (search/eval_weights.h): written from fitted
// weights with a comment naming the command that made it, and read back.
#pragma once
#include <cstdint>
#include <string>
#include "search/positional_eval.h"

// The short name of a feature on the command line ("men", "back-guard") and its comment in the table.
const char* featureKey(int feature);
const char* featureComment(int feature);
// The feature of a short name, or -1.
int featureOfKey(const std::string& key);

// The whole header file; `notes` are comment lines (without "//") placed at its top.
std::string weightsHeader(const int16_t weights[EvalFeatureCount], const std::string& notes);
// The weights of a header as weightsHeader writes it; false with a reason when the text holds
// no table of exactly EvalFeatureCount integers that fit 16 bits.
bool readWeightsHeader(const std::string& text, int16_t weights[EvalFeatureCount], std::string& error);
