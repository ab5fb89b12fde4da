// Compiled against one library's include roots with one header of another library:
// the layering tests expect it to build only where the arrows allow the include.
#include QUORVEL_PROBE_HEADER
