// Keeps Wine's desktop alive for a whole test session. The first program of a session that
// needs the desktop makes Wine start its desktop process, which inherits that program's output
// handles; when that program is a test, the test runner waits on those handles until the
// desktop process ends. Started first, with its output going nowhere, this program is the one
// the desktop process inherits from, and as long as it runs the desktop stays up.
//
// Usage: kz_desktop_keeper <ready-file>   (the file is written once the desktop is there)
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    GetDesktopWindow();  // starts the desktop process and waits for it
    if (argc > 1) {
        if (std::FILE* ready = std::fopen(argv[1], "w")) std::fclose(ready);
    }
    Sleep(INFINITE);
    return 0;
}
