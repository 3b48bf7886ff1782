#include "search/search_plan.h"
#include <algorithm>

double planSeconds(const SearchPlan& plan, double seconds) {
  const double scaled = seconds * plan.timeFactor;
  return plan.maxSeconds > 0 ? std::min(scaled, plan.maxSeconds) : scaled;
}
