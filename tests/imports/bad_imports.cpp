// The import check's counter-example: a console program for Windows 5.1
// that calls a Windows 2000 function. The check must reject all three.
#include <windows.h>

int main(int argc, char** argv) {
    HANDLE h = CreateFileA(argc > 1 ? argv[1] : "x", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER size{};
    return GetFileSizeEx(h, &size) ? static_cast<int>(size.LowPart) : 1;
}
