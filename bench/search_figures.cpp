#include <stdlib.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "device/module_search.h"
#include "link_figures.h"
#include "result_row.h"
#include "timed_action.h"

namespace tonquil::bench {
namespace {

constexpr int kEmptySearches = 20;
constexpr int kFoundSearches = 3;
constexpr double kEmptySearchBudgetMs = 50;

class YesPrompt : public SearchPrompt {
 public:
  bool ConfirmSearch() override { return true; }
  void ReportFound(const std::u16string&) override {}
  void ReportNotFound() override {}
};

class EmptyFolder {
 public:
  EmptyFolder() {
    char pattern[] = "/tmp/tqbench-ports-XXXXXX";
    if (::mkdtemp(pattern) != nullptr) path_ = pattern;
  }
  EmptyFolder(const EmptyFolder&) = delete;
  EmptyFolder& operator=(const EmptyFolder&) = delete;
  ~EmptyFolder() {
    if (!path_.empty()) ::rmdir(path_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

void EmptySearchRow(SearchPrompt& prompt, const std::string& empty_dir) {
  PosixCommApi no_ports(empty_dir);
  PortLink probe(no_ports);
  std::vector<double> times;
  bool found_any = false;
  for (int i = 0; i < kEmptySearches; ++i) {
    const Timed timed =
        TimeWithPauses(no_ports, [&] { found_any |= SearchForModule(probe, u"", prompt).has_value(); });
    times.push_back(timed.wall_ms);
  }
  PrintRow({"Search COM1-COM50, none exists, median/worst of " + std::to_string(kEmptySearches),
            Fixed(Median(times), 3) + " / " + Fixed(Largest(times), 3) + " ms",
            "< " + Fixed(kEmptySearchBudgetMs, 0) + " ms", !found_any && Largest(times) < kEmptySearchBudgetMs,
            "native core, POSIX CommApi over an empty device folder"});
}

// COM1 and COM2 do not exist, so the search opens COM3 first: one probe, three pauses.
void FoundSearchRow(SearchPrompt& prompt, const std::string& ports_dir) {
  PosixCommApi ports(ports_dir);
  PortLink probe(ports);
  std::vector<double> times;
  std::vector<double> cores;
  bool always_com3 = true;
  unsigned pauses = 0;
  for (int i = 0; i < kFoundSearches; ++i) {
    std::optional<std::u16string> found;
    const Timed timed = TimeWithPauses(ports, [&] { found = SearchForModule(probe, u"", prompt); });
    times.push_back(timed.wall_ms);
    cores.push_back(timed.core_ms());
    always_com3 &= found == std::u16string(u"COM3");
    pauses = timed.pauses;
  }
  PrintRow({"Search with the emulator on COM3 only, median of " + std::to_string(kFoundSearches),
            Fixed(Median(times), 1) + " ms: " + std::to_string(pauses) + " pauses, core " +
                Fixed(Largest(cores), 1) + " ms" + (always_com3 ? "" : ", COM3 not found"),
            "about 300 ms: 3 pauses + < " + Fixed(kEmptySearchBudgetMs, 0) + " ms, finds COM3",
            always_com3 && pauses == 3 && Largest(cores) < kEmptySearchBudgetMs,
            "native core, emulator; wall incl. pauses"});
}

}  // namespace

bool SearchFigures(const std::string& ports_dir) {
  YesPrompt prompt;
  EmptyFolder empty;
  if (empty.path().empty()) return false;
  EmptySearchRow(prompt, empty.path());
  FoundSearchRow(prompt, ports_dir);
  return true;
}

}  // namespace tonquil::bench
