// The resources of the sdl and headless backends: the same files the
// Windows build compiles into its resources, embedded into the executable
// at build time and decoded with SDL.

#include <SDL.h>

#include "platform/embedded_resources.h"
#include "platform/resources.h"

namespace platform {
namespace {

// Frees an SDL surface when it goes out of scope.
struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

constexpr int RedShift = 16;  // of an ARGB8888 pixel

}  // namespace

std::unique_ptr<Bitmap> LoadFontBitmap() {
    SDL_RWops* stream = SDL_RWFromConstMem(FontStripBmp, static_cast<int>(FontStripBmpSize));
    if (stream == nullptr) return nullptr;
    const Surface decoded(SDL_LoadBMP_RW(stream, 1));
    if (!decoded) return nullptr;
    // Four bytes per pixel, whatever depth the file has. The font uses only
    // black and white, for which all three channels agree: red is the grey.
    const Surface rgb(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!rgb) return nullptr;
    std::unique_ptr<Bitmap> bitmap = Bitmap::Create(rgb->w, rgb->h);
    if (!bitmap || SDL_LockSurface(rgb.get()) != 0) return nullptr;
    for (int y = 0; y < rgb->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(rgb->pixels) + y * rgb->pitch);
        for (int x = 0; x < rgb->w; ++x) {
            bitmap->at(x, y) = static_cast<std::uint8_t>(row[x] >> RedShift);
        }
    }
    SDL_UnlockSurface(rgb.get());
    return bitmap;
}

}  // namespace platform
