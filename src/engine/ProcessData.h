#pragma once

// The state that the equilibrium engine shares with the user interface: the feed as
// entered, the feed per mole of feed gas, the process conditions and the results of
// the last sweep. One instance of each lives in the Engine object.

namespace quorvel {

inline constexpr int FeedComponentCount = 9;

// The feed gas in per cent by volume, in the feed dialog's row order: methane, ethane,
// propane, butane, inert gas, CO, CO2, hydrogen, water.
struct FeedComposition {
    double values[FeedComponentCount];

    double& CH4() { return values[0]; }
    double CH4() const { return values[0]; }
    double& C2H6() { return values[1]; }
    double C2H6() const { return values[1]; }
    double& C3H8() { return values[2]; }
    double C3H8() const { return values[2]; }
    double& C4H10() { return values[3]; }
    double C4H10() const { return values[3]; }
    double& N2() { return values[4]; } // nitrogen and other inert gases
    double N2() const { return values[4]; }
    double& CO() { return values[5]; }
    double CO() const { return values[5]; }
    double& CO2() { return values[6]; }
    double CO2() const { return values[6]; }
    double& H2() { return values[7]; }
    double H2() const { return values[7]; }
    double& H2O() { return values[8]; }
    double H2O() const { return values[8]; }

    // Index 0 to 8 in the order above.
    double& operator[](int index) { return values[index]; }
    double operator[](int index) const { return values[index]; }
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
