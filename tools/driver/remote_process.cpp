#include "remote_process.h"

#include <string>

#include "command.h"

namespace tqdriver {
namespace {

[[noreturn]] void Fail(const std::wstring& what) {
  throw Failure{kNotFound, what + L" (error " + std::to_wstring(GetLastError()) + L")"};
}

}  // namespace

OwnedHandle::~OwnedHandle() {
  if (handle_ != nullptr) CloseHandle(handle_);
}

HANDLE OpenForRemoteWork(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                   PROCESS_VM_READ | PROCESS_VM_WRITE | SYNCHRONIZE,
                               FALSE, pid);
  if (process == nullptr) Fail(L"cannot open process " + std::to_wstring(pid));
  return process;
}

void ReadFrom(HANDLE process, const void* address, void* data, size_t size) {
  if (!ReadProcessMemory(process, address, data, size, nullptr)) Fail(L"cannot read from another process");
}

RemoteMemory::RemoteMemory(HANDLE process, size_t size)
    : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
  if (address_ == nullptr) Fail(L"cannot allocate memory in another process");
}

RemoteMemory::~RemoteMemory() {
  if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

void RemoteMemory::Write(size_t offset, const void* data, size_t size) const {
  if (!WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr)) {
    Fail(L"cannot write into another process");
  }
}

}  // namespace tqdriver
