#pragma once

#include <string_view>

// The bytes of the sample preset file.
extern const std::string_view kSamplePresets;
