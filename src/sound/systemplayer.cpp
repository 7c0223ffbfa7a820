// Placeholder until the sound cues are built: a player that plays nothing.
#include "sound/systemplayer.h"

namespace {
class SilentPlayer final : public SoundPlayer {
public:
    void play(const std::string&) override {}
};
} // namespace

std::unique_ptr<SoundPlayer> makeSystemSoundPlayer()
{
    return std::make_unique<SilentPlayer>();
}
