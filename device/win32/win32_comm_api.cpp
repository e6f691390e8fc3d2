#include "device/win32/win32_comm_api.h"

#include <windows.h>

#include <vector>

#include "text/win32/wide.h"

namespace tonquil {
namespace {

HANDLE AsHandle(PortId port) { return reinterpret_cast<HANDLE>(port); }

}  // namespace

std::optional<PortId> Win32CommApi::Open(const std::u16string& device_path) {
  const HANDLE handle = CreateFileW(ui::Wide(device_path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  return reinterpret_cast<PortId>(handle);
}

void Win32CommApi::Configure(PortId port, const std::u16string& definition) {
  // The definition changes the current settings; every field it does not name stays
  // as the driver had it.
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  GetCommState(AsHandle(port), &dcb);
  BuildCommDCBW(ui::Wide(definition).c_str(), &dcb);
  SetCommState(AsHandle(port), &dcb);
}

bool Win32CommApi::Close(PortId port) { return CloseHandle(AsHandle(port)) != FALSE; }

bool Win32CommApi::Write(PortId port, std::string_view bytes) {
  DWORD written = 0;
  return WriteFile(AsHandle(port), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE;
}

std::optional<std::size_t> Win32CommApi::Waiting(PortId port) {
  DWORD errors = 0;
  COMSTAT status{};
  if (!ClearCommError(AsHandle(port), &errors, &status)) return std::nullopt;
  return status.cbInQue;
}

std::string Win32CommApi::Read(PortId port, std::size_t count) {
  std::vector<char> buffer(count + 1, '\0');
  DWORD read = 0;
  ReadFile(AsHandle(port), buffer.data(), static_cast<DWORD>(count), &read, nullptr);
  return std::string(buffer.data(), count);
}

void Win32CommApi::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

}  // namespace tonquil
