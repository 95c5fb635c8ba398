#include "trace.h"

#include <cstring>

#include "app/frame_tick.h"
#include "app/object_list.h"
#include "app/timers.h"
#include "objects/entity.h"
#include "objects/saucer.h"
#include "objects/ship.h"
#include "game/control_keys.h"
#include "game/game_state.h"
#include "game/level_fill.h"
#include "platform/headless/headless.h"
#include "scores/high_scores.h"
#include "scores/name_entry.h"
#include "sound/sound_bank.h"
#include "text/screens.h"

namespace {

// The live timers as "id:period" pairs, by id.
void WriteTimers(std::FILE* out) {
    std::fputs(" timers=", out);
    bool first = true;
    for (std::uint32_t id = 0; id <= LastTimerId; ++id) {
        if (!platform::headless::TimerActive(id)) continue;
        std::fprintf(out, "%s%u:%u", first ? "" : ",", id, platform::headless::TimerPeriod(id));
        first = false;
    }
    if (first) std::fputs("-", out);
}

std::size_t CountOf(EntityKind kind) {
    std::size_t count = 0;
    for (const auto& object : ObjectList) count += object->kind == kind ? 1 : 0;
    return count;
}

// One line per object: its kind, place, heading and vertex count, with the
// full precision of its doubles so that traces of two builds compare exactly.
void WriteObjects(std::FILE* out) {
    for (const auto& object : ObjectList) {
        std::fprintf(out, "  kind=%d x=%.17g y=%.17g vx=%.17g vy=%.17g heading=%d spin=%d points=%d alive=%d\n",
                     static_cast<int>(object->kind), object->positionX, object->positionY,
                     object->velocityX, object->velocityY, object->heading, object->spin,
                     object->pointCount(), object->alive);
    }
}

// The ship's state, or "-" while there is none.
void WriteShip(std::FILE* out) {
    if (CurrentShip == nullptr) {
        std::fputs(" ship=-", out);
        return;
    }
    const Ship& s = *CurrentShip;
    std::fprintf(out,
                 " ship=x:%.17g,y:%.17g,vx:%.17g,vy:%.17g,heading:%d,spin:%d,inv:%d,fired:%d,"
                 "pending:%d,hyper:%d,out:%d,radius:%d,pulse:%d,thrust:%d",
                 s.positionX, s.positionY, s.velocityX, s.velocityY, s.heading, s.spin,
                 s.invulnerable, s.justFired, s.pendingInvulnerable, s.inHyperspace,
                 s.hyperspaceOutbound, s.hyperspaceRadius, s.pulsePhase, s.thrusting);
}

// The saucer's state, or "-" while there is none.
void WriteSaucer(std::FILE* out) {
    if (CurrentSaucer == nullptr) {
        std::fputs(" saucer=-", out);
        return;
    }
    const Saucer& s = *CurrentSaucer;
    std::fprintf(out, " saucer=x:%.17g,y:%.17g,vx:%.17g,vy:%.17g,large:%d,course:%d,brightness:%d",
                 s.positionX, s.positionY, s.velocityX, s.velocityY, s.isLarge, s.course,
                 s.brightness);
}

// The name being typed and the high-score table.
void WriteScores(std::FILE* out) {
    std::fprintf(out, " name=\"%s\" table=", PlayerName);
    for (int k = 0; k < HighScorePlaces; ++k) {
        const HighScoreEntry& e = HighScoreTable[k];
        std::fprintf(out, "%s%.*s:%d", k == 0 ? "" : ",", static_cast<int>(strnlen(e.name, NameBytes)),
                     e.name, e.score);
    }
}

}  // namespace

void WriteTickLine(std::FILE* out, std::int64_t tick, std::int64_t virtualTimeMs, bool verbose) {
    std::fprintf(out,
                 "tick=%lld t=%lld objects=%zu asteroids=%zu status=%d score=%d lives=%d level=%d page=%d "
                 "playing=%d gameover=%d nameentry=%d tobeat=%d mass=%d/%d sound=%d fireheld=%d "
                 "hyperheld=%d",
                 static_cast<long long>(tick), static_cast<long long>(virtualTimeMs),
                 ObjectList.size(), CountOf(EntityKind::Asteroid), StatusCounter, Score, Lives, Level, TitlePage, Playing,
                 GameOver, NameEntryActive, ScoreToBeat, AsteroidMassLeft, AsteroidMassTotal,
                 SoundOn, FireHeld, HyperspaceHeld);
    WriteShip(out);
    WriteSaucer(out);
    WriteScores(out);
    WriteTimers(out);
    std::fputc('\n', out);
    if (verbose) WriteObjects(out);
}

std::uint64_t HashPixels(const platform::Bitmap& bitmap) {
    constexpr std::uint64_t OffsetBasis = 14695981039346656037ull;
    constexpr std::uint64_t Prime = 1099511628211ull;
    std::uint64_t hash = OffsetBasis;
    for (const std::uint8_t pixel : bitmap.pixels()) {
        hash ^= pixel;
        hash *= Prime;
    }
    return hash;
}

bool WritePgm(const platform::Bitmap& bitmap, const char* path) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    std::fprintf(file, "P5\n%d %d\n255\n", bitmap.width(), bitmap.height());
    const auto& pixels = bitmap.pixels();
    const bool written = std::fwrite(pixels.data(), 1, pixels.size(), file) == pixels.size();
    return std::fclose(file) == 0 && written;
}
