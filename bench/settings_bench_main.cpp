// Loading and saving settings files of 1,000, 10,000 and 100,000 lines through the
// settings document: time and the most heap held at once, and how both grow with the
// number of lines.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "heap_meter.h"
#include "result_row.h"
#include "settings/mem_ini_file.h"
#include "settings_samples.h"

namespace tonquil::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kSizes[] = {1000, 10000, 100000};  // the middle one is reported
// Linear growth keeps the cost per line, quadratic growth makes it 100 times larger
// from 1,000 to 100,000 lines. At 100,000 lines the document (35 MB of heap) no longer
// fits the caches, which alone doubles the cost per line of these single-pass loops;
// linear is therefore taken as at most three times the cost per line.
constexpr double kLinearBound = 3.0;
// Each round loads and saves every size once, so that a busy moment hits all sizes.
constexpr int kRounds = 15;
constexpr std::u16string_view kPath = u"Tonquil.ini";

double Ms(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

double Fastest(const std::vector<double>& samples) {
  return *std::min_element(samples.begin(), samples.end());
}

struct Figures {
  explicit Figures(std::size_t line_count)
      : lines(line_count), store(SettingsFileBytes(line_count)), file_bytes(store.file_size()) {}
  std::size_t lines;
  MemoryFileStore store;
  std::size_t file_bytes;
  std::vector<double> loads;
  std::vector<double> saves;
  double load_peak = 0;  // heap bytes beyond what was held before the load
  double save_peak = 0;
  double load_ms() const { return Fastest(loads); }
  double save_ms() const { return Fastest(saves); }
};

// Measures one load and one save; false when the document did not hold the file.
bool LoadAndSave(Figures& figures) {
  ResetHeapPeak();
  const std::size_t before_load = HeapLiveBytes();
  const Clock::time_point load_start = Clock::now();
  TMemIniFile ini(figures.store, std::u16string(kPath));
  figures.loads.push_back(Ms(Clock::now() - load_start));
  figures.load_peak = std::max(figures.load_peak, static_cast<double>(HeapPeakBytes() - before_load));
  const std::u16string last = ini.ReadString(LastSection(figures.lines), LastKey(figures.lines), u"");
  if (last != LastValue(figures.lines)) return false;

  ini.WriteString(u"Option", u"ComPort", u"COM3");
  ResetHeapPeak();
  const std::size_t before_save = HeapLiveBytes();
  const Clock::time_point save_start = Clock::now();
  ini.UpdateFile();
  figures.saves.push_back(Ms(Clock::now() - save_start));
  figures.save_peak = std::max(figures.save_peak, static_cast<double>(HeapPeakBytes() - before_save));
  return figures.store.saved_bytes() > figures.file_bytes;
}

// How much more one line costs in the largest file than in the smallest.
double PerLineGrowth(const std::vector<Figures>& all, double (*figure)(const Figures&)) {
  const Figures& small = all.front();
  const Figures& large = all.back();
  return (figure(large) / static_cast<double>(large.lines)) / (figure(small) / static_cast<double>(small.lines));
}

double LoadTime(const Figures& f) { return f.load_ms(); }
double SaveTime(const Figures& f) { return f.save_ms(); }
double LoadHeap(const Figures& f) { return f.load_peak; }
double SaveHeap(const Figures& f) { return f.save_peak; }

std::string Kib(double bytes) { return Fixed(bytes / 1024, 0) + " KiB"; }

// "a/b/c" for the three sizes.
std::string EachSize(const std::vector<Figures>& all, double (*figure)(const Figures&), double scale,
                     int decimals) {
  std::string text;
  for (const Figures& f : all) {
    if (!text.empty()) text += "/";
    text += Fixed(figure(f) * scale / static_cast<double>(f.lines), decimals);
  }
  return text;
}

void PrintRows(const std::vector<Figures>& all) {
  const double load_time = PerLineGrowth(all, LoadTime);
  const double save_time = PerLineGrowth(all, SaveTime);
  const double load_heap = PerLineGrowth(all, LoadHeap);
  const double save_heap = PerLineGrowth(all, SaveHeap);
  const Figures& reported = all[1];
  const std::string how = "native TMemIniFile, in-memory FileStore, counting operator new; fastest of " +
                          std::to_string(kRounds) + " interleaved; file " +
                          Kib(static_cast<double>(reported.file_bytes));
  PrintRow({"Settings load, 10,000 lines",
            Fixed(reported.load_ms(), 2) + " ms, peak heap " + Kib(reported.load_peak), "linear in lines",
            load_time <= kLinearBound && load_heap <= kLinearBound, how});
  PrintRow({"Settings save, 10,000 lines",
            Fixed(reported.save_ms(), 2) + " ms, peak heap " + Kib(reported.save_peak), "linear in lines",
            save_time <= kLinearBound && save_heap <= kLinearBound, how});
  const std::string target = "<= " + Fixed(kLinearBound, 1) + " (1 linear, 100 quadratic)";
  PrintRow({"Settings per-line time 100k:1k, load / save", Fixed(load_time, 2) + " / " + Fixed(save_time, 2),
            target, load_time <= kLinearBound && save_time <= kLinearBound,
            "us/line 1k/10k/100k: load " + EachSize(all, LoadTime, 1000, 3) + ", save " +
                EachSize(all, SaveTime, 1000, 3)});
  PrintRow({"Settings per-line peak heap 100k:1k, load / save", Fixed(load_heap, 2) + " / " + Fixed(save_heap, 2),
            target, load_heap <= kLinearBound && save_heap <= kLinearBound,
            "bytes/line 1k/10k/100k: load " + EachSize(all, LoadHeap, 1, 0) + ", save " +
                EachSize(all, SaveHeap, 1, 0)});
}

}  // namespace
}  // namespace tonquil::bench

int main() {
  using namespace tonquil::bench;
  std::vector<Figures> all;
  for (std::size_t lines : kSizes) all.emplace_back(lines);
  for (int round = 0; round < kRounds; ++round) {
    for (Figures& figures : all) {
      if (!LoadAndSave(figures)) {
        std::fprintf(stderr, "tqbench_settings: the %zu-line file did not load and save whole\n", figures.lines);
        return 1;
      }
    }
  }
  PrintRows(all);
  return 0;
}
