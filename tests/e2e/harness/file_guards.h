#pragma once
// A file or folder that the program under test cannot use as it would like: a file that
// another Windows program holds open without sharing, and a folder that takes no new
// entries. Each undoes itself when it goes out of scope.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "child_process.h"
#include "temp_dir.h"
#include "wine_env.h"

namespace tonquil::e2e {

// The path as a Windows program sees it: Wine's drive Z: is the Unix root.
inline std::string WindowsPathOf(const std::string& unix_path) { return "Z:" + unix_path; }

// file_locker.exe lies beside the driver in the Windows build's tools folder.
inline std::string FileLockerPath() {
  const std::filesystem::path tools =
      std::filesystem::path(DriverExePath()).parent_path().parent_path();
  return (tools / "file_locker" / "file_locker.exe").string();
}

// file_locker.exe holding the file open with no sharing: every other open of it fails
// with a sharing violation until Release.
class LockedFile {
 public:
  LockedFile(const std::string& path, const TempDir& folder)
      : output_path_(folder.File("file_locker.out")), stop_path_(folder.File("file_locker.stop")) {
    if (!std::filesystem::exists(FileLockerPath())) {
      throw std::runtime_error(FileLockerPath() + " is not built (tools/file_locker)");
    }
    locker_ = std::make_unique<ChildProcess>(
        WineCommand(FileLockerPath(), {"--hold", WindowsPathOf(path), "--until-file",
                                       WindowsPathOf(stop_path_), "--lifetime-ms", "60000"}),
        output_path_);
    if (!WaitForOutput("locked")) {
      throw std::runtime_error("file_locker did not lock " + path + ": " +
                               ReadWholeFile(output_path_));
    }
  }
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;
  ~LockedFile() { locker_->Stop(std::chrono::milliseconds(0)); }

  // Returns once the locker has closed the file and ended.
  void Release() {
    WriteWholeFile(stop_path_, "");
    if (!WaitForOutput("released") || locker_->WaitExit(std::chrono::seconds(10)) != 0) {
      throw std::runtime_error("file_locker did not let go: " + ReadWholeFile(output_path_));
    }
  }

 private:
  bool WaitForOutput(const std::string& word) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (ReadWholeFile(output_path_).find(word) == std::string::npos) {
      if (std::chrono::steady_clock::now() >= deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
  }

  std::string output_path_;
  std::string stop_path_;
  std::unique_ptr<ChildProcess> locker_;
};

// A folder in which no file can be created, renamed or removed. Mode 555 does that for an
// ordinary user; root passes over modes, so for root the folder is also made immutable.
// Whether it worked is probed, since a file system or a container may refuse either.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::string& path) : path_(path) {
    chmod(path_.c_str(), 0555);
    if (geteuid() == 0) SetImmutable(true);
    const std::string probe = path_ + "/.write-probe";
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    effective_ = fd < 0;
    if (fd >= 0) {
      close(fd);
      unlink(probe.c_str());
    }
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
  ~ReadOnlyFolder() {
    if (geteuid() == 0) SetImmutable(false);
    chmod(path_.c_str(), 0755);
  }

  bool effective() const { return effective_; }

 private:
  void SetImmutable(bool on) const {
    const int fd = open(path_.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    close(fd);
  }

  std::string path_;
  bool effective_ = false;
};

}  // namespace tonquil::e2e
