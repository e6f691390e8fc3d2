// tqbare: a console program that does nothing, built with the same toolchain and flags
// as Tonquil.exe: the floor under the time a command start of Tonquil takes to end.
int main() { return 0; }
