#pragma once

namespace quorvel {

// The text of quorvel-sweep --help (UTF-8).
const char* SweepHelpText();

} // namespace quorvel
