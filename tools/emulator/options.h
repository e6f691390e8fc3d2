#pragma once
// The command line of zorva-emu.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "reply_shaping.h"

namespace tonquil::emu {

struct Options {
  std::string link;
  std::string library;  // empty: the built-in demo library
  std::string make_demo;
  std::string log;
  std::string state;
  int delay_ms = 0;
  int unprompted_ms = 0;
  std::size_t burst = 0;
  bool silent = false;
  ReplyShape shape;
  bool help = false;
};

struct ParsedOptions {
  std::optional<Options> options;
  std::string error;  // set when options is empty
};

ParsedOptions ParseOptions(const std::vector<std::string>& args);

extern const char kUsage[];

}  // namespace tonquil::emu
