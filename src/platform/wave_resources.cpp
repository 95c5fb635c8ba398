// The "WAVE" resources of the sdl and headless backends, embedded into the
// executable at build time like the Windows build's program resources.

#include "platform/embedded_resources.h"
#include "platform/resources.h"

namespace platform {

std::span<const std::uint8_t> FindWaveResource(std::uint16_t id) {
    if (id != SirenWaveResource) return {};
    return {SirenWav, SirenWavSize};
}

}  // namespace platform
