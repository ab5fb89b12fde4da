#pragma once

// Standard thermodynamic properties of the species of steam reforming, from the NASA
// Glenn 9-coefficient polynomials (McBride, Zehe, Gordon, NASA/TP-2002-211556; records
// copied from the thermo.inp of NASA's CEA, engine/data/nasa-glenn-thermo-extract.inp).
// Gases are ideal gases at 1 bar, graphite the pure solid. Temperatures in kelvin.
// H is the assigned enthalpy: the heat of formation at 298.15 K plus the sensible heat,
// so differences of H across a reaction are heats of reaction.
//
// The data are parsed from the text built into the program on first use; afterwards
// every call is pure arithmetic and allocates nothing.

namespace quorvel {

// O2 and Ar come last so that the indices of the reforming species stay as they were:
// they serve the oxidant of a secondary reformer (air, oxygen).
enum class Species { CH4, C2H6, C3H8, C4H10, N2, CO, CO2, H2, H2O, Graphite, O2, Ar };
inline constexpr int SpeciesCount = 12;

inline constexpr double GasConstant = 8.314462618;     // J/(mol K), as the data's equations use
inline constexpr double BarPerAtm = 1.01325;           // 1 atm = 1.01325 bar
inline constexpr double StandardKelvinOffset = 273.15; // kelvin = Celsius + 273.15

// The name of the species's record in the data, e.g. "C4H10,n-butane" or "C(gr)".
const char* SpeciesRecordName(Species species);

double CpOverR(Species species, double T);
double HOverRT(Species species, double T);
double SOverR(Species species, double T);
double GOverRT(Species species, double T); // H/RT - S/R

double EnthalpyJPerMol(Species species, double T);
double GibbsJPerMol(Species species, double T);

// One species of a reaction with its stoichiometric coefficient: positive for a
// product, negative for a reactant.
struct ReactionTerm {
    Species species;
    double coefficient;
};

inline constexpr int ReactionMaxTerms = 4;

struct Reaction {
    int termCount;
    ReactionTerm terms[ReactionMaxTerms];
};

// CH4 + H2O = CO + 3 H2
inline constexpr Reaction SteamReforming{
    4, {{Species::CH4, -1}, {Species::H2O, -1}, {Species::CO, 1}, {Species::H2, 3}}};
// CO + H2O = CO2 + H2
inline constexpr Reaction WaterGasShift{
    4, {{Species::CO, -1}, {Species::H2O, -1}, {Species::CO2, 1}, {Species::H2, 1}}};
// CH4 = C(gr) + 2 H2
inline constexpr Reaction MethaneCracking{
    3, {{Species::CH4, -1}, {Species::Graphite, 1}, {Species::H2, 2}, {}}};
// 2 CO = C(gr) + CO2
inline constexpr Reaction Boudouard{
    3, {{Species::CO, -2}, {Species::Graphite, 1}, {Species::CO2, 1}, {}}};

// Standard Gibbs energy of reaction divided by RT: sum of coefficient x G/RT.
double ReactionGibbsOverRT(const Reaction& reaction, double T);
// Standard Gibbs energy of reaction, J/mol.
double ReactionGibbsJPerMol(const Reaction& reaction, double T);
// Standard heat of reaction, J/mol.
double ReactionEnthalpyJPerMol(const Reaction& reaction, double T);
// exp(-dG/RT): the equilibrium constant with partial pressures in bar.
double EquilibriumConstantBar(const Reaction& reaction, double T);

} // namespace quorvel
