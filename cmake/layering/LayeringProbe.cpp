// Preprocessed with one library's include roots and one header of another library: the
// layering tests expect every include to be found only where the arrows allow it.
#include QUORVEL_PROBE_HEADER
