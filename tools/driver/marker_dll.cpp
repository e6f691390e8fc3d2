// tqmarker.dll: a library with nothing in it. A test lays copies of it where the
// program must not search for libraries; the program finding one shows the search
// looked there.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
