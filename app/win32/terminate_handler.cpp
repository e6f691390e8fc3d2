// The GNU runtime's default terminate handler prints the escaping exception's type,
// which links its whole symbol demangler into the exe (some 45 KB). Nothing escapes
// here: the window procedures and the entry point catch every error. Should one ever
// escape, ending at once is all the default handler would do after printing to a
// console that a GUI program does not have.
#include <cstdlib>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
