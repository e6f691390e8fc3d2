#pragma once
// Holds the opens of chosen files in a folder until the test has acted, through
// fanotify's permission events: a test can end a program at an exact point of its work
// on a file, such as the moment a save opens it. Under Wine the opener is the
// wineserver, which the program waits on; ending the program while the open is held
// lands the end inside that step every time.
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tonquil::e2e {

class OpenGate {
 public:
  // Watches the files of `folder` whose names begin with `prefix`. Needs the right to
  // use fanotify (root, outside a restricted container); available() tells.
  OpenGate(const std::string& folder, std::string prefix);
  ~OpenGate();
  OpenGate(const OpenGate&) = delete;
  OpenGate& operator=(const OpenGate&) = delete;

  bool available() const { return fanotify_ >= 0; }
  // From now on, counts the opens; the count-th (from 1) runs `action` before it is let
  // through. 0: only counts.
  void Arm(int count, std::function<void()> action);
  // The names opened since Arm, in order.
  std::vector<std::string> Opened();

 private:
  void Serve();
  void Let(int event_fd, const std::string& path);

  std::string folder_;
  std::string prefix_;
  int fanotify_ = -1;
  int stop_pipe_[2] = {-1, -1};
  std::mutex mutex_;
  bool armed_ = false;
  int trigger_ = 0;
  std::function<void()> action_;
  std::vector<std::string> opened_;
  std::thread thread_;
};

}  // namespace tonquil::e2e
