#pragma once

namespace quorvel {

// Drops Qt's "XDG_RUNTIME_DIR not set" warning, which the off-screen drawing of a chart
// picture raises in every shell without a desktop session; the picture needs no
// runtime folder. Every other message goes on to Qt's handler.
void QuietRuntimeFolderWarning();

} // namespace quorvel
