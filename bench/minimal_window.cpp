// minimal_window.cpp -- the smallest Win32 window with the game's 50 ms timer: the yardstick of the
// idle and start-up benchmarks. It paints its client area once in one colour and otherwise does nothing.
#include <windows.h>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT r;
            GetClientRect(window, &r);
            HBRUSH brush = CreateSolidBrush(RGB(20, 92, 56));
            FillRect(dc, &r, brush);
            DeleteObject(brush);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_TIMER:
            return 0;
        case WM_CHAR:
            if (wParam == 'q') DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSEXA c{};
    c.cbSize = sizeof c;
    c.style = CS_HREDRAW | CS_VREDRAW;
    c.lpfnWndProc = procedure;
    c.hInstance = instance;
    c.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    c.lpszClassName = "Minimal";
    RegisterClassExA(&c);
    HWND window = CreateWindowExA(0, "Minimal", "Fenetre minimale", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, 512, 480,
                                  nullptr, nullptr, instance, nullptr);
    SetTimer(window, 1, 50, nullptr);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
