#pragma once
// The forms in which the core composes texts from pieces: "%1", "%2" stand
// for the pieces (a number, a path, another text).
#include <span>

namespace dorvik {

std::span<const char* const> CorePatterns();

// The forms of the run meter's text ("12 of 40, 1:05 left", "7 lines
// received"), matched against that text alone.
std::span<const char* const> RunMeterForms();

}  // namespace dorvik
