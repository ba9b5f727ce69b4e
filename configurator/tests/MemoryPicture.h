#pragma once
// A 32-bit top-down bitmap in its own memory context, filled with kUntouched, whose
// pixels a test reads back after painting into it.
#include <windows.h>

constexpr COLORREF kUntouched = RGB(10, 200, 30);

class MemoryPicture {
public:
    MemoryPicture(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(kUntouched);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
        GdiFlush();
    }
    ~MemoryPicture() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        DWORD p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    DWORD* bits_ = nullptr;
};
