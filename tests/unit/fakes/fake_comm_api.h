#pragma once
// A serial port driver in memory: records every call in order as text, holds the
// bytes each port has "received" from the module, and can be told to fail or to lose
// a device as an unplugged adapter does.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "device/comm_api.h"
#include "text/utf8.h"

namespace tonquil::testing {

class FakeCommApi : public CommApi {
 public:
  std::vector<std::string> calls;              // e.g. "open \\.\COM3", "write 63", "sleep 100"
  std::map<std::u16string, std::string> input;  // device path -> bytes waiting
  std::set<std::u16string> existing;           // device paths that open
  std::map<PortId, std::string> written;       // port -> every byte written
  bool fail_status = false;
  bool fail_close = false;

  std::optional<PortId> Open(const std::u16string& path) override {
    calls.push_back("open " + Utf16ToUtf8(path));
    if (existing.count(path) == 0) return std::nullopt;
    const PortId id = next_id_++;
    paths_[id] = path;
    return id;
  }
  void Configure(PortId port, const std::u16string& definition) override {
    calls.push_back("configure " + std::to_string(port) + " " + Utf16ToUtf8(definition));
  }
  bool Close(PortId port) override {
    calls.push_back("close " + std::to_string(port));
    return !fail_close && paths_.erase(port) == 1;
  }
  bool Write(PortId port, std::string_view bytes) override {
    calls.push_back("write " + Hex(bytes));
    written[port] += bytes;
    return Works(port);
  }
  std::optional<std::size_t> Waiting(PortId port) override {
    calls.push_back("waiting");
    if (fail_status || !Works(port)) return std::nullopt;
    return input[paths_[port]].size();
  }
  std::string Read(PortId port, std::size_t count) override {
    calls.push_back("read " + std::to_string(count));
    std::string& queue = input[paths_.at(port)];
    std::string bytes = queue.substr(0, count);
    queue.erase(0, count);
    bytes.resize(count, '\0');
    return bytes;
  }
  void Sleep(unsigned milliseconds) override { calls.push_back("sleep " + std::to_string(milliseconds)); }

  // The device behind the path goes away: its handles stay open but every call on them
  // fails, and the path does not open until Plug.
  void Unplug(const std::u16string& path) {
    existing.erase(path);
    for (const auto& [port, port_path] : paths_) {
      if (port_path == path) dead_.insert(port);
    }
  }
  // The device is back under its path; handles opened before stay dead.
  void Plug(const std::u16string& path) { existing.insert(path); }

  static std::string Hex(std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
      if (!out.empty()) out += ' ';
      out += digits[b >> 4];
      out += digits[b & 15];
    }
    return out;
  }

 private:
  bool Works(PortId port) const { return paths_.count(port) == 1 && dead_.count(port) == 0; }

  PortId next_id_ = 7;
  std::map<PortId, std::u16string> paths_;
  std::set<PortId> dead_;
};

}  // namespace tonquil::testing
