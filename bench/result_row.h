#pragma once
// One line of the benchmark table as the measuring programs print it on stdout:
// "ROW", then figure, measured value, target, verdict and how it was measured,
// separated by tabs. scripts/bench.sh gathers these lines into its table.
#include <string>
#include <vector>

namespace tonquil::bench {

struct ResultRow {
  std::string figure;
  std::string measured;
  std::string target;
  bool meets = false;
  std::string how;
};

void PrintRow(const ResultRow& row);

// The value with a fixed number of decimals.
std::string Fixed(double value, int decimals);

double Median(std::vector<double> samples);
double Largest(const std::vector<double>& samples);

}  // namespace tonquil::bench
