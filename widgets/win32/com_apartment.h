#pragma once
// COM entered on the current thread as a single-threaded apartment for as long as the
// object lives. The shell's extensions (a mail program's handler among them) that
// ShellExecuteW may load need it on the calling thread.
#include <objbase.h>

namespace widgets {

class ComApartment {
 public:
  // S_FALSE (entered already on this thread) counts too and is balanced the same way;
  // a thread in another apartment model is left as it is.
  ComApartment() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (entered_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool entered_;
};

}  // namespace widgets
