// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound.h"

#include <QAudioDevice>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <array>

namespace kov::ui {

SoundPlayer::~SoundPlayer() = default;

namespace {

const char* fileOf(Sound sound) {
    switch (sound) {
        case Sound::Deal:
            return "qrc:/sounds/deal.wav";
        case Sound::Place:
            return "qrc:/sounds/place.wav";
        case Sound::TurnUp:
            return "qrc:/sounds/turnup.wav";
        case Sound::Win:
            return "qrc:/sounds/win.wav";
        case Sound::Lose:
            return "qrc:/sounds/lose.wav";
        case Sound::Special:
            return "qrc:/sounds/special.wav";
    }
    return "";
}

class SilentPlayer : public SoundPlayer {
  public:
    void play(Sound) override {}
};

// Each sound loaded once, played on Qt Multimedia's own thread: play() only starts it.
class EffectsPlayer : public SoundPlayer {
  public:
    explicit EffectsPlayer(const QAudioDevice& device) {
        for (const Sound s : AllSounds) {
            auto& effect = effects_[static_cast<std::size_t>(s)];
            effect = std::make_unique<QSoundEffect>(device);
            effect->setSource(QUrl(fileOf(s)));
            effect->setVolume(0.6f);
        }
    }
    void play(Sound sound) override {
        QSoundEffect& effect = *effects_[static_cast<std::size_t>(sound)];
        if (effect.status() == QSoundEffect::Ready) effect.play();
    }

  private:
    std::array<std::unique_ptr<QSoundEffect>, std::size(AllSounds)> effects_;
};

// Qt Multimedia's complaints while it looks for an audio output (no sound server) stay unsaid.
QtMessageHandler previous = nullptr;
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

std::unique_ptr<SoundPlayer> makeSoundPlayer() {
    if (QGuiApplication::platformName() == "offscreen" ||
        qEnvironmentVariableIsSet("KOVARIN32_SILENT"))
        return std::make_unique<SilentPlayer>();
    previous = qInstallMessageHandler(quiet);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(previous);
    if (device.isNull()) return std::make_unique<SilentPlayer>();
    return std::make_unique<EffectsPlayer>(device);
}

}  // namespace kov::ui
