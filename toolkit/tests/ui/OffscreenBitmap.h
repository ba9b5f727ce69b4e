#pragma once
// A bitmap in memory with a device context to paint into it and read its pixels back.
#include <windows.h>

class OffscreenBitmap {
public:
    OffscreenBitmap(int width, int height, COLORREF background) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        original_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(background);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~OffscreenBitmap() {
        SelectObject(dc_, original_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    OffscreenBitmap(const OffscreenBitmap&) = delete;
    OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
    // What a window paints of its client area when asked to print it here.
    void PrintClient(HWND window, bool erase = true) const {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT | (erase ? PRF_ERASEBKGND : 0));
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ original_;
};
