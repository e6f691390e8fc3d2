#include "options.h"

#include <cstdlib>
#include <functional>
#include <map>

namespace tonquil::emu {

const char kUsage[] = R"(usage: zorva-emu --link PATH [options]
       zorva-emu --make-demo DIR
       zorva-emu --help

Plays the sound module on a pseudo-terminal. --link PATH makes PATH a symlink to
the terminal (for Wine: $WINEPREFIX/dosdevices/comN), prints "ready <tty>" once it
exists, and serves until SIGTERM or SIGINT, then removes the link.

  --library DIR       songs: the *.s98 files of each subfolder of DIR, in name
                      order (default: the built-in demo library)
  --make-demo DIR     write the demo library below DIR and exit
  --log FILE          append one line per read from the line: milliseconds since
                      start, then the bytes in hex ("1234 63")
  --state FILE        after every command, rewrite FILE with the state as
                      key=value lines (UTF-8)
Faults (they combine):
  --delay-ms N        send each reply N ms after its command
  --split N           send replies in pieces of N bytes, 5 ms apart
  --cut N             send the first N bytes of each reply at once and hold the
                      rest back until the next command comes, then send it first
  --lfcr              end lines with LF CR instead of CR LF
  --nul               put a zero byte after the first line of each reply
  --silent            read and log, but never send anything
  --unprompted-ms N   every N ms move to the next song by itself and report it
                      (SIGUSR1 does so once, at once)
  --burst BYTES       follow the reply to the first "P" with BYTES bytes of
                      extra console lines (suffix K or M for KiB or MiB)

Commands (one byte each; others are ignored). Replies are code page 932 text,
lines ended by CR LF:
  c x     next / previous song (across folders, wrapping)  PlayFile : <dir>/<file>
  v z     next / previous folder (wrapping), first song    PlayFile : <dir>/<file>
  b       play / stop                                      Playing | Stopped
  p       pause / resume (nothing while stopped)           Paused | Playing | Stopped
  s t     next speed (1x 2x 4x 0.5x) / show it             PlaySpeed : <speed>
  l L     next loop count (1 2 3 4 Inf) / show it          LoopCount : <count>
  r R     next repeat mode (None One All Dir) / show it    Repeat : <mode>
  S       play state                                       Playing | Paused | Stopped
  P       song report                                      PlayFile : <dir>/<file>
                                                           TAG : [S98]
                                                           <key>=<value> per tag
                                                           (empty line)
  T       play time                                        PlayTime : mm:ss / mm:ss
  @       firmware                                         ===== Firmware Information =====
                                                           Version, Build, Board, ...
                                                           (empty line)
  !       reset: first song, stopped, defaults             boot banner, then Stopped
  *       presence probe                                   OK
)";

namespace {

bool ParseCount(const std::string& text, std::size_t& value) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return false;
  char* end = nullptr;
  const unsigned long long number = std::strtoull(text.c_str(), &end, 10);
  std::size_t scale = 1;
  if (*end == 'K' || *end == 'k') {
    scale = 1024;
    ++end;
  } else if (*end == 'M' || *end == 'm') {
    scale = 1024 * 1024;
    ++end;
  }
  if (*end != '\0' || number > (std::size_t{1} << 40)) return false;
  value = static_cast<std::size_t>(number) * scale;
  return true;
}

bool ParseMs(const std::string& text, int& value) {
  std::size_t number = 0;
  if (!ParseCount(text, number) || number > 3600 * 1000) return false;
  value = static_cast<int>(number);
  return true;
}

using ValueSetter = std::function<bool(Options&, const std::string&)>;

const std::map<std::string, ValueSetter>& ValueOptions() {
  static const std::map<std::string, ValueSetter> options = {
      {"--link", [](Options& o, const std::string& v) { o.link = v; return !v.empty(); }},
      {"--library", [](Options& o, const std::string& v) { o.library = v; return !v.empty(); }},
      {"--make-demo", [](Options& o, const std::string& v) { o.make_demo = v; return !v.empty(); }},
      {"--log", [](Options& o, const std::string& v) { o.log = v; return !v.empty(); }},
      {"--state", [](Options& o, const std::string& v) { o.state = v; return !v.empty(); }},
      {"--delay-ms", [](Options& o, const std::string& v) { return ParseMs(v, o.delay_ms); }},
      {"--unprompted-ms",
       [](Options& o, const std::string& v) { return ParseMs(v, o.unprompted_ms); }},
      {"--split", [](Options& o, const std::string& v) { return ParseCount(v, o.shape.split); }},
      {"--cut", [](Options& o, const std::string& v) { return ParseCount(v, o.shape.cut); }},
      {"--burst", [](Options& o, const std::string& v) { return ParseCount(v, o.burst); }},
  };
  return options;
}

bool SetFlag(Options& options, const std::string& name) {
  if (name == "--lfcr") options.shape.lf_cr = true;
  else if (name == "--nul") options.shape.nul = true;
  else if (name == "--silent") options.silent = true;
  else if (name == "--help" || name == "-h") options.help = true;
  else return false;
  return true;
}

ParsedOptions Fail(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (SetFlag(options, name)) continue;
    const auto setter = ValueOptions().find(name);
    if (setter == ValueOptions().end()) return Fail("unknown option " + name);
    if (i + 1 == args.size()) return Fail(name + " needs a value");
    if (!setter->second(options, args[++i])) return Fail("bad value for " + name + ": " + args[i]);
  }
  if (options.help) return {std::move(options), {}};
  if (options.link.empty() == options.make_demo.empty()) {
    return Fail("give either --link PATH or --make-demo DIR");
  }
  return {std::move(options), {}};
}

}  // namespace tonquil::emu
