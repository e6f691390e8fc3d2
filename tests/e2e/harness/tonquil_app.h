#pragma once
// Tonquil.exe copied into a test's own folder, so that its settings file Tonquil.ini
// lies beside it where the test can prepare and read it, and started there under Wine.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "temp_dir.h"

namespace tonquil::e2e {

inline const std::string kMainClass = "TTNQL_MAIN";
inline const std::string kOptionClass = "TTNQL_OPTION";

// One start of the program; its stdout and stderr (Wine's included) go to a log file.
class TonquilRun {
 public:
  TonquilRun(const std::string& exe, const std::string& log_path, const std::vector<std::string>& args = {});
  std::optional<int> WaitExit(milliseconds timeout) { return process_.WaitExit(timeout); }
  bool Running() { return process_.Running(); }
  void Kill() { process_.Stop(milliseconds(0)); }
  std::string Log() const;
  // Why this run counts as crashed (exit code 5, or Wine's report of an unhandled
  // exception); empty when it did not.
  std::string CrashReport();

 private:
  std::string log_path_;
  ChildProcess process_;
};

class TonquilApp {
 public:
  explicit TonquilApp(const TempDir& folder);

  std::string ExePath() const { return exe_; }
  std::string IniPath() const;
  // Writes the settings file as the program writes it: FF FE, then UTF-16LE.
  void WriteIni(const std::string& utf8_text) const;
  std::string IniBytes() const;
  bool IniExists() const;

  TonquilRun& Launch(const std::vector<std::string>& args = {});
  // A start that runs to its end (a command start), its output captured.
  CommandResult RunToEnd(const std::vector<std::string>& args);
  std::vector<std::unique_ptr<TonquilRun>>& runs() { return runs_; }

 private:
  const TempDir& folder_;
  std::string exe_;
  std::vector<std::unique_ptr<TonquilRun>> runs_;
};

}  // namespace tonquil::e2e
