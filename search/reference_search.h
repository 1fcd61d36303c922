#pragma once
// The straightforward search, kept as the oracle that every faster search must match entry for
// entry. For now the game's search is this one.

#include "search/arrange.h"

namespace kov {

using ReferenceSearch = SeatSearch;

}  // namespace kov
