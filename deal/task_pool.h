// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A small pool of helper threads that run numbered tasks; the calling thread takes part too.
// Idle helpers sleep on a condition variable.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kov {

class TaskPool {
  public:
    // `participants` threads run tasks: the caller and participants - 1 helpers.
    explicit TaskPool(int participants);
    ~TaskPool();
    TaskPool(const TaskPool&) = delete;
    TaskPool& operator=(const TaskPool&) = delete;

    int participants() const { return static_cast<int>(helpers_.size()) + 1; }
    // Runs fn(participant, task) for every task 0..count-1 and returns when all are done.
    // Participant 0 is the caller.
    void run(int count, const std::function<void(int, int)>& fn);

  private:
    void helperLoop(int participant);
    void work(int participant);

    std::vector<std::thread> helpers_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    const std::function<void(int, int)>* job_ = nullptr;
    int count_ = 0;
    std::atomic<int> next_{0};
    int busy_ = 0;
    unsigned generation_ = 0;
    bool stopping_ = false;
};

}  // namespace kov
