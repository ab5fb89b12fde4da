#pragma once

namespace quorvel {

// Where the equilibrium constants K1 and K2 of a run come from.
enum class ConstantsSource {
    Builtin,  // the program's own fitted correlation, with T = t + 273 K; the default
    Standard, // the NASA Glenn species data, with T = t + 273.15 K
};

} // namespace quorvel
