// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/task_pool.h"

namespace kov {

TaskPool::TaskPool(int participants) {
    for (int p = 1; p < participants; ++p)
        helpers_.emplace_back([this, p] { helperLoop(p); });
}

TaskPool::~TaskPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : helpers_)
        t.join();
}

void TaskPool::work(int participant) {
    for (int task = next_.fetch_add(1); task < count_; task = next_.fetch_add(1))
        (*job_)(participant, task);
}

void TaskPool::helperLoop(int participant) {
    unsigned seen = 0;
    while (true) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_) return;
            seen = generation_;
        }
        work(participant);
        {
            std::lock_guard lock(mutex_);
            if (--busy_ == 0) done_.notify_all();
        }
    }
}

void TaskPool::run(int count, const std::function<void(int, int)>& fn) {
    if (helpers_.empty()) {
        for (int task = 0; task < count; ++task)
            fn(0, task);
        return;
    }
    {
        std::lock_guard lock(mutex_);
        job_ = &fn;
        count_ = count;
        next_ = 0;
        busy_ = static_cast<int>(helpers_.size());
        ++generation_;
    }
    wake_.notify_all();
    work(0);
    std::unique_lock lock(mutex_);
    done_.wait(lock, [&] { return busy_ == 0; });
    job_ = nullptr;
}

}  // namespace kov
