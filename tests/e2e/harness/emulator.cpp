#include "emulator.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "wine_env.h"

namespace tonquil::e2e {
namespace {

constexpr milliseconds kReadyTimeout{10000};
constexpr milliseconds kStopGrace{3000};

// A link left by an emulator that was killed: it points at a terminal that has gone.
void RemoveStaleLink(const std::string& link) {
  std::error_code error;
  if (!std::filesystem::is_symlink(link, error)) return;
  const std::string target = std::filesystem::read_symlink(link, error).string();
  if (target.rfind("/dev/pts/", 0) == 0 || !std::filesystem::exists(link, error)) {
    std::filesystem::remove(link, error);
  }
}

std::string ReadyTty(const std::string& output) {
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("ready ", 0) == 0) return line.substr(6);
  }
  return "";
}

std::string HexBytes(const std::string& hex) {
  std::string bytes;
  std::istringstream words(hex);
  std::string word;
  while (words >> word) bytes += static_cast<char>(std::stoi(word, nullptr, 16));
  return bytes;
}

}  // namespace

Emulator::Emulator(int com_number, const TempDir& folder, const std::vector<std::string>& extra_args)
    : com_number_(com_number),
      link_(WinePrefix() + "/dosdevices/com" + std::to_string(com_number)),
      output_path_(folder.File("emulator-com" + std::to_string(com_number) + ".out")),
      log_path_(folder.File("emulator-com" + std::to_string(com_number) + ".log")) {
  RemoveStaleLink(link_);
  // A second emulator on the same port in one test must not find the first one's ready
  // line or reads.
  std::filesystem::remove(output_path_);
  std::filesystem::remove(log_path_);
  std::vector<std::string> command = {EmulatorPath(), "--link", link_, "--log", log_path_};
  command.insert(command.end(), extra_args.begin(), extra_args.end());
  process_ = std::make_unique<ChildProcess>(command, output_path_);
  const auto deadline = std::chrono::steady_clock::now() + kReadyTimeout;
  while ((tty_ = ReadyTty(Output())).empty()) {
    if (!process_->Running() || std::chrono::steady_clock::now() >= deadline) {
      throw std::runtime_error("zorva-emu did not become ready on " + link_ + ": " + Output());
    }
    std::this_thread::sleep_for(milliseconds(20));
  }
}

Emulator::~Emulator() {
  process_->Stop(kStopGrace);
  RemoveStaleLink(link_);
}

std::vector<std::string> Emulator::Reads() const {
  std::vector<std::string> reads;
  for (TimedRead& read : TimedReads()) reads.push_back(std::move(read.bytes));
  return reads;
}

std::vector<TimedRead> Emulator::TimedReads() const {
  std::vector<TimedRead> reads;
  std::istringstream lines(ReadWholeFile(log_path_));
  std::string line;
  while (std::getline(lines, line)) {
    const size_t space = line.find(' ');
    if (space != std::string::npos) {
      reads.push_back({std::stoll(line.substr(0, space)), HexBytes(line.substr(space + 1))});
    }
  }
  return reads;
}

void Emulator::Signal(int number) const {
  if (::kill(process_->pid(), number) != 0) {
    throw std::runtime_error("cannot signal zorva-emu: " + std::to_string(errno));
  }
}

void Emulator::Unplug() {
  Signal(SIGKILL);
  if (!process_->WaitExit(kStopGrace)) throw std::runtime_error("zorva-emu did not end when killed");
  // The port's name goes with the device, as a USB adapter's does; left in place, it
  // would lead to whichever terminal next gets the dead one's number.
  RemoveStaleLink(link_);
}

std::vector<pid_t> Emulator::OtherHolders() const {
  std::vector<pid_t> holders = ProcessesHolding(tty_);
  holders.erase(std::remove(holders.begin(), holders.end(), process_->pid()), holders.end());
  return holders;
}

namespace {

// Processes come and go while /proc is read: every error means "not this one".
bool HoldsOpen(const std::filesystem::path& process, const std::string& path) {
  std::error_code error;
  std::filesystem::directory_iterator fd(process / "fd", error);
  for (; !error && fd != std::filesystem::directory_iterator(); fd.increment(error)) {
    std::error_code ignored;
    if (std::filesystem::read_symlink(fd->path(), ignored) == path) return true;
  }
  return false;
}

}  // namespace

std::vector<pid_t> ProcessesHolding(const std::string& path) {
  std::vector<pid_t> holders;
  std::error_code error;
  std::filesystem::directory_iterator process("/proc", error);
  for (; !error && process != std::filesystem::directory_iterator(); process.increment(error)) {
    const std::string name = process->path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    if (HoldsOpen(process->path(), path)) holders.push_back(static_cast<pid_t>(std::stol(name)));
  }
  return holders;
}

}  // namespace tonquil::e2e
