#include "engine/Engine.h"

namespace quorvel {

void InitialSetData(Engine& engine) {
    FeedComposition& feed = engine.feedComposition;
    for (int i = 0; i < FeedComponentCount; ++i) {
        feed[i] = 0;
    }
    feed.CH4() = 100;
    PreparationVar(engine);
}

void PreparationVar(Engine& engine) {
    const FeedComposition& f = engine.feedComposition;
    FeedTotals& t = engine.feedTotals;
    // Each heavier hydrocarbon with n carbons counts as n methane and takes n - 1
    // hydrogen; the whole bracket is scaled, not each term.
    t.C = (f.CH4() + 2 * f.C2H6() + 3 * f.C3H8() + 4 * f.C4H10()) * 0.01;
    t.CO = f.CO() * 0.01;
    t.CO2 = f.CO2() * 0.01;
    t.H2 = (f.H2() - f.C2H6() - 2 * f.C3H8() - 3 * f.C4H10()) * 0.01;
    t.N2 = f.N2() * 0.01;
    t.H2O = f.H2O() * 0.01;
}

} // namespace quorvel
