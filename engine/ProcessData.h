#pragma once

// The state that the equilibrium engine shares with the user interface: the feed as
// entered, the feed per mole of feed gas, the process conditions and the results of
// the last sweep. One instance of each lives in the Engine object.

namespace quorvel {

inline constexpr int FeedComponentCount = 9;

// The feed gas in per cent by volume, in the feed dialog's row order.
struct FeedComposition {
    double CH4;
    double C2H6;
    double C3H8;
    double C4H10;
    double N2; // nitrogen and other inert gases
    double CO;
    double CO2;
    double H2;
    double H2O;

    // Index 0 to 8 in the order above.
    double& operator[](int index) { return (&CH4)[index]; }
    double operator[](int index) const { return (&CH4)[index]; }
};

// Moles per mole of feed gas, heavier hydrocarbons counted as methane. The model
// reads only these.
struct FeedTotals {
    double C; // hydrocarbon carbon counted as methane
    double CO;
    double CO2;
    double H2; // hydrogen less what the heavier hydrocarbons take; may be negative
    double N2;
    double H2O;
};

struct ProcessConditions {
    double InputPressure; // atm, as entered (after clamping)
    double K1;            // reforming constant, atm^2
    double K2;            // shift constant
    double Tolerance;     // handed to the solver
    double Ratio;         // working steam ratio, mol steam per mol feed gas
    double Temperature;   // working temperature, K
    double Pressure;      // working pressure, atm
};

inline constexpr int ResultCapacity = 101;

// One entry per sweep point; entries above LastIndex hold an earlier run's values.
struct ResultSeries {
    double CH4[ResultCapacity];
    double CO[ResultCapacity];
    double CO2[ResultCapacity];
    double H2[ResultCapacity];
    double N2[ResultCapacity];
    double VolumeChange[ResultCapacity];
    double H2toCO[ResultCapacity];
    double CO2toCO[ResultCapacity];
    double XValue[ResultCapacity];
    int LastIndex;
};

} // namespace quorvel
