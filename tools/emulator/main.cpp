// zorva-emu: the sound module on a pseudo-terminal, for running the program without
// the hardware. See kUsage in options.cpp for the command line and the commands.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "byte_log.h"
#include "demo_library.h"
#include "library.h"
#include "module.h"
#include "options.h"
#include "pty_link.h"
#include "serve_loop.h"
#include "signal_source.h"

namespace {

using namespace tonquil::emu;

int MakeDemo(const std::string& dir) {
  const std::size_t count = WriteDemoLibrary(dir);
  std::cout << "wrote " << count << " files below " << dir << std::endl;
  return 0;
}

Library LoadSongs(const Options& options) {
  LibraryLoad load = options.library.empty() ? LibraryFromFiles(DemoFiles())
                                             : LoadLibrary(options.library);
  for (const std::string& warning : load.warnings) {
    std::cerr << "zorva-emu: skipped " << warning << '\n';
  }
  if (load.library.empty()) std::cerr << "zorva-emu: the library holds no songs\n";
  return std::move(load.library);
}

int Serve(const Options& options) {
  Module module(LoadSongs(options));
  ByteLog log = options.log.empty() ? ByteLog() : ByteLog(options.log);
  // Signals are caught before the link exists, so a stop right after "ready" still
  // removes it.
  SignalSource signals;
  PtyLink link(options.link);
  ServeLoop loop(options, module, link.master(), signals, log);
  std::cout << "ready " << link.slave_path() << std::endl;
  loop.Run();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedOptions parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.options) {
    std::cerr << "zorva-emu: " << parsed.error << "\n(zorva-emu --help shows the usage)\n";
    return 2;
  }
  const Options& options = *parsed.options;
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }
  try {
    return options.make_demo.empty() ? Serve(options) : MakeDemo(options.make_demo);
  } catch (const std::exception& error) {
    std::cerr << "zorva-emu: " << error.what() << '\n';
    return 1;
  }
}
