#include "tonquil_app.h"

#include <filesystem>

#include "utf16_file.h"
#include "wine_env.h"

namespace tonquil::e2e {

namespace {
constexpr int kCrashExitCode = 5;  // an unhandled exception with no debugger set
}

TonquilRun::TonquilRun(const std::string& exe, const std::string& log_path, const std::vector<std::string>& args)
    : log_path_(log_path), process_(WineCommand(exe, args), log_path) {}

std::string TonquilRun::Log() const {
  return ReadWholeFile(log_path_);
}

std::string TonquilRun::CrashReport() {
  const std::string log = Log();
  for (const char* report : {"Unhandled page fault", "Unhandled exception"}) {
    const size_t found = log.find(report);
    if (found != std::string::npos) return log.substr(found, log.find('\n', found) - found);
  }
  const std::optional<int> exit_code = process_.WaitExit(milliseconds(0));
  if (exit_code == kCrashExitCode) return "exit code 5 (unhandled exception)";
  return "";
}

TonquilApp::TonquilApp(const TempDir& folder) : folder_(folder), exe_(folder.File("Tonquil.exe")) {
  std::filesystem::copy_file(TonquilExePath(), exe_);
}

std::string TonquilApp::IniPath() const {
  return folder_.File("Tonquil.ini");
}

void TonquilApp::WriteIni(const std::string& utf8_text) const {
  WriteWholeFile(IniPath(), Utf16FileBytes(utf8_text));
}

std::string TonquilApp::IniBytes() const {
  return ReadWholeFile(IniPath());
}

bool TonquilApp::IniExists() const {
  return std::filesystem::exists(IniPath());
}

TonquilRun& TonquilApp::Launch(const std::vector<std::string>& args) {
  const std::string log = folder_.File("run" + std::to_string(runs_.size() + 1) + ".log");
  runs_.push_back(std::make_unique<TonquilRun>(exe_, log, args));
  return *runs_.back();
}

CommandResult TonquilApp::RunToEnd(const std::vector<std::string>& args) {
  return RunCaptured(WineCommand(exe_, args), milliseconds(30000));
}

}  // namespace tonquil::e2e
