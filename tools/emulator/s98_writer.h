#pragma once
// Builds S98 files: the dump of register writes and the file around it.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tonquil::emu {

class S98DumpWriter {
 public:
  // port: device index * 2, plus 1 for a device's second register bank.
  void Write(std::uint8_t port, std::uint8_t reg, std::uint8_t data);
  void Wait(std::uint32_t ticks);
  std::string Finish();  // appends the end mark

 private:
  std::string bytes_;
};

struct S98Device {
  std::uint32_t type = 0;
  std::uint32_t clock = 0;
  std::uint32_t pan = 0;
};

enum class S98TagStyle { kNone, kUtf8Bom, kCp932, kTitleString };

struct S98Song {
  char version = '3';
  std::uint32_t timer_numerator = 0;  // 0 keeps the format's default
  std::uint32_t timer_denominator = 0;
  std::vector<S98Device> devices;  // written by version 3 only
  std::string dump;
  bool loops = false;  // loop back to the start of the dump
  S98TagStyle tag_style = S98TagStyle::kNone;
  std::vector<std::pair<std::string, std::string>> tags;  // UTF-8 text
  std::string title;  // UTF-8; the plain title string of S98TagStyle::kTitleString
};

std::string WriteS98(const S98Song& song);

}  // namespace tonquil::emu
