#pragma once

// The stage finder's first inputs, a usual moving-magnet stage, as the
// window, the page and varnholt-calc all show them until the user types
// their own: field text (ASCII, so also UTF-8).
inline constexpr const char* kDefaultCableText = "100p";    // tone-arm cable capacitance
inline constexpr const char* kDefaultBandEdgeText = "20k";  // flatness up to this frequency
