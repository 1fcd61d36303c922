// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A list of fixed capacity with the game's removal rule: removing entry i moves the last entry
// into slot i, so after removals the order is no longer the order of appending. The search's
// results depend on that order.
//
// A list that fills up refuses further entries and remembers that it overflowed; callers finish
// their work with what it holds and report the condition.

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <vector>

namespace kov {

constexpr int ListCapacity = 16384;

template <typename T>
class FixedList {
  public:
    explicit FixedList(int capacity = ListCapacity)
        : items_(static_cast<std::size_t>(capacity)), capacity_(capacity) {}

    int capacity() const { return capacity_; }
    int count() const { return count_; }
    bool empty() const { return count_ == 0; }
    bool overflowed() const { return overflowed_; }

    void clear() {
        count_ = 0;
        overflowed_ = false;
    }
    // Appends and answers true. Reaching the capacity marks the list as overflowed, so a list
    // that filled exactly counts as overflowed as well; a full list refuses the entry (false).
    bool append(const T& value) {
        if (count_ == capacity()) {
            overflowed_ = true;
            return false;
        }
        items_[static_cast<std::size_t>(count_++)] = value;
        if (count_ == capacity()) overflowed_ = true;
        return true;
    }
    void removeAt(int i) {
        assert(i >= 0 && i < count_);
        --count_;
        items_[static_cast<std::size_t>(i)] = items_[static_cast<std::size_t>(count_)];
    }
    // Copies the entries of `other`, which holds no more than this list's capacity.
    void copyFrom(const FixedList& other) {
        assert(other.count_ <= capacity());
        count_ = std::min(other.count_, capacity());
        std::copy(other.items_.begin(), other.items_.begin() + count_, items_.begin());
        overflowed_ = other.overflowed_;
    }

    T& operator[](int i) {
        assert(i >= 0 && i < capacity());
        return items_[static_cast<std::size_t>(i)];
    }
    const T& operator[](int i) const {
        assert(i >= 0 && i < capacity());
        return items_[static_cast<std::size_t>(i)];
    }
    T* begin() { return items_.data(); }
    T* end() { return items_.data() + count_; }
    const T* begin() const { return items_.data(); }
    const T* end() const { return items_.data() + count_; }

  private:
    std::vector<T> items_;  // allocated once; nothing allocates afterwards
    std::int32_t capacity_;
    std::int32_t count_ = 0;
    bool overflowed_ = false;
};

}  // namespace kov
