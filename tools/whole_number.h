// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Whole numbers on the engine tool's command line: digits only (no sign, no spaces), at most
// `maxDigits` of them, and a value that fits in 64 bits. Each option then checks its own range
// and words its own refusal.

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kov::tool {

inline std::optional<std::uint64_t> wholeNumber(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace kov::tool
