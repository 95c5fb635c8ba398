#pragma once

// The resource files embedded into the sdl and headless executables (the
// Windows build has them as program resources instead).

#include <cstddef>

namespace platform {

// resources/font.bmp: the font strip, bitmap resource 101.
extern const unsigned char FontStripBmp[];
extern const std::size_t FontStripBmpSize;

// resources/siren.wav: the saucer's siren, "WAVE" resource 107.
extern const unsigned char SirenWav[];
extern const std::size_t SirenWavSize;

}  // namespace platform
