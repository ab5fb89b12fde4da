#pragma once

#include "engine/Engine.h"

namespace quorvel {

// Puts the engine's working conditions and the refinement's memory back as they were
// when it goes out of scope, also when a floating-point fault ends the calculation: the
// searches over many points (carbon limit, maps, target search) leave the engine as the
// last sweep left it.
class RestoreConditions {
public:
    explicit RestoreConditions(Engine& engine)
        : engine_(engine), conditions_(engine.processConditions), refinement_(engine.refinement) {}
    ~RestoreConditions() {
        engine_.processConditions = conditions_;
        engine_.refinement = refinement_;
    }
    RestoreConditions(const RestoreConditions&) = delete;
    RestoreConditions& operator=(const RestoreConditions&) = delete;

private:
    Engine& engine_;
    const ProcessConditions conditions_;
    const RefinementState refinement_;
};

} // namespace quorvel
