#pragma once
// The few Windows Runtime entry points the media session needs, looked up at run time in
// combase.dll of the system folder: the exe imports nothing new and starts on systems
// without them, where the session simply does not exist.
#include <windows.h>

#include <hstring.h>

#include <memory>
#include <string>

class WinRtFunctions {
 public:
  // None where combase.dll or one of the functions is missing.
  static std::unique_ptr<WinRtFunctions> Load();
  ~WinRtFunctions();
  WinRtFunctions(const WinRtFunctions&) = delete;
  WinRtFunctions& operator=(const WinRtFunctions&) = delete;

  // The Runtime initialised on this thread, as a single-threaded apartment. False when
  // the thread already is in another apartment type, which works as well.
  bool Initialize();
  void Uninitialize();
  HRESULT GetActivationFactory(const std::wstring& class_name, REFIID iid, void** factory) const;
  HSTRING CreateString(const std::wstring& text) const;
  void DeleteString(HSTRING text) const;

 private:
  WinRtFunctions() = default;

  using RoInitializeFn = HRESULT(WINAPI*)(int);
  using RoUninitializeFn = void(WINAPI*)();
  using RoGetActivationFactoryFn = HRESULT(WINAPI*)(HSTRING, REFIID, void**);
  using WindowsCreateStringFn = HRESULT(WINAPI*)(LPCWSTR, UINT32, HSTRING*);
  using WindowsDeleteStringFn = HRESULT(WINAPI*)(HSTRING);

  HMODULE module_ = nullptr;
  RoInitializeFn ro_initialize_ = nullptr;
  RoUninitializeFn ro_uninitialize_ = nullptr;
  RoGetActivationFactoryFn ro_get_activation_factory_ = nullptr;
  WindowsCreateStringFn windows_create_string_ = nullptr;
  WindowsDeleteStringFn windows_delete_string_ = nullptr;
};

// One HSTRING, deleted when it goes.
class HString {
 public:
  HString(const WinRtFunctions& functions, const std::wstring& text)
      : functions_(functions), string_(functions.CreateString(text)) {}
  ~HString() { functions_.DeleteString(string_); }
  HString(const HString&) = delete;
  HString& operator=(const HString&) = delete;
  HSTRING get() const { return string_; }

 private:
  const WinRtFunctions& functions_;
  HSTRING string_;
};
