// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Four 32-bit integers in one vector register, for the scans that look at four list entries at
// once (the search's dominance scans, the evaluation's column scoring). A compare of two Lanes
// gives all ones in each lane where it holds and zero elsewhere, so masks combine with & | ~.
// Everything here is inlined into its callers: these are the hot loops' building blocks.

#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kov {

using Lanes = std::int32_t __attribute__((vector_size(16)));
constexpr int LaneCount = 4;

// Four consecutive values from p (no alignment needed).
[[gnu::always_inline]] inline Lanes loadLanes(const std::int32_t* p) {
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

[[gnu::always_inline]] inline void storeLanes(std::int32_t* p, const Lanes& v) {
    std::memcpy(p, &v, sizeof v);
}

// x in every lane.
[[gnu::always_inline]] inline Lanes broadcast(std::int32_t x) {
    return Lanes{x, x, x, x};
}

// Whether any lane holds a one bit.
[[gnu::always_inline]] inline bool anyLane(Lanes v) {
#if defined(__SSE2__)
    return _mm_movemask_epi8(reinterpret_cast<__m128i>(v)) != 0;
#else
    return (v[0] | v[1] | v[2] | v[3]) != 0;
#endif
}

// The first lane holding ones (of a compare's mask), or -1.
[[gnu::always_inline]] inline int firstLane(Lanes v) {
#if defined(__SSE2__)
    const int bits = _mm_movemask_ps(reinterpret_cast<__m128>(v));
    return bits == 0 ? -1 : std::countr_zero(static_cast<unsigned>(bits));
#else
    for (int i = 0; i < 4; ++i)
        if (v[i] != 0) return i;
    return -1;
#endif
}

}  // namespace kov
