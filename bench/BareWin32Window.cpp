// The floor of a Windows program's start-up: the least the system itself does to show a window of the item
// sheet's size (632 x 426) with one line of text in the sheet's name box, through its own window classes only.
// The stopwatch waits for that text as it does in the editor and the bare Qt window.
//
// Usage: bare_win32_window TEXT

#include <windows.h>

namespace {

LRESULT CALLBACK FloorWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The first argument, or a default, from the wide command line (the program name first).
const wchar_t* NameText() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    return arguments && count > 1 ? arguments[1] : L"Bare";
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = FloorWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"BrindleworkBareWin32Window";
    if (!RegisterClassW(&windowClass))
        return 1;
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Brindlework bare Win32 window", WS_POPUP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 632, 426, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    CreateWindowExW(0, L"STATIC", NameText(), WS_CHILD | WS_VISIBLE | SS_LEFT, 232, 16, 201, 17, window, nullptr,
                    instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
