#include <cstdio>
#include <string>
#include <vector>

#include "device/command_set.h"
#include "device/exchange.h"
#include "link_figures.h"
#include "null_display.h"
#include "result_row.h"
#include "timed_action.h"

namespace tonquil::bench {
namespace {

constexpr int kExchanges = 100;
constexpr int kRefreshes = 3;
constexpr double kExchangeBudgetMs = 2;
constexpr double kPauseMs = PortLink::kPauseMs;

// The status queries in turn, as the refresh sends them.
bool ExchangeCostRows(const PosixCommApi& api, Exchange& exchange) {
  std::vector<double> costs;
  std::vector<double> cpu;
  unsigned pauses = 0;
  for (int i = 0; i < kExchanges; ++i) {
    const std::size_t turn = static_cast<std::size_t>(i) % command::kStatusQueries.size();
    const Timed timed = TimeWithPauses(api, [&] { exchange.SendCommand(command::kStatusQueries[turn]); });
    costs.push_back(timed.core_ms());
    cpu.push_back(timed.cpu_ms);
    pauses += timed.pauses;
  }
  const unsigned replies = pauses - kExchanges;  // a read that found bytes pauses too
  if (replies == 0) {
    std::fprintf(stderr, "tqbench_link: the emulator on com3 sent no reply\n");
    return false;
  }
  const std::string budget = "<= " + Fixed(kExchangeBudgetMs, 0) + " ms";
  PrintRow({"Exchange cost beyond pauses, median/worst of " + std::to_string(kExchanges),
            Fixed(Median(costs), 3) + " / " + Fixed(Largest(costs), 3) + " ms", budget,
            Largest(costs) <= kExchangeBudgetMs,
            "native core, POSIX pty CommApi, emulator; wall minus time slept; " + std::to_string(replies) +
                " replies"});
  PrintRow({"  same, processor time of the thread", Fixed(Median(cpu), 3) + " / " + Fixed(Largest(cpu), 3) + " ms",
            budget, Largest(cpu) <= kExchangeBudgetMs, "CLOCK_THREAD_CPUTIME_ID outside the pauses"});
  return true;
}

void RefreshRow(const PosixCommApi& api, Exchange& exchange) {
  std::vector<double> walls;
  std::vector<double> cores;
  unsigned pauses = 0;
  for (int i = 0; i < kRefreshes; ++i) {
    const Timed timed = TimeWithPauses(api, [&] { exchange.RefreshStatus(); });
    walls.push_back(timed.wall_ms);
    cores.push_back(timed.core_ms());
    pauses = timed.pauses;
  }
  const double nominal = pauses * kPauseMs;
  const double core_budget = static_cast<double>(command::kStatusQueries.size()) * kExchangeBudgetMs;
  PrintRow({"Status refresh (7 queries), median of " + std::to_string(kRefreshes),
            Fixed(Median(walls), 1) + " ms: " + std::to_string(pauses) + " pauses, core " +
                Fixed(Largest(cores), 1) + " ms",
            "700-1400 ms of pauses + <= " + Fixed(core_budget, 0) + " ms",
            nominal >= 7 * kPauseMs && nominal <= 14 * kPauseMs && Largest(cores) <= core_budget,
            "native core, emulator; wall incl. pauses; the rest is sleep overshoot"});
}

}  // namespace

bool ExchangeFigures(const std::string& ports_dir) {
  PosixCommApi api(ports_dir);
  PortLink link(api);
  if (!link.OpenPort(u"COM3")) {
    std::fprintf(stderr, "tqbench_link: cannot open %s/com3\n", ports_dir.c_str());
    return false;
  }
  const Latin1Decoder decoder;
  NullDisplay display;
  Exchange exchange(link, decoder, display.Targets());
  if (!ExchangeCostRows(api, exchange)) return false;
  RefreshRow(api, exchange);
  link.ClosePort();
  return true;
}

}  // namespace tonquil::bench
