#pragma once

#include <string>

// Levels and phases are read as rises and falls, so they always carry their
// sign. Locale-free, through FormatFixed.

// `value` with `decimals` decimals and its sign: "+3.15", "-1.20". A value
// that rounds to zero is "+0.00", never "-0.00".
std::string SignedFixed(double value, int decimals);

// A level in dB with two decimals: "+3.15 dB", "-1.20 dB", "+0.00 dB".
std::string SignedDbText(double db);
