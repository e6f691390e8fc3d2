#pragma once
// Owners for the handles and the memory the driver takes in another process of the
// prefix, to hand that process data through a pointer that only it can follow.
#include <windows.h>

#include <cstddef>

namespace tqdriver {

class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
  ~OwnedHandle();
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// The process, opened for reading, writing and starting threads; fails with kNotFound.
HANDLE OpenForRemoteWork(DWORD pid);

// Copies size bytes at address of the process into data; fails with kNotFound.
void ReadFrom(HANDLE process, const void* address, void* data, size_t size);

class RemoteMemory {
 public:
  // Committed, readable and writable memory in the process; fails with kNotFound.
  RemoteMemory(HANDLE process, size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  void* address() const { return address_; }
  // Fails with kNotFound.
  void Write(size_t offset, const void* data, size_t size) const;
  // Left allocated, for a remote thread that may still be reading it.
  void Abandon() { address_ = nullptr; }

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace tqdriver
