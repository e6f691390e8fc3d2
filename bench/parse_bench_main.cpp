// The report parser's throughput on a 4 KiB reply as a status refresh gets it and on a
// 1 MiB reply of mixed lines, through a display that does nothing: the cost of the
// parser and the 8-bit decoding alone.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "device/reply_parser.h"
#include "null_display.h"
#include "reply_samples.h"
#include "result_row.h"

namespace tonquil::bench {
namespace {

constexpr double kLeastMBPerSecond = 100;
constexpr std::size_t kSmall = 4 * 1024;
constexpr std::size_t kLarge = 1024 * 1024;
constexpr const char* kSmallName = "refresh_4KiB";
constexpr const char* kLargeName = "mixed_1MiB";
constexpr int kRepetitions = 15;
constexpr double kMinSecondsPerRepetition = 0.1;

void ParseOnce(benchmark::State& state, const std::string& reply) {
  const Latin1Decoder decoder;
  NullDisplay display;
  const ReportTargets targets = display.Targets();
  for (auto _ : state) {
    ParseReply(reply, decoder, targets);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(reply.size()));
}

// Keeps the median bytes per second of each benchmark and shows nothing.
class MedianRates : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context&) override { return true; }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
      const auto rate = run.counters.find("bytes_per_second");
      if (rate != run.counters.end()) rates_[run.run_name.function_name] = rate->second.value;
    }
  }
  std::optional<double> Rate(const std::string& name) const {
    const auto found = rates_.find(name);
    if (found == rates_.end()) return std::nullopt;
    return found->second;
  }

 private:
  std::map<std::string, double> rates_;
};

void Register(const char* name, std::string reply) {
  benchmark::RegisterBenchmark(name, [reply](benchmark::State& state) { ParseOnce(state, reply); })
      ->Repetitions(kRepetitions)
      ->MinTime(kMinSecondsPerRepetition)
      ->ReportAggregatesOnly(true);
}

struct Rates {
  double small;
  double large;
};

// Both benchmarks, their repetitions shuffled together so that a load on the machine
// falls on both alike.
std::optional<Rates> RunBoth() {
  MedianRates reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter, "^(" + std::string(kSmallName) + "|" + kLargeName + ")/");
  const std::optional<double> small = reporter.Rate(kSmallName);
  const std::optional<double> large = reporter.Rate(kLargeName);
  if (!small || !large) return std::nullopt;
  return Rates{*small, *large};
}

std::string RateText(double bytes_per_second) { return Fixed(bytes_per_second / 1e6, 0) + " MB/s"; }

void PrintRows(const Rates& rates) {
  const std::string how = "native -O3, Google Benchmark, median of " + std::to_string(kRepetitions) +
                          " interleaved, null display, Latin-1 decoder";
  const std::string least = ">= " + Fixed(kLeastMBPerSecond, 0) + " MB/s";
  const std::string same_per_byte = ">= 1.00 (no slower per byte)";
  const double least_rate = kLeastMBPerSecond * 1e6;
  PrintRow({"ParseReply, 4 KiB refresh reply", RateText(rates.small), least, rates.small >= least_rate, how});
  PrintRow({"ParseReply, 1 MiB mixed reply", RateText(rates.large), least, rates.large >= least_rate, how});
  const double ratio = rates.large / rates.small;
  PrintRow({"ParseReply per-byte speed, 1 MiB : 4 KiB", Fixed(ratio, 2), same_per_byte, ratio >= 1.0,
            "ratio of the two rates above"});
}

}  // namespace
}  // namespace tonquil::bench

int main(int argc, char** argv) {
  using namespace tonquil::bench;
  std::vector<char*> args(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  int arg_count = static_cast<int>(args.size());
  benchmark::Initialize(&arg_count, args.data());
  Register(kSmallName, RefreshReply(kSmall));
  Register(kLargeName, MixedReply(kLarge));
  const std::optional<Rates> rates = RunBoth();
  benchmark::Shutdown();
  if (!rates) {
    std::fprintf(stderr, "tqbench_parse: a benchmark gave no rate\n");
    return 1;
  }
  PrintRows(*rates);
  return 0;
}
