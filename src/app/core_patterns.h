#pragma once
// The forms in which the core composes texts from pieces: "%1", "%2" stand
// for the pieces (a number, a path, another text).
#include <span>

namespace dorvik {

std::span<const char* const> CorePatterns();

}  // namespace dorvik
