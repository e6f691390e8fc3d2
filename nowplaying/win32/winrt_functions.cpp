#include "nowplaying/win32/winrt_functions.h"

namespace {

// RO_INIT_SINGLETHREADED of roapi.h.
constexpr int kSingleThreaded = 0;

template <class Fn>
bool Find(HMODULE module, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return fn != nullptr;
}

// The full path: a combase.dll in the exe's folder or the current one is never taken.
std::wstring SystemFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return L"";
  return std::wstring(folder, length) + L"\\" + name;
}

}  // namespace

std::unique_ptr<WinRtFunctions> WinRtFunctions::Load() {
  const std::wstring path = SystemFile(L"combase.dll");
  if (path.empty()) return nullptr;
  std::unique_ptr<WinRtFunctions> functions(new WinRtFunctions);
  functions->module_ = LoadLibraryW(path.c_str());
  HMODULE module = functions->module_;
  if (module == nullptr) return nullptr;
  const bool complete = Find(module, "RoInitialize", functions->ro_initialize_) &&
                        Find(module, "RoUninitialize", functions->ro_uninitialize_) &&
                        Find(module, "RoGetActivationFactory", functions->ro_get_activation_factory_) &&
                        Find(module, "WindowsCreateString", functions->windows_create_string_) &&
                        Find(module, "WindowsDeleteString", functions->windows_delete_string_);
  if (!complete) return nullptr;
  return functions;
}

WinRtFunctions::~WinRtFunctions() {
  if (module_ != nullptr) FreeLibrary(module_);
}

bool WinRtFunctions::Initialize() { return SUCCEEDED(ro_initialize_(kSingleThreaded)); }

void WinRtFunctions::Uninitialize() { ro_uninitialize_(); }

HRESULT WinRtFunctions::GetActivationFactory(const std::wstring& class_name, REFIID iid, void** factory) const {
  const HString name(*this, class_name);
  if (name.get() == nullptr) return E_OUTOFMEMORY;
  return ro_get_activation_factory_(name.get(), iid, factory);
}

HSTRING WinRtFunctions::CreateString(const std::wstring& text) const {
  HSTRING string = nullptr;
  if (FAILED(windows_create_string_(text.c_str(), static_cast<UINT32>(text.size()), &string))) return nullptr;
  return string;
}

void WinRtFunctions::DeleteString(HSTRING text) const {
  if (text != nullptr) windows_delete_string_(text);
}
