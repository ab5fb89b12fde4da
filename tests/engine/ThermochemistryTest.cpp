// The species data against the reference values computed from the NASA Glenn records,
// and the parser against malformed text.

#include "engine/Thermochemistry.h"
#include "engine/NasaRecords.h"
#include "engine/NasaThermoText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quorvel {
namespace {

// Relative agreement to six significant digits: within half a unit of the sixth.
void ExpectSixDigits(double expected, double actual, const char* what, double celsius) {
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 5);
    EXPECT_NEAR(actual, expected, 0.5 * unit) << what << " at " << celsius << " C";
}

TEST(Thermochemistry, EquilibriumConstantsMatchReferenceTable) {
    struct Row {
        double celsius;
        double K1;
        double K2;
        double Kc;
        double Kb;
    };
    // Reference values of the data's README, computed from the same records.
    const Row rows[] = {
        {600, 0.510055, 2.66329, 2.22235, 11.3027},
        {700, 12.1655, 1.60999, 7.75602, 0.99977},
        {800, 162.533, 1.08152, 21.6733, 0.140471},
        {900, 1403.93, 0.784833, 51.1393, 0.0278454},
        {1000, 8660.73, 0.603526, 105.765, 0.00717874},
    };
    for (const Row& row : rows) {
        const double T = row.celsius + StandardKelvinOffset;
        ExpectSixDigits(row.K1, EquilibriumConstantBar(SteamReforming, T) / (BarPerAtm * BarPerAtm),
                        "K1", row.celsius);
        ExpectSixDigits(row.K2, EquilibriumConstantBar(WaterGasShift, T), "K2", row.celsius);
        ExpectSixDigits(row.Kc, EquilibriumConstantBar(MethaneCracking, T), "Kc", row.celsius);
        ExpectSixDigits(row.Kb, EquilibriumConstantBar(Boudouard, T), "Kb", row.celsius);
    }
}

TEST(Thermochemistry, HeatsOfReactionAtStandardTemperature) {
    const double T = 298.15;
    EXPECT_NEAR(ReactionEnthalpyJPerMol(SteamReforming, T) / 1000, 205.89, 0.005);
    EXPECT_NEAR(ReactionEnthalpyJPerMol(WaterGasShift, T) / 1000, -41.15, 0.005);
    // At 298.15 K each assigned enthalpy is the heat of formation of the record, which
    // the polynomials reproduce within a few J/mol.
    EXPECT_NEAR(EnthalpyJPerMol(Species::CH4, T), -74600.0, 3.0);
    EXPECT_NEAR(EnthalpyJPerMol(Species::CO2, T), -393510.0, 3.0);
    EXPECT_NEAR(EnthalpyJPerMol(Species::Graphite, T), 0.0, 3.0);
    EXPECT_NEAR(EnthalpyJPerMol(Species::H2, T), 0.0, 3.0);
}

TEST(Thermochemistry, PropertiesAreConsistentAndContinuous) {
    const Species all[] = {Species::CH4, Species::C2H6,     Species::C3H8, Species::C4H10,
                           Species::N2,  Species::CO,       Species::CO2,  Species::H2,
                           Species::H2O, Species::Graphite, Species::O2,   Species::Ar};
    for (Species s : all) {
        // Off the joints of the intervals, where the slopes of the two polynomials differ
        // slightly: dH/dT = Cp and dS/dT = Cp/T, by central differences.
        for (double T = 425; T <= 1500; T += 50) {
            const double h = 1e-3;
            const double dH = (HOverRT(s, T + h) * (T + h) - HOverRT(s, T - h) * (T - h)) / (2 * h);
            const double dS = (SOverR(s, T + h) - SOverR(s, T - h)) / (2 * h);
            ASSERT_NEAR(dH, CpOverR(s, T), 1e-5 * CpOverR(s, T)) << SpeciesRecordName(s) << T;
            ASSERT_NEAR(dS * T, CpOverR(s, T), 1e-5 * CpOverR(s, T)) << SpeciesRecordName(s) << T;
            ASSERT_DOUBLE_EQ(GibbsJPerMol(s, T), (HOverRT(s, T) - SOverR(s, T)) * GasConstant * T)
                << SpeciesRecordName(s) << T;
        }
        // The intervals meet at 1000 K (gases) and 600 K (graphite) without a jump.
        const double joint = s == Species::Graphite ? 600 : 1000;
        EXPECT_NEAR(HOverRT(s, joint - 1e-9), HOverRT(s, joint + 1e-9), 1e-4)
            << SpeciesRecordName(s);
        EXPECT_NEAR(SOverR(s, joint - 1e-9), SOverR(s, joint + 1e-9), 1e-4) << SpeciesRecordName(s);
    }
    // Tabulated values at 1000 K: Cp of N2 32.70 J/(mol K), of H2O 41.27.
    EXPECT_NEAR(CpOverR(Species::N2, 1000) * GasConstant, 32.70, 0.05);
    EXPECT_NEAR(CpOverR(Species::H2O, 1000) * GasConstant, 41.27, 0.05);
}

TEST(NasaRecords, BuiltInTextHoldsTheTwelveSpecies) {
    NasaRecord records[14];
    const NasaParseOutcome outcome = ParseNasaRecords(NasaThermoText, records, 14);
    ASSERT_EQ(outcome.ErrorLine, 0);
    ASSERT_EQ(outcome.RecordCount, 12);
    EXPECT_STREQ(records[0].Name, "CH4");
    EXPECT_EQ(records[0].IntervalCount, 2);
    EXPECT_FALSE(records[0].Condensed);
    EXPECT_DOUBLE_EQ(records[0].MolarMass, 16.04246);
    EXPECT_DOUBLE_EQ(records[0].HeatOfFormation, -74600.0);
    EXPECT_DOUBLE_EQ(records[0].Intervals[0].a[0], -1.766850998e5);
    EXPECT_DOUBLE_EQ(records[0].Intervals[1].b2, -1.219124889e2);
    EXPECT_STREQ(records[3].Name, "C4H10,n-butane");
    EXPECT_STREQ(records[9].Name, "O2");
    EXPECT_STREQ(records[10].Name, "Ar");
    EXPECT_STREQ(records[11].Name, "C(gr)");
    EXPECT_EQ(records[10].IntervalCount, 3);
    EXPECT_DOUBLE_EQ(records[10].MolarMass, 39.948);
    EXPECT_TRUE(records[11].Condensed);
    EXPECT_EQ(records[11].IntervalCount, 3);
    EXPECT_DOUBLE_EQ(records[11].Intervals[1].TLow, 600.0);
}

TEST(NasaRecords, MalformedTextNamesItsLine) {
    const std::string text(NasaThermoText);
    NasaRecord records[12];

    // A coefficient field spoilt on line 6 (the second coefficient line of CH4).
    std::string spoilt = text;
    const std::size_t line6 = [&] {
        std::size_t pos = 0;
        for (int i = 0; i < 5; ++i) {
            pos = spoilt.find('\n', pos) + 1;
        }
        return pos;
    }();
    spoilt.replace(line6 + 3, 4, "x.xx");
    EXPECT_EQ(ParseNasaRecords(spoilt, records, 12).ErrorLine, 6);

    // Text cut in the middle of a record.
    const NasaParseOutcome cut = ParseNasaRecords(text.substr(0, text.find("C2H6")), records, 12);
    EXPECT_EQ(cut.ErrorLine, 0);
    EXPECT_EQ(cut.RecordCount, 1);
    const NasaParseOutcome truncated =
        ParseNasaRecords(text.substr(0, text.find("C2H6") - 40), records, 12);
    EXPECT_NE(truncated.ErrorLine, 0);

    // More records than room: stops at the first that does not fit, writes nothing past.
    EXPECT_EQ(ParseNasaRecords(text, records, 3).RecordCount, 3);
    EXPECT_NE(ParseNasaRecords(text, records, 3).ErrorLine, 0);

    // Not a thermo file at all.
    EXPECT_EQ(ParseNasaRecords("hello\n", records, 12).ErrorLine, 1);
    EXPECT_EQ(ParseNasaRecords("", records, 12).ErrorLine, 1);
}

} // namespace
} // namespace quorvel
