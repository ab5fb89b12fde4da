#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <algorithm>

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "report/CsvExport.h"
#include "report/CsvLines.h"
#include "ui/dialogs/HelpViewer.h"

namespace {

// Changes the current directory for one test and puts it back afterwards.
struct CurrentDirectory {
    QString saved = QDir::currentPath();
    explicit CurrentDirectory(const QString& path) { QDir::setCurrent(path); }
    ~CurrentDirectory() { QDir::setCurrent(saved); }
};

void WriteHelp(const QString& folder, const QString& body) {
    QDir(folder).mkpath("Help");
    QFile file(folder + "/Help/Help.html");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        ("<html><head><meta charset=\"utf-8\"></head><body>" + body + "</body></html>").toUtf8());
}

} // namespace

TEST(HelpViewer, HelpPathFollowsTheCurrentDirectory) {
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    CurrentDirectory guard(first.path());
    EXPECT_EQ(quorvel::HelpFilePath(), QDir::currentPath() + "/Help/Help.html");
    EXPECT_TRUE(quorvel::HelpFilePath().startsWith(QDir(first.path()).canonicalPath()));
    QDir::setCurrent(second.path());
    EXPECT_TRUE(quorvel::HelpFilePath().startsWith(QDir(second.path()).canonicalPath()));
}

TEST(HelpViewer, ShowsTheFileTheMissingFileMessageAndItsOwnInstructions) {
    QTemporaryDir withHelp, withoutHelp;
    ASSERT_TRUE(withHelp.isValid() && withoutHelp.isValid());
    WriteHelp(withHelp.path(), "<h1>Равновесие</h1>");
    quorvel::HelpViewer viewer;

    viewer.ShowContents(withHelp.path() + "/Help/Help.html");
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(viewer.Browser()->toPlainText().contains("Равновесие"));

    viewer.ShowHowToUse();
    const QString instructions = viewer.Browser()->toPlainText();
    EXPECT_TRUE(instructions.contains("Как пользоваться справкой"));
    EXPECT_FALSE(instructions.contains("Равновесие"));

    // The same file again after another page: shown anew, not left as it was.
    viewer.ShowContents(withHelp.path() + "/Help/Help.html");
    EXPECT_TRUE(viewer.Browser()->toPlainText().contains("Равновесие"));

    const QString missing = withoutHelp.path() + "/Help/Help.html";
    viewer.ShowContents(missing);
    const QString report = viewer.Browser()->toPlainText();
    EXPECT_TRUE(report.contains("Файл справки не найден"));
    EXPECT_TRUE(report.contains(missing));
    EXPECT_FALSE(report.contains("Равновесие"));

    // And back to the file after the report.
    viewer.ShowContents(withHelp.path() + "/Help/Help.html");
    EXPECT_TRUE(viewer.Browser()->toPlainText().contains("Равновесие"));
}

TEST(HelpViewer, LooksNextToTheProgramAndInTheDataFolderAndSaysWhereItLooked) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    CurrentDirectory guard(empty.path());
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList candidates = quorvel::HelpFileCandidates();
    ASSERT_EQ(candidates.size(), 3);
    EXPECT_EQ(candidates[0], quorvel::HelpFilePath());
    EXPECT_EQ(candidates[1], programFolder + "/Help/Help.html");
    EXPECT_EQ(candidates[2], QDir::cleanPath(programFolder + "/../share/quorvel/Help/Help.html"));

    // The first readable one is shown, whichever place it is in.
    QTemporaryDir installed;
    ASSERT_TRUE(installed.isValid());
    WriteHelp(installed.path() + "/share/quorvel", "<h1>Установленная справка</h1>");
    quorvel::HelpViewer viewer;
    viewer.ShowContents(QStringList{quorvel::HelpFilePath(), empty.path() + "/bin/Help/Help.html",
                                    installed.path() + "/share/quorvel/Help/Help.html"});
    EXPECT_TRUE(viewer.Browser()->toPlainText().contains("Установленная справка"));

    WriteHelp(empty.path(), "<h1>Справка текущей папки</h1>");
    viewer.ShowContents(
        QStringList{quorvel::HelpFilePath(), installed.path() + "/share/quorvel/Help/Help.html"});
    EXPECT_TRUE(viewer.Browser()->toPlainText().contains("Справка текущей папки"));

    // None found: the page names every place, in order.
    const QStringList nowhere{empty.path() + "/a/Help.html", empty.path() + "/b/Help.html"};
    viewer.ShowContents(nowhere);
    const QString report = viewer.Browser()->toPlainText();
    EXPECT_TRUE(report.contains("Файл справки не найден"));
    ASSERT_TRUE(report.contains(nowhere[0]) && report.contains(nowhere[1]));
    EXPECT_LT(report.indexOf(nowhere[0]), report.indexOf(nowhere[1]));
}

TEST(HelpViewer, ProjectHelpFileIsARussianGuideQuotingTheMessages) {
    QFile file(QStringLiteral(QUORVEL_SOURCE_DIR "/Help/Help.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // Line breaks in the source are blanks on the page.
    const QString html = QString::fromUtf8(file.readAll()).simplified();
    for (const char* text :
         {"Проверьте исходные данные. Сумма не равна 100%",
          "Ошибка преобразования строк (Ошибка ввода числа)", "Structure of convertible gas",
          "Состав сухого синтез-газа", "Состав мокрого синтез-газа", "Соотношение продуктов",
          "Печать прервана: принтер не начал новую страницу.",
          "Печать не завершена: ошибка вывода на принтер.", "Не удалось начать печать (принтер",
          "нельзя записать в кодировке windows-1251. Удалите или замените его и сохраните "
          "снова.",
          "перекодировка в windows-1251 недоступна в этой системе.",
          "введено не число (дробную часть отделяйте точкой)", "share/quorvel/Help"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(text))) << text;
}

// The text of the help's section that starts at the anchor, up to the next section.
static QString HelpSection(const QString& html, const QString& anchor) {
    const qsizetype start = html.indexOf(QStringLiteral("<a name=\"%1\"></a>").arg(anchor));
    if (start < 0)
        return {};
    const qsizetype end = html.indexOf(QStringLiteral("<h2"), start);
    return html.mid(start, end < 0 ? -1 : end - start);
}

TEST(HelpViewer, ProjectHelpListsTheCsvColumnsAndCommentLinesTheProgramWrites) {
    QFile file(QStringLiteral(QUORVEL_SOURCE_DIR "/Help/Help.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll()).simplified();
    const QString csv = HelpSection(html, QStringLiteral("csv"));
    const QString figures = HelpSection(html, QStringLiteral("thermo"));
    ASSERT_FALSE(csv.isEmpty());
    ASSERT_FALSE(figures.isEmpty());

    quorvel::Engine engine;
    quorvel::InitialSetData(engine);
    for (const quorvel::SweptParameter kind : quorvel::AllSweptParameters) {
        const QStringList columns = quorvel::CsvLines(engine, kind).front().split(u',');
        ASSERT_GT(columns.size(), 10);
        // Every column is named, in the order of the file.
        qsizetype at = 0;
        for (const QString& column : columns) {
            const qsizetype found = csv.indexOf(QStringLiteral("<code>%1</code>").arg(column), at);
            EXPECT_GE(found, 0) << column.toStdString() << " missing or out of order";
            if (found >= 0)
                at = found;
        }
        // The figures section says which two columns the four figures follow.
        const qsizetype firstFigure = columns.indexOf(QStringLiteral("methane_conversion"));
        ASSERT_GE(firstFigure, 2);
        EXPECT_TRUE(
            figures.contains(QStringLiteral("после столбцов <code>%1</code> и <code>%2</code>")
                                 .arg(columns[firstFigure - 2], columns[firstFigure - 1])));
    }

    // How many comment lines the window's file has before the rows quorvel-sweep writes.
    auto comments = [&engine] {
        const QStringList lines = quorvel::CsvExportLines(engine, quorvel::SweptParameter::Ratio,
                                                          quorvel::ResultView::Dry);
        return static_cast<int>(std::count_if(
            lines.begin(), lines.end(), [](const QString& line) { return line.startsWith(u'#'); }));
    };
    const int seed = comments();
    engine.constants = quorvel::ConstantsSource::Standard;
    const int standard = comments();
    EXPECT_TRUE(csv.contains(
        QStringLiteral("(%1 строк, %2 при стандартных данных)").arg(seed).arg(standard)))
        << seed << " and " << standard;

    // One name for the cracking activity throughout.
    EXPECT_FALSE(html.contains(QStringLiteral("a<sub>крек</sub>")));
    EXPECT_TRUE(html.contains(QStringLiteral("a<sub>разл</sub>")));
}

TEST(HelpViewer, ProjectHelpFileHasASectionOnCarbonFormation) {
    QFile file(QStringLiteral(QUORVEL_SOURCE_DIR "/Help/Help.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const qsizetype section = html.indexOf(QStringLiteral("<h2><a name=\"carbon\"></a>"));
    ASSERT_GE(section, 0);
    EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"#carbon\">")));
    const QString text = html.mid(section);
    for (const char* expected :
         {"Mark carbon formation", "Carbon limit...", "Граница выпадения углерода",
          "CH<sub>4</sub> = C(гр) + 2H<sub>2</sub>", "2CO = C(гр) + CO<sub>2</sub>",
          "K<sub>c</sub> &middot; p<sub>CH4</sub> / p<sub>H2</sub><sup>2</sup>",
          "K<sub>b</sub> &middot; p<sub>CO</sub><sup>2</sup> / p<sub>CO2</sub>",
          "возможно выпадение углерода (активность углерода &gt;", "--carbon-limit",
          "только равновесие с графитом"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}
