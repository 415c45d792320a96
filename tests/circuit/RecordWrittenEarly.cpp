// Stores into the record before main, as a static object might: the start
// check linked with this must fail.
#include "circuit/Circuit.h"

namespace {

[[maybe_unused]] const bool kWritten = (g_circuit.C = 1e-12, true);

}  // namespace
