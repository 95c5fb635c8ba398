// The program resources of every Windows executable (the game, its tests and
// its tools), compiled in from resources/*.rc and loaded with the Windows calls.

#include <vector>

#include "platform/resources.h"
#include "platform/win32/win32.h"

namespace platform {
namespace {

constexpr WORD FontStripResource = 101;
constexpr WORD BitsPerPixel = 32;  // pixels read back as 0x00RRGGBB
constexpr int RedShift = 16;

// Deletes a GDI object when it goes out of scope.
struct GdiObject {
    HGDIOBJ handle = nullptr;
    ~GdiObject() {
        if (handle != nullptr) DeleteObject(handle);
    }
};

// Deletes a memory device context when it goes out of scope.
struct MemoryContext {
    HDC handle = CreateCompatibleDC(nullptr);
    ~MemoryContext() {
        if (handle != nullptr) DeleteDC(handle);
    }
};

}  // namespace

std::unique_ptr<Bitmap> LoadFontBitmap() {
    const GdiObject strip{LoadBitmapA(win32::ProgramInstance(), MAKEINTRESOURCEA(FontStripResource))};
    if (strip.handle == nullptr) return nullptr;
    BITMAP size{};
    if (GetObjectA(strip.handle, sizeof(size), &size) == 0) return nullptr;
    std::unique_ptr<Bitmap> bitmap = Bitmap::Create(size.bmWidth, size.bmHeight);
    const MemoryContext context;
    if (!bitmap || context.handle == nullptr) return nullptr;

    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = size.bmWidth;
    format.bmiHeader.biHeight = -size.bmHeight;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = BitsPerPixel;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.bmWidth) * size.bmHeight);
    if (GetDIBits(context.handle, static_cast<HBITMAP>(strip.handle), 0, size.bmHeight,
                  pixels.data(), &format, DIB_RGB_COLORS) != size.bmHeight) {
        return nullptr;
    }
    // The font uses only black and white, for which all three channels
    // agree: red is the grey.
    for (std::int32_t y = 0; y < size.bmHeight; ++y) {
        for (std::int32_t x = 0; x < size.bmWidth; ++x) {
            bitmap->at(x, y) =
                static_cast<std::uint8_t>(pixels[static_cast<std::size_t>(y) * size.bmWidth + x] >> RedShift);
        }
    }
    return bitmap;
}

std::span<const std::uint8_t> FindWaveResource(std::uint16_t id) {
    const HMODULE program = win32::ProgramInstance();
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(id), "WAVE");
    if (found == nullptr) return {};
    const DWORD size = SizeofResource(program, found);
    HGLOBAL loaded = LoadResource(program, found);
    // A resource stays loaded with its program: nothing to free.
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) return {};
    return {static_cast<const std::uint8_t*>(bytes), size};
}

}  // namespace platform
