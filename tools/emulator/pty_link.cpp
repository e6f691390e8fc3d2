#include "pty_link.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace tonquil::emu {
namespace {

[[noreturn]] void ThrowErrno(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

bool IsSymlink(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

std::string LinkTarget(const std::string& path) {
  char target[4096];
  const ssize_t size = ::readlink(path.c_str(), target, sizeof target);
  return size < 0 ? std::string() : std::string(target, static_cast<std::size_t>(size));
}

}  // namespace

bool MakeRaw(int fd) {
  termios settings {};
  if (::tcgetattr(fd, &settings) != 0) return false;
  ::cfmakeraw(&settings);
  settings.c_cflag |= CLOCAL | CREAD;
  ::cfsetispeed(&settings, B230400);
  ::cfsetospeed(&settings, B230400);
  return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

PtyLink::PtyLink(std::string link_path) : link_path_(std::move(link_path)) {
  OpenPty();
  MakeLink();
}

PtyLink::~PtyLink() {
  // Only our own link goes: another emulator may have taken the name over since.
  if (linked_ && LinkTarget(link_path_) == slave_path_) ::unlink(link_path_.c_str());
}

void PtyLink::OpenPty() {
  master_.Reset(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (!master_.valid()) ThrowErrno("posix_openpt");
  if (::grantpt(master_.get()) != 0) ThrowErrno("grantpt");
  if (::unlockpt(master_.get()) != 0) ThrowErrno("unlockpt");
  char name[256];
  if (::ptsname_r(master_.get(), name, sizeof name) != 0) ThrowErrno("ptsname_r");
  slave_path_ = name;
  slave_.Reset(::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (!slave_.valid()) ThrowErrno("open " + slave_path_);
  if (!MakeRaw(slave_.get())) ThrowErrno("raw mode on " + slave_path_);
  const int flags = ::fcntl(master_.get(), F_GETFL);
  if (flags < 0 || ::fcntl(master_.get(), F_SETFL, flags | O_NONBLOCK) != 0) {
    ThrowErrno("non-blocking master");
  }
}

void PtyLink::MakeLink() {
  if (Exists(link_path_) && !IsSymlink(link_path_)) {
    errno = EEXIST;
    ThrowErrno(link_path_ + " exists and is no symlink");
  }
  // Made under a temporary name and renamed, so the old link is replaced in one step.
  const std::string temporary = link_path_ + ".new" + std::to_string(::getpid());
  ::unlink(temporary.c_str());
  if (::symlink(slave_path_.c_str(), temporary.c_str()) != 0) ThrowErrno("symlink " + temporary);
  if (::rename(temporary.c_str(), link_path_.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    ThrowErrno("rename to " + link_path_);
  }
  linked_ = true;
}

}  // namespace tonquil::emu
