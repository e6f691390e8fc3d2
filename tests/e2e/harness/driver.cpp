#include "driver.h"

#include <stdexcept>

#include "wine_env.h"

namespace tonquil::e2e {
namespace {

constexpr int kDriverNotFound = 2;

std::string Describe(const std::vector<std::string>& args) {
  std::string text = "tqdriver";
  for (const std::string& arg : args) text += " " + arg;
  return text;
}

std::runtime_error Failed(const std::vector<std::string>& args, const DriverRun& run) {
  return std::runtime_error(Describe(args) + " failed with exit code " +
                            std::to_string(run.exit_code) + ": " + run.err);
}

// For the commands whose "not found" answer (exit code 2) is a result, not a failure.
int CheckedExitCode(const std::vector<std::string>& args, const DriverRun& run) {
  if (run.exit_code != 0 && run.exit_code != kDriverNotFound) throw Failed(args, run);
  return run.exit_code;
}

}  // namespace

const Record& WindowDump::At(const std::string& kind, int x, int y) const {
  for (const Record& control : controls) {
    const Rect rect = control.RectOf("rect");
    if (control.Text("kind") == kind && rect.x == x && rect.y == y) return control;
  }
  throw std::runtime_error("no " + kind + " at " + std::to_string(x) + ", " + std::to_string(y) +
                           " in " + window.Text("class"));
}

const Record& WindowDump::AtAny(int x, int y) const {
  for (const Record& control : controls) {
    const Rect rect = control.RectOf("rect");
    if (rect.x == x && rect.y == y) return control;
  }
  throw std::runtime_error("no control at " + std::to_string(x) + ", " + std::to_string(y) +
                           " in " + window.Text("class"));
}

const Record& WindowDump::WithText(const std::string& text) const {
  for (const Record& control : controls) {
    if (control.Text("text") == text) return control;
  }
  throw std::runtime_error("no control with the text \"" + text + "\" in " + window.Text("class"));
}

DriverRun Driver::Try(const std::vector<std::string>& args, milliseconds timeout) {
  const CommandResult result = RunCaptured(WineCommand(DriverExePath(), args), timeout);
  if (result.exit_code < 0) throw std::runtime_error(Describe(args) + " timed out");
  return DriverRun{result.exit_code, ParseRecords(result.out), result.err};
}

std::vector<Record> Driver::Run(const std::vector<std::string>& args, milliseconds timeout) {
  DriverRun run = Try(args, timeout);
  if (run.exit_code != 0) throw Failed(args, run);
  return std::move(run.records);
}

bool Driver::WaitWindow(const std::string& window_class, const std::string& state, int timeout_ms) {
  const std::vector<std::string> args = {"wait", window_class, std::to_string(timeout_ms), state};
  return CheckedExitCode(args, Try(args, milliseconds(timeout_ms + 20000))) == 0;
}

WindowDump Driver::Dump(const std::string& window_class) {
  std::vector<Record> records = Run({"dump", window_class});
  if (records.empty() || records.front().kind() != "window") {
    throw std::runtime_error("tqdriver dump " + window_class + " printed no window record");
  }
  WindowDump dump{records.front(), {}};
  dump.controls.assign(records.begin() + 1, records.end());
  return dump;
}

Record Driver::Rect(const std::string& window_class) {
  return Run({"rect", window_class}).at(0);
}

bool Driver::Click(const std::string& window_class, const std::string& control) {
  const std::vector<std::string> args = {"click", window_class, control};
  return CheckedExitCode(args, Try(args)) == 0;
}

bool Driver::PostClick(const std::string& window_class, const std::string& control) {
  const std::vector<std::string> args = {"post-click", window_class, control};
  return CheckedExitCode(args, Try(args)) == 0;
}

}  // namespace tonquil::e2e
