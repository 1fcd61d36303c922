// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/card_motion.h"

#include <algorithm>
#include <cmath>

namespace kov::ui {

FrameClock::FrameClock() {
    elapsed_.start();
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(16);
    connect(&timer_, &QTimer::timeout, this, &MotionClock::ticked);
}

void FrameClock::begin() {
    timer_.start();
}

CardMotion::CardMotion(MotionClock& clock, QObject* parent) : QObject(parent), clock_(clock) {
    connect(&clock_, &MotionClock::ticked, this, &CardMotion::onTick);
}

void CardMotion::setSpeed(MotionSpeed speed) {
    speed_ = speed;
    if (speed == MotionSpeed::Off) finish();
}

qint64 CardMotion::scaled(qint64 ms) const {
    return speed_ == MotionSpeed::Off ? 0 : speed_ == MotionSpeed::Fast ? ms / 2 : ms;
}

void CardMotion::send(int key, const CardPose& to, qint64 durationMs, qint64 delayMs) {
    const auto it = items_.find(key);
    if (it == items_.end()) {
        place(key, to);
        return;
    }
    if (target(key) == to) return;
    send(key, pose(key), to, durationMs, delayMs);
}

void CardMotion::send(int key, const CardPose& from, const CardPose& to, qint64 durationMs,
                      qint64 delayMs) {
    Item& item = items_[key];
    item.from = from;
    item.legs = {{to, clock_.now() + scaled(delayMs), scaled(durationMs)}};
    item.leave = false;
    run();
    emit changed();
}

void CardMotion::then(int key, const CardPose& to, qint64 durationMs, qint64 gapMs, bool leave) {
    const auto it = items_.find(key);
    if (it == items_.end()) return;
    Item& item = it->second;
    item.legs.push_back(
        {to, std::max(item.end(), clock_.now()) + scaled(gapMs), scaled(durationMs)});
    item.leave = leave;
    if (leave && item.end() <= clock_.now()) {  // no motion: gone at once
        items_.erase(it);
        emit changed();
        return;
    }
    run();
}

void CardMotion::place(int key, const CardPose& at) {
    items_[key] = Item{at, {{at, clock_.now(), 0}}, false};
    emit changed();
}

void CardMotion::remove(int key) {
    if (items_.erase(key)) emit changed();
}

void CardMotion::clear() {
    items_.clear();
    emit changed();
}

CardMotion::Now CardMotion::at(const Item& item, qint64 now) const {
    CardPose from = item.from;
    for (const Leg& leg : item.legs) {
        if (now < leg.start) return {from, 1};  // waiting for its leg
        if (leg.duration > 0 && now < leg.start + leg.duration) {
            const double t =
                static_cast<double>(now - leg.start) / static_cast<double>(leg.duration);
            // Eased in and out: fast in the middle of the way, slow at both ends.
            const double e = t * t * (3 - 2 * t);
            const auto mix = [e](double a, double b) { return a + (b - a) * e; };
            const QRectF a = from.rect, b = leg.to.rect;
            Now out;
            out.pose.rect = QRectF(mix(a.left(), b.left()), mix(a.top(), b.top()),
                                   mix(a.width(), b.width()), mix(a.height(), b.height()));
            // A card turning over shows its new side from half way, narrowed about its middle.
            out.pose.faceUp = t < 0.5 ? from.faceUp : leg.to.faceUp;
            if (from.faceUp != leg.to.faceUp) out.turn = std::abs(std::cos(t * M_PI));
            // On its way a card flies above those lying still.
            out.pose.depth = std::max(from.depth, leg.to.depth) + 1000;
            return out;
        }
        from = leg.to;
    }
    return {from, 1};
}

CardPose CardMotion::pose(int key) const {
    const auto it = items_.find(key);
    return it == items_.end() ? CardPose{} : at(it->second, clock_.now()).pose;
}

CardPose CardMotion::target(int key) const {
    const auto it = items_.find(key);
    if (it == items_.end()) return {};
    return it->second.legs.empty() ? it->second.from : it->second.legs.back().to;
}

std::vector<CardMotion::Shown> CardMotion::shown() const {
    std::vector<Shown> out;
    out.reserve(items_.size());
    const qint64 now = clock_.now();
    for (const auto& [key, item] : items_) {
        const Now n = at(item, now);
        out.push_back({key, n.pose, n.turn});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Shown& a, const Shown& b) { return a.pose.depth < b.pose.depth; });
    return out;
}

bool CardMotion::moving() const {
    const qint64 now = clock_.now();
    return std::any_of(items_.begin(), items_.end(),
                       [&](const auto& kv) { return now < kv.second.end(); });
}

void CardMotion::dropLeft() {
    const qint64 now = clock_.now();
    for (auto it = items_.begin(); it != items_.end();)
        it = it->second.leave && now >= it->second.end() ? items_.erase(it) : std::next(it);
}

void CardMotion::finish() {
    for (auto it = items_.begin(); it != items_.end();) {
        if (it->second.leave) {
            it = items_.erase(it);
            continue;
        }
        const CardPose to = target(it->first);
        it->second = Item{to, {{to, clock_.now(), 0}}, false};
        ++it;
    }
    if (running_) {
        running_ = false;
        clock_.stop();
        emit changed();
        emit settled();
    }
}

void CardMotion::run() {
    if (running_ || !moving()) return;
    running_ = true;
    clock_.start();
}

void CardMotion::onTick() {
    if (!running_) return;
    dropLeft();
    emit changed();
    if (!moving()) {
        running_ = false;
        clock_.stop();
        emit settled();
    }
}

}  // namespace kov::ui
