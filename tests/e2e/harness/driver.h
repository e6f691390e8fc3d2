#pragma once
// tqdriver.exe run under Wine, one command a call, its records parsed.
#include <string>
#include <vector>

#include "child_process.h"
#include "records.h"

namespace tonquil::e2e {

// The top-level window and its controls, as the dump command lists them.
struct WindowDump {
  Record window;
  std::vector<Record> controls;

  // The control of that kind ("button", "label", "edit", ...) whose top-left corner is at
  // x, y of the window's client area; fails when there is none.
  const Record& At(const std::string& kind, int x, int y) const;
  // Any control whose top-left corner is at x, y.
  const Record& AtAny(int x, int y) const;
  const Record& WithText(const std::string& text) const;
};

struct DriverRun {
  int exit_code = -1;
  std::vector<Record> records;
  std::string err;
};

class Driver {
 public:
  // Any exit code; the caller judges it.
  DriverRun Try(const std::vector<std::string>& args, milliseconds timeout = milliseconds(40000));
  // Fails (throws) unless the command succeeded.
  std::vector<Record> Run(const std::vector<std::string>& args,
                          milliseconds timeout = milliseconds(40000));

  bool WaitWindow(const std::string& window_class, const std::string& state, int timeout_ms);
  WindowDump Dump(const std::string& window_class);
  Record Rect(const std::string& window_class);
  // Whether the control could be clicked; the click returns once its handler has run.
  bool Click(const std::string& window_class, const std::string& control);
  bool PostClick(const std::string& window_class, const std::string& control);
};

}  // namespace tonquil::e2e
