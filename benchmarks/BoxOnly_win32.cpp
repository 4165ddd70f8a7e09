// The floor for the Windows starter's first box: a program that shows only
// the same welcome box, with the starter's own manifest (its themed controls
// cost time of their own and are part of the look), and nothing else.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr, L"Welcome to Tobin_Ravel's Loader, Currently being used for Bench Realm", L"Project1", MB_OK);
    return 0;
}
