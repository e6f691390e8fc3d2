// tqsession.dll: the system's media session as a test double. Registered in the test
// prefix as the activatable class Windows.Media.SystemMediaTransportControls (Wine finds
// the DLL under HKLM\Software\Microsoft\WindowsRuntime\ActivatableClassId and calls its
// DllGetActivationFactory). It is there only for a program whose folder holds a folder
// "media_session": elsewhere it declines, and the program sees no session, as on a
// system without one. In that folder it keeps state.txt (what the program set) and
// reads press (a button to press, see session_objects.cpp).
#include <windows.h>

#include "session_objects.h"

namespace {

std::wstring SessionFolder() {
  wchar_t exe[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, exe, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return L"";
  std::wstring folder(exe, length);
  folder.erase(folder.find_last_of(L"\\/") + 1);
  folder += L"media_session";
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return L"";
  return folder;
}

// The press thread runs in this DLL to the end of the process.
void PinThisDll() {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCWSTR>(&PinThisDll), &self);
}

}  // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI DllGetActivationFactory(HSTRING class_id, session_abi::IActivationFactory** factory) {
  (void)class_id;
  if (factory == nullptr) return E_POINTER;
  *factory = nullptr;
  const std::wstring folder = SessionFolder();
  if (folder.empty()) return CLASS_E_CLASSNOTAVAILABLE;
  PinThisDll();
  *factory = NewSessionFactory(folder);
  return S_OK;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllCanUnloadNow() { return S_FALSE; }
