#include "cli/SameTarget.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>

namespace quorvel {

namespace {

// The folder part resolved by the system and the last component as given; empty
// when the folder cannot be resolved.
std::string ResolvedName(const std::string& name) {
    const std::size_t slash = name.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string(".") : name.substr(0, slash == 0 ? 1 : slash);
    const std::string last = slash == std::string::npos ? name : name.substr(slash + 1);
    char resolved[PATH_MAX];
    if (::realpath(folder.c_str(), resolved) == nullptr)
        return {};
    return std::string(resolved) + "/" + last;
}

} // namespace

bool NameTheSameFile(const std::string& first, const std::string& second) {
    struct stat a {};
    struct stat b {};
    const bool firstExists = ::stat(first.c_str(), &a) == 0;
    const bool secondExists = ::stat(second.c_str(), &b) == 0;
    if (firstExists && !S_ISREG(a.st_mode))
        return false;
    if (firstExists && secondExists)
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    if (first == second)
        return true;
    const std::string resolvedFirst = ResolvedName(first);
    return !resolvedFirst.empty() && resolvedFirst == ResolvedName(second);
}

} // namespace quorvel
