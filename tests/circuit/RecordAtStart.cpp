// The working record as the process finds it: all zeros (+0.0, every bit),
// before any command or test has stored into it.
#include "circuit/Circuit.h"

#include <cstdio>
#include <cstring>

int main() {
  const CircuitValues zero{};
  if (std::memcmp(&g_circuit, &zero, sizeof zero) == 0) return 0;
  const CircuitValues& v = g_circuit;
  std::fprintf(stderr, "g_circuit does not start at zero: Q %g F %g RL %g C %g RS %g L %g\n", v.Q, v.F, v.RL,
               v.C, v.RS, v.L);
  return 1;
}
