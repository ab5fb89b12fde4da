#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <charconv>
#include <cmath>

#include "QuorvelVersion.h"
#include "cli/SweepOptions.h"

namespace {

struct SweepRun {
    int exitCode = -1;
    QString out;
    QString err;
    // The printed lines, each of which ends with a line break.
    QStringList outLines() const {
        QStringList lines = out.split('\n');
        if (lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }
    QStringList errLines() const { return err.split('\n', Qt::SkipEmptyParts); }
};

// Runs quorvel-sweep with the given arguments and C locale unless `locale` says else.
// `input`, when given, is written to its standard input.
SweepRun Sweep(const QStringList& arguments, const QString& locale = QStringLiteral("C"),
               const QByteArray& input = QByteArray()) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", locale);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORVEL_SWEEP_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    SweepRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray ReadFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double ToDouble(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    double value = std::nan("");
    std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), value);
    return value;
}

TEST(SweepProgram, DefaultsPrintTheStartUpTableWithTheLocalesSeparator) {
    const SweepRun russian = Sweep({}, QStringLiteral("ru_RU.UTF-8"));
    ASSERT_EQ(russian.exitCode, 0) << russian.err.toStdString();
    EXPECT_EQ(russian.err, QString());
    const QStringList lines = russian.out.split('\n');
    ASSERT_EQ(lines.size(), 5 + 77 + 1); // the last line ends with a line break too
    EXPECT_EQ(lines[0], QStringLiteral("Температура, град. С: 860"));
    EXPECT_EQ(lines[1], QStringLiteral("Давление, атм       : 25"));
    EXPECT_EQ(lines[2], QString());
    EXPECT_EQ(lines[3], QStringLiteral("Состав сухого синтез-газа, мол. д."));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("    0,20   0,")));
    EXPECT_TRUE(lines[81].startsWith(QStringLiteral("    4,00   0,")));
    for (int i = 5; i <= 81; ++i)
        EXPECT_EQ(lines[i].size(), 57) << lines[i].toStdString();

    // The fixed ratio of other sweeps defaults to the window's 2.5.
    EXPECT_EQ(Sweep({"--sweep", "temperature"}).outLines().at(0),
              QStringLiteral("Соотношение пар/метан, мол.д.: 2.5"));
    const SweepRun c = Sweep({});
    EXPECT_TRUE(c.outLines().at(5).startsWith(QStringLiteral("    0.20   0.")));
    // The option overrides the locale, and only the separator differs.
    const SweepRun forced = Sweep({"--decimal-separator", ","});
    EXPECT_EQ(forced.out, russian.out);
    EXPECT_EQ(c.outLines().mid(5).join('\n').replace('.', ','), lines.mid(5, 77).join('\n'));
}

TEST(SweepProgram, CsvHasOneRowPerPointAtFullPrecisionMatchingTheTable) {
    const struct {
        const char* sweep;
        int points;
        double first;
        double last;
    } sweeps[] = {{"ratio", 77, 0.2, 4}, // x rounded to 12 digits: not 3.999999999999994
                  {"temperature", 26, 750, 1000},
                  {"pressure", 31, 15, 30}};
    for (const auto& s : sweeps) {
        const SweepRun csv = Sweep({"--sweep", s.sweep, "--format", "csv", "--view", "wet"});
        ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
        const QStringList rows = csv.outLines();
        ASSERT_EQ(rows.size(), 1 + s.points) << s.sweep;
        EXPECT_TRUE(rows[0].contains(
            ",CH4,CO,CO2,H2,N2,H2O,VolumeChange,H2toCO,CO2toCO,exact_root,physical,"));
        EXPECT_TRUE(
            rows[0].contains(",methane_conversion,h2_yield,steam_to_carbon,heat_duty_kj_per_mol,"));
        EXPECT_EQ(ToDouble(rows[1].section(',', 0, 0)), s.first);
        EXPECT_EQ(ToDouble(rows.last().section(',', 0, 0)), s.last);

        // Every figure of the table is the CSV value rounded to the table's decimals.
        const SweepRun table = Sweep({"--sweep", s.sweep, "--view", "wet"});
        const QStringList tableLines = table.outLines();
        ASSERT_EQ(tableLines.size(), 5 + s.points);
        for (int i = 0; i < s.points; ++i) {
            const QStringList fields = rows[i + 1].split(',');
            ASSERT_EQ(fields.size(), 16 + 3); // and the three carbon columns
            EXPECT_EQ(fields[10], QStringLiteral("1")) << "no exact root at point " << i;
            EXPECT_EQ(fields[11], QStringLiteral("1")) << "no physical root at point " << i;
            // The wet gas adds up with its water.
            double total = 0;
            for (int column = 1; column <= 6; ++column)
                total += ToDouble(fields[column]);
            EXPECT_NEAR(total, 1, 1e-14) << s.sweep << " point " << i;
            const QStringList printed = tableLines[5 + i].split(' ', Qt::SkipEmptyParts);
            ASSERT_EQ(printed.size(), 7);
            EXPECT_EQ(printed[0], QString::number(ToDouble(fields[0]), 'f', 2));
            // The table's columns: CH4 .. N2, then the volume change after the water.
            for (int column = 1; column <= 6; ++column)
                EXPECT_EQ(printed[column],
                          QString::number(ToDouble(fields[column == 6 ? 7 : column]), 'f', 4))
                    << s.sweep << " point " << i << " column " << column;
        }
    }
}

TEST(SweepProgram, PointsWithoutAPhysicalCompositionAreSaidPlainly) {
    // Pure ethane below a third of a mole of steam: no composition has every amount
    // positive at the ratios 0.20, 0.25 and 0.30.
    const QStringList ethane = {"--feed", "0,100,0,0,0,0,0,0,0", "--temperature",
                                "700",    "--pressure",          "1"};
    const SweepRun table = Sweep(ethane, QStringLiteral("ru_RU.UTF-8"));
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    const QStringList lines = table.outLines();
    ASSERT_EQ(lines.size(), 5 + 77);
    EXPECT_EQ(lines[5], QStringLiteral("    0,20 нет физического решения"));
    EXPECT_EQ(lines[7], QStringLiteral("    0,30 нет физического решения"));
    EXPECT_EQ(lines[8].split(' ', Qt::SkipEmptyParts).size(), 7);
    EXPECT_EQ(table.errLines(),
              QStringList{QStringLiteral("quorvel-sweep: точек без физического решения: 3")});

    const SweepRun csv = Sweep(ethane + QStringList{"--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0);
    EXPECT_EQ(csv.err, QString());
    const QStringList rows = csv.outLines();
    // Without a composition the figures and the carbon activities are empty too.
    EXPECT_EQ(rows[1], QStringLiteral("0.2,,,,,,,,,0,0,,,,,,,"));
    EXPECT_EQ(rows[3], QStringLiteral("0.3,,,,,,,,,0,0,,,,,,,"));
    EXPECT_EQ(rows[4].section(',', 9, 10), QStringLiteral("1,1")) << rows[4].toStdString();

    // A trace feed prints the same bytes on every run, whatever the solver drew.
    const QStringList trace = {
        "--feed", "0.01,0,0,0,99.99,0,0,0,0", "--temperature", "980", "--pressure", "1", "--format",
        "csv"};
    const SweepRun first = Sweep(trace);
    const SweepRun second = Sweep(trace);
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.out, second.out);
    EXPECT_FALSE(first.out.contains(QStringLiteral(",-"))) << "a negative amount was printed";
}

TEST(SweepProgram, OutputFileIsWindows1251WithCrLfAndNothingOnStdout) {
    QTemporaryDir dir;
    const QString name = dir.filePath("table.txt");
    const SweepRun run = Sweep({"--output", name, "--decimal-separator", ","});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QString());
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // "Температура" in windows-1251.
    EXPECT_TRUE(bytes.startsWith("\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0, "));
    EXPECT_TRUE(bytes.endsWith(
        "    4,00" + Sweep({"--decimal-separator", ","}).outLines().last().mid(8).toLatin1() +
        "\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 5 + 77);
    EXPECT_EQ(bytes.count('\n'), 5 + 77);
}

TEST(SweepProgram, AnUnwritableOutputFailsWithoutLeavingAFile) {
    QTemporaryDir dir;
    const QString name = dir.filePath("missing/table.txt");
    const SweepRun run = Sweep({"--output", name});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.errLines().size(), 1);
    EXPECT_TRUE(run.err.contains(name)) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(name));
}

TEST(SweepProgram, FeedIsAcceptedOnlyWhenItAddsUpTo100) {
    const SweepRun rejected = Sweep({"--feed", "50,0,0,0,0,0,0,0,0"});
    EXPECT_EQ(rejected.exitCode, 2);
    EXPECT_EQ(rejected.out, QString());
    ASSERT_EQ(rejected.errLines().size(), 1);
    EXPECT_TRUE(
        rejected.err.contains(QStringLiteral("Проверьте исходные данные. Сумма не равна 100%")));

    // Decimal shares whose binary total misses 100 by rounding only (99.99999999999999
    // here) are accepted.
    EXPECT_EQ(Sweep({"--feed", "33.12,0,0,0,34.8,0,0,0,32.08"}).exitCode, 0);
    EXPECT_EQ(Sweep({"--feed", "99.999999,0,0,0,0,0,0,0,0"}).exitCode, 2);

    // The feed reaches the calculation: nitrogen shows in its column.
    const SweepRun natural = Sweep({"--feed", "90,5,0,0,5,0,0,0,0", "--format", "csv"});
    ASSERT_EQ(natural.exitCode, 0) << natural.err.toStdString();
    const double nitrogen = ToDouble(natural.outLines().at(1).section(',', 5, 5));
    EXPECT_GT(nitrogen, 0.01);
    const SweepRun methane = Sweep({"--format", "csv"});
    EXPECT_EQ(ToDouble(methane.outLines().at(1).section(',', 5, 5)), 0);
}

TEST(SweepProgram, FeedsWithoutAnyCompositionAreMarkedOnBothPathsWithoutAFault) {
    // Steam alone holds no carbon, and the absurd feeds cancel huge amounts: no point has a
    // composition with every amount positive. No solver runs where none can exist, so
    // neither its faults (these feeds once ended in "Floating point division by zero" or
    // "overflow") nor its long searches reach the run: every point is marked.
    for (const char* feed : {"0,0,0,0,0,0,0,0,100", "1e300,0,0,0,0,0,0,-1e300,100",
                             "0,0,0,0,0,0,-10000000000,10000000100,0"}) {
        for (const char* solver : {"designed", "direct"}) {
            const SweepRun run = Sweep({"--feed", feed, "--solver", solver, "--view", "wet"});
            EXPECT_EQ(run.exitCode, 0) << feed << " " << solver;
            EXPECT_EQ(run.err, QStringLiteral("quorvel-sweep: точек без физического решения: 77\n"))
                << feed << " " << solver;
            EXPECT_EQ(run.out.count(QStringLiteral("нет физического решения")), 77);
        }
    }
}

TEST(SweepProgram, EnteredValuesAreClampedAsTheEntriesDo) {
    const SweepRun clamped =
        Sweep({"--sweep", "pressure", "--ratio", "7", "--temperature", "1200", "--pressure", "40"});
    ASSERT_EQ(clamped.exitCode, 0);
    EXPECT_EQ(clamped.outLines().at(0), QStringLiteral("Соотношение пар/метан, мол.д.: 5"));
    EXPECT_EQ(clamped.outLines().at(1), QStringLiteral("Температура, град. С         : 980"));
    EXPECT_EQ(clamped.errLines().size(), 3) << clamped.err.toStdString();
    EXPECT_EQ(clamped.out,
              Sweep({"--sweep", "pressure", "--ratio", "5", "--temperature", "980"}).out);

    const SweepRun low = Sweep({"--sweep", "temperature", "--ratio", "0.1", "--pressure", "0.5"});
    EXPECT_EQ(low.outLines().at(0), QStringLiteral("Соотношение пар/метан, мол.д.: 0.2"));
    EXPECT_EQ(low.outLines().at(1), QStringLiteral("Давление, атм                : 1"));

    // The bounds themselves pass without a word.
    const SweepRun bounds = Sweep({"--ratio", "0.2", "--temperature", "300", "--pressure", "30"});
    EXPECT_EQ(bounds.exitCode, 0);
    EXPECT_EQ(bounds.err, QString());
    EXPECT_EQ(bounds.outLines().at(0), QStringLiteral("Температура, град. С: 300"));

    // So do the bounds restated in another pressure unit or in S/C and typed back as they
    // are written (3.03975 MPa is a rounding above 30 atm), as entries and range ends; a
    // value a little further out is clamped with the message.
    const struct {
        QStringList typed;
        QStringList beyond;
    } restated[] = {
        {{"--pressure-unit", "mpa", "--pressure", "3.03975"},
         {"--pressure-unit", "mpa", "--pressure", "3.0397501"}},
        {{"--pressure-unit", "kgf", "--pressure", "1.03322745279989"},
         {"--pressure-unit", "kgf", "--pressure", "1.033227"}},
        {{"--sweep", "pressure", "--pressure-unit", "mpa", "--from", "1", "--to", "3.03975",
          "--step", "0.5"},
         {"--sweep", "pressure", "--pressure-unit", "mpa", "--from", "1", "--to", "3.0398",
          "--step", "0.5"}},
        {{"--feed", "85,6,2,1,3,0,1,0,2", "--steam-to-carbon", "0.205607476635514"},
         {"--feed", "85,6,2,1,3,0,1,0,2", "--steam-to-carbon", "0.2056074"}},
    };
    for (const auto& pair : restated) {
        SCOPED_TRACE(pair.typed.join(u' ').toStdString());
        const SweepRun typed = Sweep(pair.typed);
        EXPECT_EQ(typed.exitCode, 0);
        EXPECT_EQ(typed.err, QString());
        const SweepRun beyond = Sweep(pair.beyond);
        EXPECT_EQ(beyond.exitCode, 0);
        EXPECT_EQ(beyond.errLines().size(), 1) << beyond.err.toStdString();
        EXPECT_EQ(beyond.out, typed.out);
    }
}

// A chosen range, S/C and a pressure unit each keep the defaults' points where they
// restate them, and the target and the map agree with a sweep through their answers.
TEST(SweepProgram, EnvelopeOptionsAgreeWithThePlainSweep) {
    // 15..30 atm by 0.5 as a chosen range: the same points, one header line more.
    const SweepRun plain = Sweep({"--sweep", "pressure"});
    const SweepRun range =
        Sweep({"--sweep", "pressure", "--from", "15", "--to", "30", "--step", "0.5"});
    ASSERT_EQ(range.exitCode, 0) << range.err.toStdString();
    QStringList lines = range.outLines();
    ASSERT_EQ(lines.size(), plain.outLines().size() + 1);
    EXPECT_EQ(lines.takeAt(2), QStringLiteral("Диапазон: от 15 до 30, шаг 0.5"));
    EXPECT_EQ(lines, plain.outLines());

    // 25 atm in bar: the same table apart from the pressure's line and the unit line.
    const SweepRun bar = Sweep({"--pressure", "25.33125", "--pressure-unit", "bar"});
    ASSERT_EQ(bar.exitCode, 0) << bar.err.toStdString();
    EXPECT_EQ(bar.outLines().at(1), QStringLiteral("Давление, бар       : 25.33125"));
    EXPECT_EQ(bar.outLines().at(2), QStringLiteral("Единица давления: бар"));
    EXPECT_EQ(bar.outLines().mid(4), Sweep({}).outLines().mid(3));
    const SweepRun barCsv =
        Sweep({"--sweep", "pressure", "--pressure-unit", "bar", "--format", "csv"});
    EXPECT_TRUE(barCsv.outLines().at(0).startsWith(QStringLiteral("pressure_bar,")));
    EXPECT_TRUE(barCsv.outLines().at(1).startsWith(QStringLiteral("15.19875,")));

    // S/C 3 for pure methane is ratio 3.
    const SweepRun sc = Sweep({"--sweep", "temperature", "--steam-to-carbon", "3"});
    ASSERT_EQ(sc.exitCode, 0) << sc.err.toStdString();
    EXPECT_EQ(sc.outLines().at(0), QStringLiteral("Отношение пар/углерод (S/C): 3"));
    EXPECT_EQ(sc.outLines().mid(2),
              Sweep({"--sweep", "temperature", "--ratio", "3"}).outLines().mid(2));

    // The target's answer, swept as a one-point range, gives the achieved figure.
    const QStringList feed = {"--feed", "70,0,0,0,0,0,30,0,0", "--temperature",
                              "950",    "--pressure",          "20"};
    const SweepRun target =
        Sweep(QStringList{"--target", "h2_co=2", "--solve-for", "ratio", "--format", "csv"} + feed);
    ASSERT_EQ(target.exitCode, 0) << target.err.toStdString();
    const QStringList answer = target.outLines().at(1).split(',');
    ASSERT_EQ(answer.size(), 4);
    EXPECT_EQ(answer[0], QStringLiteral("ratio"));
    EXPECT_NEAR(ToDouble(answer[3]), 2, 1e-8);
    const SweepRun through =
        Sweep(QStringList{"--view", "ratios", "--solver", "direct", "--from", answer[1], "--to",
                          answer[1], "--step", "1", "--format", "csv"} +
              feed);
    ASSERT_EQ(through.outLines().size(), 2) << through.err.toStdString();
    EXPECT_EQ(through.outLines()[1].section(',', 7, 7), answer[3]);

    // A map's cells: the methane slip of a temperature sweep at each pressure.
    const SweepRun map = Sweep({"--map", "methane-slip", "--temperatures", "750:950:50",
                                "--pressures", "15:30:7.5", "--format", "csv"});
    ASSERT_EQ(map.exitCode, 0) << map.err.toStdString();
    ASSERT_EQ(map.outLines().size(), 1 + 5 * 3);
    EXPECT_EQ(map.outLines()[0], QStringLiteral("temperature_c,pressure,value"));
    for (int p = 0; p < 3; ++p) {
        const QString pressure = QString::number(15 + 7.5 * p);
        const QStringList sweep = Sweep({"--sweep", "temperature", "--from", "750", "--to", "950",
                                         "--step", "50", "--pressure", pressure, "--format", "csv"})
                                      .outLines();
        for (int t = 0; t < 5; ++t) {
            const QStringList cell = map.outLines()[1 + t * 3 + p].split(',');
            EXPECT_EQ(cell[1], pressure);
            EXPECT_NEAR(ToDouble(cell[2]), 100 * ToDouble(sweep[1 + t].section(',', 1, 1)), 1e-12)
                << cell.join(',').toStdString();
        }
    }
}

TEST(SweepProgram, BadCommandLinesExitWithStatus2AndOneLine) {
    // The messages themselves are checked with the parser; here the program's side.
    const QList<QStringList> commandLines = {
        {"--bogus"},
        {"--ratio"},
        {"--pressure", "1e400"},
        {"--feed", "100,0,0"},
        {"stray"},
        {"--from", "1", "--to", "2"},
        {"--from", "2", "--to", "1", "--step", "0.1"},
        {"--from", "0.2", "--to", "5", "--step", "0.01"},
        {"--from", "1", "--to", "2", "--step", "0"},
        {"--from", "1", "--to", "2", "--step", "x"},
        {"--ratio", "2", "--steam-to-carbon", "3"},
        {"--steam-to-carbon", "3", "--feed", "0,0,0,0,50,0,0,50,0"},
        {"--pressure-unit", "psi"},
        {"--target", "h2_co=20", "--solve-for", "ratio"},
        {"--target", "h2_co", "--solve-for", "ratio"},
        {"--target", "h2_co=2"},
        {"--solve-for", "volume"},
        {"--map", "h2-co", "--temperatures", "700:900:10"},
        {"--map", "h2-co", "--temperatures", "900:700:10", "--pressures", "1:2:1"},
        {"--map", "h2-co", "--temperatures", "700:900", "--pressures", "1:2:1"},
        {"--map", "soot", "--temperatures", "700:900:10", "--pressures", "1:2:1"},
        {"--map", "h2-co", "--temperatures", "700:900:1", "--pressures", "1:2:1"}};
    for (const QStringList& arguments : commandLines) {
        const SweepRun run = Sweep(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.errLines().size(), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("quorvel-sweep: "));
        EXPECT_EQ(run.out, QString());
    }
}

// Whether `text` names `option` as a word of its own ("-h" is not found in "--help").
bool NamesOption(const QString& text, const std::string& option) {
    const QRegularExpression word(QStringLiteral("(^|[^-\\w])") +
                                  QRegularExpression::escape(QString::fromStdString(option)) +
                                  QStringLiteral("($|[^-\\w])"));
    return word.match(text).hasMatch();
}

TEST(SweepProgram, HelpManPageAndReadmeNameEveryOptionTheParserKnows) {
    const SweepRun help = Sweep({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    const QString source = QStringLiteral(QUORVEL_SOURCE_DIR);
    QString manPage = QString::fromUtf8(ReadFile(source + "/packaging/quorvel-sweep.1.in"));
    manPage.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    const QString readme = QString::fromUtf8(ReadFile(source + "/README.md"));
    const std::vector<std::string> options = quorvel::SweepOptionNames();
    ASSERT_GT(options.size(), 15u);
    for (const std::string& option : options) {
        EXPECT_TRUE(NamesOption(help.out, option)) << "--help lacks " << option;
        EXPECT_TRUE(NamesOption(manPage, option)) << "the man page lacks " << option;
        EXPECT_TRUE(NamesOption(readme, option)) << "README.md lacks " << option;
    }
}

TEST(SweepProgram, ChartPictureHasTheRequestedSize) {
    QTemporaryDir dir;
    const QString standard = dir.filePath("standard.png");
    const SweepRun run = Sweep({"--chart", standard, "--view", "ratios"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(standard).size(), QSize(438, 269));
    EXPECT_EQ(run.outLines().size(), 5 + 77); // the table is printed as well

    const QString large = dir.filePath("large.png");
    ASSERT_EQ(Sweep({"--chart", large, "--size", "800x600", "--sweep", "temperature"}).exitCode, 0);
    EXPECT_EQ(QImage(large).size(), QSize(800, 600));

    // A map's picture, and the chart's parameter axis in the entered units.
    const QString map = dir.filePath("map.svg");
    const SweepRun drawnMap =
        Sweep({"--map", "methane-slip", "--temperatures", "700:900:50", "--pressures", "10:30:5",
               "--pressure-unit", "bar", "--chart", map});
    ASSERT_EQ(drawnMap.exitCode, 0) << drawnMap.err.toStdString();
    QFile mapFile(map);
    ASSERT_TRUE(mapFile.open(QIODevice::ReadOnly));
    const QString mapSvg = QString::fromUtf8(mapFile.readAll());
    EXPECT_TRUE(mapSvg.contains(QStringLiteral("Метан в сухом газе")));
    EXPECT_TRUE(mapSvg.contains(QStringLiteral("бар")));
    const QString inBar = dir.filePath("bar.svg");
    ASSERT_EQ(Sweep({"--sweep", "pressure", "--pressure-unit", "bar", "--chart", inBar}).exitCode,
              0);
    QFile barFile(inBar);
    ASSERT_TRUE(barFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(barFile.readAll()).contains(QStringLiteral("Давление, бар")));

    const QString nowhere = dir.filePath("missing/chart.png");
    const SweepRun failed = Sweep({"--chart", nowhere});
    EXPECT_NE(failed.exitCode, 0);
    EXPECT_FALSE(QFile::exists(nowhere));
}

} // namespace

TEST(SweepProgram, StandardConstantsAddOneHeaderLineAndChangeTheResults) {
    const SweepRun builtin = Sweep({"--constants", "builtin"});
    ASSERT_EQ(builtin.exitCode, 0) << builtin.err.toStdString();
    EXPECT_EQ(builtin.out, Sweep({}).out);
    const SweepRun standard = Sweep({"--constants=standard"});
    ASSERT_EQ(standard.exitCode, 0) << standard.err.toStdString();
    const QStringList lines = standard.outLines();
    ASSERT_EQ(lines.size(), 6 + 77);
    EXPECT_EQ(lines.mid(0, 2), builtin.outLines().mid(0, 2));
    EXPECT_EQ(lines[2], QStringLiteral("Константы равновесия: стандартные данные NASA"));
    EXPECT_EQ(lines.mid(3, 3), builtin.outLines().mid(2, 3));
    // The start-up point, ratio 2.5: 6.50 % methane in the dry gas, not 7.07 %.
    EXPECT_TRUE(lines[6 + 46].startsWith(QStringLiteral("    2.50   0.0650")))
        << lines[52].toStdString();
    EXPECT_TRUE(builtin.outLines()[5 + 46].startsWith(QStringLiteral("    2.50   0.0707")));

    const SweepRun bad = Sweep({"--constants", "nasa"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("builtin или standard"))) << bad.err.toStdString();
    const SweepRun old = Sweep({"--constants", "seed"});
    EXPECT_EQ(old.exitCode, 2);
    EXPECT_EQ(old.errLines().size(), 1);
    EXPECT_TRUE(old.err.contains(QStringLiteral("--constants builtin"))) << old.err.toStdString();
}

// The columns of a CSV row, by the header's names.
QMap<QString, QString> CsvRow(const QStringList& lines, int row) {
    const QStringList names = lines[0].split(',');
    const QStringList values = lines[row].split(',');
    QMap<QString, QString> fields;
    for (qsizetype k = 0; k < names.size() && k < values.size(); ++k)
        fields[names[k]] = values[k];
    return fields;
}

TEST(SweepProgram, ApproachAddsItsHeaderLineAndReadsBackFromTheProductGas) {
    for (const char* constants : {"builtin", "standard"}) {
        const QStringList common = {"--sweep",    "temperature", "--ratio",     "3",
                                    "--pressure", "24.673",      "--constants", constants};
        const SweepRun plain = Sweep(common);
        ASSERT_EQ(plain.exitCode, 0);
        EXPECT_EQ(
            Sweep(common + QStringList{"--approach-reforming", "0", "--approach-shift", "0"}).out,
            plain.out);
        const SweepRun table =
            Sweep(common + QStringList{"--approach-reforming", "15", "--approach-shift", "5"});
        const QStringList lines = table.outLines();
        const int header = QLatin1String(constants) == "builtin" ? 2 : 3;
        ASSERT_EQ(lines.size(), plain.outLines().size() + 1);
        EXPECT_EQ(lines[header], QStringLiteral("Приближение к равновесию: конверсия метана 15 "
                                                "K, конверсия CO 5 K"));
        EXPECT_EQ(lines[header + 1], QString());
        EXPECT_NE(lines.mid(header + 4), plain.outLines().mid(header + 3));

        // The 880 C point (row 14) read back at 880 C: the approaches of the run.
        const SweepRun csv =
            Sweep(common + QStringList{"--approach-reforming", "15", "--approach-shift", "5",
                                       "--format", "csv"});
        const QMap<QString, QString> point = CsvRow(csv.outLines(), 14);
        ASSERT_EQ(point["temperature_C"], "880");
        const QString analysis = "CH4=" + QString::number(100 * ToDouble(point["CH4"]), 'g', 17) +
                                 ",CO=" + QString::number(100 * ToDouble(point["CO"]), 'g', 17) +
                                 ",CO2=" + QString::number(100 * ToDouble(point["CO2"]), 'g', 17) +
                                 ",H2=" + QString::number(100 * ToDouble(point["H2"]), 'g', 17);
        const SweepRun back =
            Sweep({"--approach-from", analysis, "--ratio", "3", "--temperature", "880",
                   "--pressure", "24.673", "--constants", constants, "--format", "csv"});
        ASSERT_EQ(back.exitCode, 0) << back.err.toStdString();
        ASSERT_EQ(back.outLines().size(), 2);
        const QMap<QString, QString> result = CsvRow(back.outLines(), 1);
        EXPECT_NEAR(ToDouble(result["approach_reforming_k"]), 15, 1e-6);
        EXPECT_NEAR(ToDouble(result["approach_shift_k"]), 5, 1e-6);
        EXPECT_NEAR(ToDouble(result["equilibrium_temperature_reforming_c"]), 865, 1e-6);
        EXPECT_NEAR(ToDouble(result["equilibrium_temperature_shift_c"]), 885, 1e-6);
        EXPECT_NEAR(ToDouble(result["hydrogen_balance_percent"]), 100, 1e-9);
        EXPECT_NEAR(ToDouble(result["carbon_activity"]),
                    std::max(ToDouble(point["carbon_activity_cracking"]),
                             ToDouble(point["carbon_activity_boudouard"])),
                    1e-9);
    }
    // An analysis that needs more oxygen than the feed and steam bring: refused, nothing
    // printed.
    const SweepRun contradicting =
        Sweep({"--approach-from", "CH4=1,CO=1,CO2=30,H2=68", "--ratio", "0.2"});
    EXPECT_EQ(contradicting.exitCode, 2);
    EXPECT_EQ(contradicting.out, QString());
    EXPECT_TRUE(contradicting.err.contains(QStringLiteral("противоречит")))
        << contradicting.err.toStdString();
}

TEST(SweepProgram, InletTemperaturesChangeOnlyTheHeatDuty) {
    const QStringList common = {"--format", "csv", "--feed", "91.5,2.75,2.5,1.25,0.5,1.5,0,0,0"};
    const QStringList isothermal = Sweep(common).outLines();
    const QStringList inlet =
        Sweep(common + QStringList{"--feed-temperature", "400", "--steam-temperature", "650"})
            .outLines();
    ASSERT_EQ(inlet.size(), isothermal.size());
    for (int row = 1; row < inlet.size(); ++row) {
        QMap<QString, QString> a = CsvRow(isothermal, row);
        QMap<QString, QString> b = CsvRow(inlet, row);
        // Colder inlets: more heat to supply at every point of the 860 C sweep.
        EXPECT_GT(ToDouble(b["heat_duty_kj_per_mol"]), ToDouble(a["heat_duty_kj_per_mol"]) + 10);
        a.remove("heat_duty_kj_per_mol");
        b.remove("heat_duty_kj_per_mol");
        EXPECT_EQ(a, b) << row;
    }
}

TEST(SweepProgram, CarbonLimitPrintsTheMinimumRatioTableAndItsCurve) {
    const SweepRun table = Sweep({"--carbon-limit", "--decimal-separator", ","});
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    const QStringList lines = table.outLines();
    ASSERT_EQ(lines.size(), 5 + 69);
    EXPECT_EQ(lines[0], QStringLiteral("Давление, атм: 25"));
    EXPECT_EQ(lines[5], QStringLiteral("        300     0,1989       0,1989"));
    EXPECT_TRUE(lines[73].startsWith(QStringLiteral("        980     0,86")));

    // Feed, pressure and constants count; "> 5" is inf in the CSV.
    const SweepRun butane = Sweep(
        {"--carbon-limit", "--format", "csv", "--feed", "0,0,0,100,0,0,0,0,0", "--pressure", "1"});
    ASSERT_EQ(butane.exitCode, 0) << butane.err.toStdString();
    const QStringList csv = butane.outLines();
    ASSERT_EQ(csv.size(), 70);
    EXPECT_EQ(csv[0], QStringLiteral("temperature_c,min_ratio,min_steam_to_carbon"));
    EXPECT_EQ(csv[1], QStringLiteral("300,inf,inf"));
    const QStringList hot = csv[69].split(',');
    EXPECT_EQ(hot[0], "980");
    EXPECT_GT(ToDouble(hot[1]), 3.5);
    EXPECT_DOUBLE_EQ(ToDouble(hot[2]), ToDouble(hot[1]) / 4); // four carbons per mole
    const SweepRun standard =
        Sweep({"--carbon-limit", "--format", "csv", "--constants", "standard"});
    ASSERT_EQ(standard.exitCode, 0);
    EXPECT_NE(standard.outLines()[57], Sweep({"--carbon-limit", "--format", "csv"}).outLines()[57]);

    QTemporaryDir dir;
    const QString picture = dir.filePath("limit.png");
    const QString saved = dir.filePath("limit.txt");
    const SweepRun drawn =
        Sweep({"--carbon-limit", "--chart", picture, "--size", "500x300", "--output", saved});
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err.toStdString();
    EXPECT_EQ(QImage(picture).size(), QSize(500, 300));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 74);
    EXPECT_TRUE(drawn.out.isEmpty());

    // A feed without carbon: one line instead of the table, no row in the CSV.
    const SweepRun hydrogen = Sweep({"--carbon-limit", "--feed", "0,0,0,0,0,0,0,100,0"});
    EXPECT_EQ(hydrogen.exitCode, 0);
    EXPECT_EQ(hydrogen.out, QStringLiteral("в газе нет углерода: углерод не выпадает\n"));
    const SweepRun hydrogenCsv =
        Sweep({"--carbon-limit", "--feed", "0,0,0,0,0,0,0,100,0", "--format", "csv"});
    EXPECT_EQ(hydrogenCsv.exitCode, 0);
    EXPECT_EQ(hydrogenCsv.outLines(), QStringList{"temperature_c,min_ratio,min_steam_to_carbon"});
    EXPECT_EQ(hydrogenCsv.err,
              QStringLiteral("quorvel-sweep: в газе нет углерода: углерод не выпадает\n"));

    // Options of a sweep have no meaning here and are refused.
    const SweepRun refused = Sweep({"--carbon-limit", "--sweep", "temperature"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("--carbon-limit")));
}

TEST(SweepProgram, CsvEndsWithTheCarbonColumns) {
    const SweepRun run = Sweep({"--format", "csv"});
    ASSERT_EQ(run.exitCode, 0);
    const QStringList lines = run.outLines();
    EXPECT_TRUE(lines[0].endsWith(
        QStringLiteral(",carbon_activity_cracking,carbon_activity_boudouard,carbon_forms")));
    int forming = 0;
    for (int i = 1; i < lines.size(); ++i)
        forming += lines[i].endsWith(QStringLiteral(",1"));
    EXPECT_EQ(forming, 14);
}

TEST(SweepProgram, BatchRunsEveryCaseIntoOneCsvAndNamesTheLinesItRefuses) {
    const QByteArray batch = "sweep,view,feed,pressure,constants\r\n"
                             "temperature,wet,90;5;0;0;5;0;0;0;0,20,standard\r\n"
                             "sideways,dry,,,\r\n"
                             ",ratios,,,\r\n"
                             "pressure,dry,50;0;0;0;0;0;0;0;0,,\r\n";
    const SweepRun run = Sweep({"--batch", "-"}, QStringLiteral("C"), batch);
    EXPECT_EQ(run.exitCode, 2);
    const QStringList errors = run.errLines();
    ASSERT_EQ(errors.size(), 2) << run.err.toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("случай 2 (строка 3")))
        << errors[0].toStdString();
    EXPECT_TRUE(errors[1].contains(QStringLiteral("случай 4 (строка 5")))
        << errors[1].toStdString();

    // Each case's rows are what a single run prints, after its case, sweep and view.
    const SweepRun first =
        Sweep({"--sweep", "temperature", "--view", "wet", "--feed", "90,5,0,0,5,0,0,0,0",
               "--pressure", "20", "--constants", "standard", "--format", "csv"});
    const SweepRun third = Sweep({"--view", "ratios", "--format", "csv"});
    const QStringList lines = run.outLines();
    ASSERT_EQ(lines.size(), 1 + 26 + 77);
    EXPECT_EQ(lines[0], QStringLiteral("case,sweep,view,x,") +
                            first.outLines()[0].section(QLatin1Char(','), 1));
    for (int i = 1; i <= 26; ++i)
        ASSERT_EQ(lines[i], QStringLiteral("1,temperature,wet,") + first.outLines()[i]);
    // The ratios view has no water column of its own: its field in the batch is empty.
    for (int i = 1; i <= 77; ++i) {
        QStringList fields = third.outLines()[i].split(QLatin1Char(','));
        fields.insert(6, QString());
        ASSERT_EQ(lines[26 + i], QStringLiteral("3,ratio,ratios,") + fields.join(QLatin1Char(',')));
    }

    // The options of a case come from the file, never from the command line too.
    EXPECT_EQ(Sweep({"--batch", "-", "--ratio", "3"}, QStringLiteral("C"), batch).exitCode, 2);
    EXPECT_EQ(Sweep({"--batch", "-", "--format", "table"}, QStringLiteral("C"), batch).exitCode, 2);
    EXPECT_EQ(Sweep({"--batch", "/nonexistent/cases.csv"}).exitCode, 2);
    EXPECT_EQ(Sweep({"--batch", "-"}, QStringLiteral("C"), "ratio,chart\n3,x.png\n").exitCode, 2);
}

TEST(SweepProgram, BothSolverPathsPrintTheSameFigures) {
    // Tables and CSV of lean, heavy (points without a composition) and standard-data
    // cases; and the batch's solver column, whose empty field is the designed path.
    const QStringList cases[] = {
        {},
        {"--format", "csv", "--sweep", "temperature", "--feed", "90,5,0,0,5,0,0,0,0"},
        {"--format", "csv", "--feed", "0,100,0,0,0,0,0,0,0", "--temperature", "300"},
        {"--view", "ratios", "--sweep", "pressure", "--constants", "standard"},
        {"--format", "csv", "--feed", "1e-300,0,0,0,100,0,0,0,0"}};
    for (const QStringList& options : cases) {
        const SweepRun designed = Sweep(options);
        const SweepRun direct = Sweep(QStringList(options) << "--solver"
                                                           << "direct");
        ASSERT_EQ(designed.exitCode, 0) << designed.err.toStdString();
        EXPECT_EQ(direct.exitCode, 0);
        EXPECT_EQ(direct.out, designed.out) << options.join(' ').toStdString();
        EXPECT_EQ(direct.err, designed.err);
        EXPECT_EQ(Sweep(QStringList(options) << "--solver=designed").out, designed.out);
    }
    const QByteArray batch = "solver,sweep\ndirect,temperature\n,temperature\n"
                             "designed,temperature\nfast,temperature\n";
    const SweepRun run = Sweep({"--batch", "-"}, QStringLiteral("C"), batch);
    EXPECT_EQ(run.exitCode, 2);
    ASSERT_EQ(run.errLines().size(), 1) << run.err.toStdString();
    EXPECT_TRUE(run.errLines()[0].contains(
        QStringLiteral("случай 4 (строка 5 пакетного файла): параметр --solver принимает "
                       "designed или direct, получено «fast»")))
        << run.err.toStdString();
    const QStringList lines = run.outLines();
    ASSERT_EQ(lines.size(), 1 + 3 * 26);
    for (int i = 1; i <= 26; ++i) {
        ASSERT_EQ(lines[26 + i].section(QLatin1Char(','), 1),
                  lines[i].section(QLatin1Char(','), 1));
        ASSERT_EQ(lines[52 + i].section(QLatin1Char(','), 1),
                  lines[i].section(QLatin1Char(','), 1));
    }
    const SweepRun bad = Sweep({"--solver", "complex"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("designed или direct, получено «complex»")));
}

TEST(SweepProgram, VersionIsTheProjects) {
    const SweepRun run = Sweep({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QString::fromLatin1("quorvel-sweep " QUORVEL_VERSION "\n"));
}
