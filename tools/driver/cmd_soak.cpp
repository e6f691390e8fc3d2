// counts: what the program that owns a window holds of the system's objects, for a
// soak that looks for leaks: kernel handles, GDI and USER objects as the system counts
// them, and its windows (top-level and child) counted one by one, which Wine can count
// where it does not keep the others. Where the handle count of the process is not kept
// (Wine), its handles are counted in the system's handle table.
#include <windows.h>

#include <vector>

#include "command.h"
#include "output.h"
#include "remote_process.h"
#include "window_find.h"

namespace tqdriver {
namespace {

struct WindowCount {
  DWORD pid;
  long long count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
  ++reinterpret_cast<WindowCount*>(param)->count;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
  auto& windows = *reinterpret_cast<WindowCount*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != windows.pid) return TRUE;
  ++windows.count;
  EnumChildWindows(window, CountChild, param);
  return TRUE;
}

// SystemExtendedHandleInformation and its entries, as ntdll returns them (winternl.h
// declares neither; the layout is the documented SYSTEM_HANDLE_INFORMATION_EX).
constexpr ULONG kSystemExtendedHandleInformation = 64;
struct HandleEntry {
  PVOID object;
  ULONG_PTR process_id;
  ULONG_PTR handle;
  ULONG granted_access;
  USHORT creator_back_trace_index;
  USHORT object_type_index;
  ULONG attributes;
  ULONG reserved;
};
struct HandleTable {
  ULONG_PTR count;
  ULONG_PTR reserved;
  HandleEntry entries[1];
};
using QuerySystemInformation = LONG(NTAPI*)(ULONG, PVOID, ULONG, PULONG);

// The process's entries in the system's handle table; -1 when it cannot be read.
long long HandlesInTable(DWORD pid) {
  const auto query = reinterpret_cast<QuerySystemInformation>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (query == nullptr) return -1;
  std::vector<unsigned char> buffer(1 << 20);
  for (int attempt = 0; attempt < 6; ++attempt) {
    ULONG needed = 0;
    const LONG status = query(kSystemExtendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                                  &needed);
    if (status >= 0) {
      const auto& table = *reinterpret_cast<const HandleTable*>(buffer.data());
      long long count = 0;
      for (ULONG_PTR i = 0; i < table.count; ++i) count += table.entries[i].process_id == pid ? 1 : 0;
      return count;
    }
    buffer.resize(buffer.size() * 2);
  }
  return -1;
}

void Counts(const Args& args) {
  DWORD pid = 0;
  GetWindowThreadProcessId(RequireTopLevel(args[0]), &pid);
  OwnedHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid));
  if (process.get() == nullptr) throw Failure{kNotFound, L"cannot open the program's process"};
  DWORD kept = 0;
  const long long handles =
      GetProcessHandleCount(process.get(), &kept) != FALSE && kept > 0 ? static_cast<long long>(kept) : HandlesInTable(pid);
  WindowCount windows{pid, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
  Record(L"counts")
      .Add(L"pid", static_cast<long long>(pid))
      .Add(L"handles", handles)
      .Add(L"gdi", static_cast<long long>(GetGuiResources(process.get(), GR_GDIOBJECTS)))
      .Add(L"user", static_cast<long long>(GetGuiResources(process.get(), GR_USEROBJECTS)))
      .Add(L"windows", windows.count)
      .Print();
}

}  // namespace

const std::vector<Command>& SoakCommands() {
  static const std::vector<Command> commands = {
      {L"counts", 1, 1, L"CLASS", Counts},
  };
  return commands;
}

}  // namespace tqdriver
