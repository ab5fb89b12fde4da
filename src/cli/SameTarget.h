#pragma once

#include <string>

namespace quorvel {

// Whether two file names given on the command line would write the same regular file
// (the same text, or names that lead to one file, such as "x.png" and "./x.png"). A
// device or FIFO named twice is not counted: writing it twice replaces nothing.
bool NameTheSameFile(const std::string& first, const std::string& second);

} // namespace quorvel
