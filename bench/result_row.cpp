#include "result_row.h"

#include <algorithm>
#include <cstdio>

namespace tonquil::bench {

void PrintRow(const ResultRow& row) {
  std::printf("ROW\t%s\t%s\t%s\t%s\t%s\n", row.figure.c_str(), row.measured.c_str(), row.target.c_str(),
              row.meets ? "meets" : "misses", row.how.c_str());
  std::fflush(stdout);
}

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

double Median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
  std::nth_element(samples.begin(), middle, samples.end());
  if (samples.size() % 2 == 1) return *middle;
  return (*middle + *std::max_element(samples.begin(), middle)) / 2;
}

double Largest(const std::vector<double>& samples) {
  return samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end());
}

}  // namespace tonquil::bench
