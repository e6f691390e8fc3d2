#pragma once
// A pseudo-terminal in raw mode whose slave side is reachable through a symlink,
// the way a serial port is seen by a program under Wine. The emulator keeps a
// slave descriptor of its own open so that the master never reads EIO while the
// other program has the port closed. The link goes away with the object.
#include <string>

#include "unique_fd.h"

namespace tonquil::emu {

class PtyLink {
 public:
  // Throws std::system_error when the pty cannot be set up or the link not made.
  // An existing symlink at link_path is replaced; any other file there is an error.
  explicit PtyLink(std::string link_path);
  PtyLink(const PtyLink&) = delete;
  PtyLink& operator=(const PtyLink&) = delete;
  ~PtyLink();

  int master() const { return master_.get(); }  // non-blocking
  const std::string& slave_path() const { return slave_path_; }

 private:
  void OpenPty();
  void MakeLink();

  std::string link_path_;
  std::string slave_path_;
  UniqueFd master_;
  UniqueFd slave_;
  bool linked_ = false;
};

// Sets a tty descriptor to raw 8N1 at 230400 baud; false when the tty refuses.
bool MakeRaw(int fd);

}  // namespace tonquil::emu
