#pragma once
// The display as a script reads it: one line of JSON, written by `status`.
#include <string>

#include "device/report_values.h"

namespace tonquil {

struct DisplayStatus {
  std::u16string port;  // the held port, else the one chosen in the options
  bool open = false;
  bool lost = false;
  std::u16string pause, speed, loop, repeat, file;
  TagBlock tags;
  std::u16string firmware;  // the memo's text
};

// {"port":..,"open":..,"lost":..,"pause":..,"speed":..,"loop":..,"repeat":..,"file":..,
//  "tags":{"title":..,...,"system":..},"firmware":..}, without a line end.
std::string StatusJson(const DisplayStatus& status);

}  // namespace tonquil
