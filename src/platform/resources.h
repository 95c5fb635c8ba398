#pragma once

// The resources built into the program.

#include <memory>

#include "platform/drawing.h"

// The font strip (bitmap resource 101) as greys: glyph pixels white, the rest
// black; nothing when it cannot be loaded. Called once by start-up.
namespace platform {

std::unique_ptr<Bitmap> LoadFontBitmap();

}  // namespace platform
