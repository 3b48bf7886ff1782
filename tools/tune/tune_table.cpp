#include "tools/tune/tune_table.h"
#include <cctype>
#include <cstdlib>
#include <sstream>

namespace {

struct FeatureNames {
  const char* key;
  const char* comment;
};

const FeatureNames Names[EvalFeatureCount] = {
    {"men", "men"},
    {"kings", "kings"},
    {"tempo", "tempo"},
    {"seventh-row", "men one step from crowning"},
    {"centre", "centre"},
    {"near-centre", "near the centre"},
    {"back-guard", "back-row guard"},
    {"back-corner", "back-row corners"},
    {"blocked-men", "blocked men"},
    {"hanging-pieces", "hanging pieces"},
    {"runaways", "runaways"},
    {"king-mobility", "king mobility"},
    {"trapped-kings", "trapped kings"},
    {"wing-imbalance", "wing imbalance"},
    {"exchange", "exchange when ahead"},
};

constexpr const char* TableStart = "EvalWeights[EvalFeatureCount] = {";

// The text with every comment replaced by a space, so that numbers inside comments are not read.
std::string withoutComments(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "//") == 0) {
      while (i < text.size() && text[i] != '\n') ++i;
      out += '\n';
    } else if (text.compare(i, 2, "/*") == 0) {
      const size_t end = text.find("*/", i + 2);
      i = end == std::string::npos ? text.size() : end + 1;
      out += ' ';
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

const char* featureKey(int feature) { return Names[feature].key; }
const char* featureComment(int feature) { return Names[feature].comment; }

int featureOfKey(const std::string& key) {
  for (int j = 0; j < EvalFeatureCount; ++j)
    if (key == Names[j].key) return j;
  return -1;
}

std::string weightsHeader(const int16_t weights[EvalFeatureCount], const std::string& notes) {
  std::ostringstream out;
  out << "// The weights of the positional evaluation, in EvalFeature order (a man is about 100).\n";
  std::istringstream lines(notes);
  for (std::string line; std::getline(lines, line);) out << "// " << line << "\n";
  out << "#pragma once\n#include <cstdint>\n#include \"search/positional_eval.h\"\n\n";
  out << "constexpr int16_t " << TableStart << "\n";
  for (int j = 0; j < EvalFeatureCount; ++j) {
    const std::string value = std::to_string(weights[j]) + ",";
    out << "    " << value << std::string(value.size() < 6 ? 6 - value.size() : 1, ' ') << "// " << Names[j].comment
        << "\n";
  }
  out << "};\n";
  return out.str();
}

bool readWeightsHeader(const std::string& text, int16_t weights[EvalFeatureCount], std::string& error) {
  const std::string code = withoutComments(text);
  const size_t start = code.find(TableStart);
  if (start == std::string::npos) {
    error = "no EvalWeights table";
    return false;
  }
  const size_t end = code.find("};", start);
  if (end == std::string::npos) {
    error = "the EvalWeights table does not end";
    return false;
  }
  const size_t first = start + std::string(TableStart).size();
  std::istringstream items(code.substr(first, end - first));
  int count = 0;
  bool ended = false;  // an empty item may only follow the last comma
  for (std::string item; std::getline(items, item, ',');) {
    if (ended) {
      error = "an empty weight";
      return false;
    }
    const size_t from = item.find_first_not_of(" \t\r\n");
    if (from == std::string::npos) {
      ended = true;
      continue;
    }
    item = item.substr(from, item.find_last_not_of(" \t\r\n") - from + 1);
    char* rest = nullptr;
    const long value = std::strtol(item.c_str(), &rest, 10);
    if (*rest != '\0' || value < INT16_MIN || value > INT16_MAX || !(std::isdigit((unsigned char)item.back()))) {
      error = "weight '" + item + "' is not a 16-bit integer";
      return false;
    }
    if (count == EvalFeatureCount) {
      error = "more than " + std::to_string(EvalFeatureCount) + " weights";
      return false;
    }
    weights[count++] = (int16_t)value;
  }
  if (count != EvalFeatureCount) {
    error = std::to_string(count) + " weights where " + std::to_string(EvalFeatureCount) + " are needed";
    return false;
  }
  return true;
}
