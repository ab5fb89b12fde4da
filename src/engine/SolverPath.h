#pragma once

#include <optional>
#include <string_view>

namespace quorvel {

// How a sweep solves its points. Both store the same figures, bit for bit: every stored
// value is the exact root found by the refinement, which reads nothing of the solver.
//  - Designed: the damped Newton solver and, where it fails its test, the complex search
//    run first, as designed; their answer fills the workspace's unknowns and counters and
//    seeds the next point, then the refinement finds the root that is stored.
//  - Direct: the refinement alone, from its own starts; no solver, no random draws.
enum class SolverPath { Designed, Direct };

// The words the command line and batch files use for the paths.
constexpr std::string_view SolverPathWord(SolverPath path) {
    return path == SolverPath::Direct ? "direct" : "designed";
}

// The path a word names, or nothing for any other word.
constexpr std::optional<SolverPath> SolverPathOfWord(std::string_view word) {
    if (word == "designed") {
        return SolverPath::Designed;
    }
    if (word == "direct") {
        return SolverPath::Direct;
    }
    return std::nullopt;
}

} // namespace quorvel
