#pragma once

// The resources built into the program.

#include <cstdint>
#include <memory>
#include <span>

#include "platform/drawing.h"

// The font strip (bitmap resource 101) as greys: glyph pixels white, the rest
// black; nothing when it cannot be loaded. Called once by start-up.
namespace platform {

std::unique_ptr<Bitmap> LoadFontBitmap();

// The saucer's siren, a RIFF WAVE file.
inline constexpr std::uint16_t SirenWaveResource = 107;

// The bytes of resource `id` of type "WAVE" (FindResource, SizeofResource,
// LoadResource, LockResource); empty when there is none. They stay for the
// whole run. Called by the sound bank's wave loader.
std::span<const std::uint8_t> FindWaveResource(std::uint16_t id);

}  // namespace platform
