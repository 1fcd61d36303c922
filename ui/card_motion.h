// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The felt table's cards as items whose place, side and depth change over time. Each item goes
// from where it is to where it is sent, after an optional delay, over a duration; painting reads
// the items as they stand at the clock's time and changes nothing. A clock drives the motion: the
// frame clock of the running game, or one that a test advances by hand.
//
// Our own small model rather than a QGraphicsScene: the felt table already paints one widget from
// its layout and hit-tests its cells from the same data, so a card model with a clock keeps the
// one painter and the one hit-test, and a test drives the clock and reads every card's place
// without a scene, an event loop or real time.

#include <QElapsedTimer>
#include <QObject>
#include <QRectF>
#include <QTimer>
#include <map>
#include <vector>

#include "ui/motion_speed.h"

namespace kov::ui {

// The time the motion reads, in milliseconds, and a tick each frame while it is running.
class MotionClock : public QObject {
    Q_OBJECT
  public:
    virtual qint64 now() const = 0;
    // Ticks while anyone that started it has not stopped it (what moves starts it, and stops it
    // once still).
    void start() {
        if (users_++ == 0) begin();
    }
    void stop() {
        if (users_ > 0 && --users_ == 0) end();
    }
    bool running() const { return users_ > 0; }
  signals:
    void ticked();

  protected:
    virtual void begin() = 0;
    virtual void end() = 0;

  private:
    int users_ = 0;
};

// The running game's clock: wall time, a tick about every 16 ms (60 frames a second).
class FrameClock : public MotionClock {
    Q_OBJECT
  public:
    FrameClock();
    qint64 now() const override { return elapsed_.elapsed(); }

  protected:
    void begin() override;
    void end() override { timer_.stop(); }

  private:
    QElapsedTimer elapsed_;
    QTimer timer_;
};

// A clock that a test drives: its time moves only when advanced, each advance a tick.
class ManualClock : public MotionClock {
    Q_OBJECT
  public:
    qint64 now() const override { return now_; }
    void advance(qint64 ms) {
        now_ += ms;
        emit ticked();
    }

  protected:
    void begin() override {}
    void end() override {}

  private:
    qint64 now_ = 0;
};

// Where a card lies: its rectangle, face up or down, and its depth (higher on top).
struct CardPose {
    QRectF rect;
    bool faceUp = true;
    double depth = 0;
    bool operator==(const CardPose&) const = default;
};

class CardMotion : public QObject {
    Q_OBJECT
  public:
    explicit CardMotion(MotionClock& clock, QObject* parent = nullptr);

    void setSpeed(MotionSpeed speed);
    MotionSpeed speed() const { return speed_; }
    // A duration or delay of the normal speed at the speed in force.
    qint64 scaled(qint64 ms) const;

    // Sends card `key` to `to`: after `delayMs`, over `durationMs` (both at normal speed, scaled
    // here), from where it stands now; a card not yet on the table appears at `from` first. A card
    // already on its way to `to`, or lying there, keeps as it is.
    void send(int key, const CardPose& to, qint64 durationMs, qint64 delayMs = 0);
    void send(int key, const CardPose& from, const CardPose& to, qint64 durationMs, qint64 delayMs);
    // Then, `gapMs` after it got there, on to `to`; `leave`: off the table once there.
    void then(int key, const CardPose& to, qint64 durationMs, qint64 gapMs, bool leave = false);
    // Puts a card at `at` at once.
    void place(int key, const CardPose& at);
    void remove(int key);
    void clear();

    bool contains(int key) const { return items_.count(key) != 0; }
    // The card as it stands now, and where it is going.
    CardPose pose(int key) const;
    CardPose target(int key) const;
    std::size_t size() const { return items_.size(); }
    // Every card as it stands now, lowest first; a card turning over is narrowed about its
    // middle (`turn` from 1, flat, to 0, edge on).
    struct Shown {
        int key;
        CardPose pose;
        double turn = 1;
    };
    std::vector<Shown> shown() const;

    bool moving() const;
    // Every card at once where it is going (input during a motion finishes it).
    void finish();

  signals:
    // The cards moved: repaint.
    void changed();
    // Every card reached its place.
    void settled();

  private:
    struct Leg {
        CardPose to;
        qint64 start = 0, duration = 0;
    };
    struct Item {
        CardPose from;          // where the first leg starts
        std::vector<Leg> legs;  // one after another
        bool leave = false;     // off the table after the last leg
        qint64 end() const { return legs.empty() ? 0 : legs.back().start + legs.back().duration; }
    };
    struct Now {
        CardPose pose;
        double turn = 1;
    };
    Now at(const Item& item, qint64 now) const;
    void onTick();
    void run();
    void dropLeft();

    MotionClock& clock_;
    MotionSpeed speed_ = MotionSpeed::Normal;
    std::map<int, Item> items_;
    bool running_ = false;
};

}  // namespace kov::ui
