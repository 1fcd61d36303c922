// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The table's sounds: the deal, a card put down, cards turned up, a deal won or lost, a special
// or an ILLEGAL block. The felt table asks for them through this small interface; the game plays
// them through Qt Multimedia, tests record them.

#include <memory>
#include <vector>

namespace kov::ui {

enum class Sound { Deal, Place, TurnUp, Win, Lose, Special };
inline constexpr Sound AllSounds[] = {Sound::Deal, Sound::Place, Sound::TurnUp,
                                      Sound::Win,  Sound::Lose,  Sound::Special};

class SoundPlayer {
  public:
    virtual ~SoundPlayer();
    // Starts the sound and returns at once.
    virtual void play(Sound sound) = 0;
};

// The game's own sounds (the .wav files built into the program) through QSoundEffect; without an
// audio output (no sound card, a test, the offscreen platform) it is silent, says nothing and
// never waits.
std::unique_ptr<SoundPlayer> makeSoundPlayer();

}  // namespace kov::ui
