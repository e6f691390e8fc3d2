#pragma once
// Who the program is: its title, its single-instance guard, and its maker as the
// about panel shows them. The maker's addresses live only here.
#include "ui/build_stamp.h"

namespace tonquil {

inline constexpr wchar_t kApplicationTitle[] = L"Tonquil " TONQUIL_BUILD_STAMP;
inline constexpr wchar_t kInstanceGuardName[] = L"Tonquil";

inline constexpr wchar_t kMakerName[] = L"Tonquil Project";
inline constexpr wchar_t kMakerWebAddress[] = L"http://www.tonquil.example/";
inline constexpr wchar_t kMakerMailAddress[] = L"info@tonquil.example";

}  // namespace tonquil
