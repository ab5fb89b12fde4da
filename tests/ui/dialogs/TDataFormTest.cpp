#include <QApplication>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/Engine.h"
#include "ui/dialogs/TDataForm.h"

namespace {

const char* const RowTitles[] = {
    "Метан",   "Этан", "Пропан", "Бутан", "Азот (ин. газы)", "Оксид углерода", "Диоксид углерода",
    "Водород", "Вода",
};

// A feed window over a fresh engine holding the start-up feed; messages are recorded.
struct FeedWindow {
    quorvel::Engine engine;
    std::unique_ptr<quorvel::TDataForm> form;
    std::vector<QString> messages;

    FeedWindow() {
        quorvel::InitialSetData(engine);
        form = std::make_unique<quorvel::TDataForm>(engine);
        form->SetMessageHook([this](QWidget*, const QString& text) { messages.push_back(text); });
        form->show();
    }

    void Type(const std::vector<const char*>& texts) {
        for (int row = 0; row < quorvel::TDataForm::RowCount; ++row)
            form->Edit(row)->setText(row < static_cast<int>(texts.size())
                                         ? QString::fromUtf8(texts[static_cast<size_t>(row)])
                                         : QStringLiteral("0"));
    }
};

bool SameTotals(const quorvel::FeedTotals& a, const quorvel::FeedTotals& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// What PreparationVar derives from the given feed.
quorvel::FeedTotals TotalsOf(const std::vector<double>& percentages) {
    quorvel::Engine engine;
    for (size_t i = 0; i < percentages.size(); ++i)
        engine.feedComposition[static_cast<int>(i)] = percentages[i];
    quorvel::PreparationVar(engine);
    return engine.feedTotals;
}

} // namespace

TEST(TDataForm, StartsWithThePureMethaneFeedAndTheDesignedLayout) {
    FeedWindow w;
    EXPECT_EQ(w.form->windowTitle(), "InitialData");
    EXPECT_EQ(w.form->size(), QSize(242, 294));
    EXPECT_EQ(w.form->minimumSize(), w.form->maximumSize());
    // A dialog border: the dialog window type, a close box and no minimise or maximise.
    EXPECT_TRUE(w.form->testAttribute(Qt::WA_X11NetWmWindowTypeDialog));
    EXPECT_TRUE(w.form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w.form->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w.form->Edit(0)->text(), " 100.00");
    for (int row = 0; row < quorvel::TDataForm::RowCount; ++row) {
        if (row > 0) {
            EXPECT_EQ(w.form->Edit(row)->text(), "   0.00") << row;
        }
        EXPECT_EQ(w.form->Label(row)->text(), QString::fromUtf8(RowTitles[row]));
        EXPECT_EQ(w.form->Label(row)->geometry(),
                  QRect(16, 40 + 24 * row, row == 6 ? 110 : 100, 16));
        EXPECT_EQ(w.form->Edit(row)->geometry(), QRect(135, 37 + 24 * row, 80, 21));
    }
    EXPECT_EQ(w.form->font().pixelSize(), 11);
    EXPECT_TRUE(w.form->font().bold());
    EXPECT_EQ(w.form->OkButton()->geometry(), QRect(24, 264, 74, 26));
    EXPECT_EQ(w.form->CancelButton()->geometry(), QRect(136, 264, 75, 25));
    EXPECT_EQ(w.form->focusWidget(), w.form->OkButton());

    // Tab order: OK, Cancel, then the fields from top to bottom, then round again.
    std::vector<QWidget*> expected{w.form->OkButton(), w.form->CancelButton()};
    for (int row = 0; row < quorvel::TDataForm::RowCount; ++row)
        expected.push_back(w.form->Edit(row));
    expected.push_back(w.form->OkButton());
    QWidget* current = w.form->OkButton();
    for (size_t i = 1; i < expected.size(); ++i) {
        do {
            current = current->nextInFocusChain();
        } while (current->focusPolicy() == Qt::NoFocus);
        EXPECT_EQ(current, expected[i]) << i;
    }
}

TEST(TDataForm, WritesFieldsWithAPointInSevenCharactersWhateverTheLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    quorvel::Engine engine;
    const double values[] = {91.5, 2.75, -5, 1234.5, 12345.678, 0.004, 0.005, 100, 0};
    for (int i = 0; i < 9; ++i)
        engine.feedComposition[i] = values[i];
    quorvel::TDataForm form(engine);
    const char* const expected[] = {"  91.50", "   2.75", "  -5.00", "1234.50", "12345.68",
                                    "   0.00", "   0.01", " 100.00", "   0.00"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(form.Edit(i)->text(), expected[i]) << i;
    QLocale::setDefault(saved);
}

TEST(TDataForm, AcceptsCompositionsThatAddUpTo100) {
    // Each row of texts is one composition; missing rows are 0.
    const std::vector<std::vector<const char*>> accepted{
        // the start-up texts
        {" 100.00", "   0.00", "   0.00"},
        // a natural gas
        {"91.50", "2.75", "2.50", "1.25", "0.50", "1.50"},
        // 100.00000000000001 when added in extended precision
        {"1.36", "31.85", "66.79"},
        // 99.99999999999999 when added in double precision
        {"88.49", "2.07", "9.44"},
        // a value above 100 cancelled by nothing below zero is still only a total's matter;
        // a zero written with its sign is not below zero
        {"100", "-0", "-0.00"},
        {" 2.75e1 ", "+72.5", "0", "0", "0", "0", "0", "0", "0.0"},
    };
    for (const auto& texts : accepted) {
        FeedWindow w;
        w.Type(texts);
        QSignalSpy hidden(w.form.get(), &quorvel::TDataForm::Hidden);
        w.form->ButtonOkClick();
        EXPECT_TRUE(w.messages.empty()) << texts[0];
        EXPECT_FALSE(w.form->isVisible()) << texts[0];
        EXPECT_EQ(hidden.count(), 1);
        std::vector<double> values;
        for (int row = 0; row < quorvel::TDataForm::RowCount; ++row)
            values.push_back(w.engine.feedComposition[row]);
        EXPECT_DOUBLE_EQ(values[0], w.form->Edit(0)->text().trimmed().toDouble());
        EXPECT_TRUE(SameTotals(w.engine.feedTotals, TotalsOf(values))) << texts[0];
    }
}

TEST(TDataForm, RejectsOtherTotalsButKeepsTheLastAcceptedFeed) {
    FeedWindow w;
    w.Type({"91.50", "2.75", "2.50", "1.25", "0.50", "1.50"});
    w.form->ButtonOkClick();
    const quorvel::FeedTotals accepted = w.engine.feedTotals;

    w.form->show();
    for (const char* methane : {"91.49", "91.5000001", "1e3", "0"}) {
        w.messages.clear();
        w.Type({methane, "2.75", "2.50", "1.25", "0.50", "1.50"});
        w.form->ButtonOkClick();
        ASSERT_EQ(w.messages.size(), 1u) << methane;
        EXPECT_EQ(w.messages[0], QStringLiteral("Проверьте исходные данные. Сумма не равна 100%"));
        EXPECT_TRUE(w.form->isVisible());
        // The rejected values are stored, the totals the calculation reads are not touched.
        EXPECT_EQ(w.engine.feedComposition[0], w.form->Edit(0)->text().toDouble());
        EXPECT_TRUE(SameTotals(w.engine.feedTotals, accepted)) << methane;
        EXPECT_EQ(w.form->Edit(0)->text(), methane);
    }

    // Cancel after the rejected OK: hidden, totals still the accepted ones, and the typed
    // texts are there when the window is opened again.
    w.form->CancelButton()->click();
    EXPECT_FALSE(w.form->isVisible());
    EXPECT_TRUE(SameTotals(w.engine.feedTotals, accepted));
    w.form->show();
    EXPECT_EQ(w.form->Edit(0)->text(), "0");
    EXPECT_EQ(w.form->Edit(1)->text(), "2.75");

    // Large terms that cancel and give exactly 100 when added in order (their true total
    // is 105): refused for the term below zero before any total is formed.
    w.messages.clear();
    w.Type({"1e300", "5", "0", "0", "0", "0", "0", "-1e300", "100"});
    w.form->ButtonOkClick();
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0],
              quorvel::TDataForm::NegativeFieldMessage(QString::fromUtf8(RowTitles[7])));
    EXPECT_TRUE(SameTotals(w.engine.feedTotals, accepted));
}

TEST(TDataForm, RefusesANegativeShareNamingItsRowEvenWhenTheTotalIs100) {
    FeedWindow w;
    w.form->ButtonOkClick();
    const quorvel::FeedTotals accepted = w.engine.feedTotals;
    const struct {
        std::vector<const char*> texts;
        int negativeRow;
    } cases[] = {
        {{"-50", "150"}, 0},
        {{"150", "-50"}, 1},
        {{"91.5", "2.75", "2.5", "1.25", "0.5", "1.5", "0", "0", "-1e-300"}, 8},
        {{"100", "0", "0", "0", "0", "0", "0", "-2", "-3"}, 7},
    };
    for (const auto& c : cases) {
        w.form->show();
        w.messages.clear();
        w.Type(c.texts);
        w.form->ButtonOkClick();
        ASSERT_EQ(w.messages.size(), 1u) << c.negativeRow;
        EXPECT_EQ(w.messages[0],
                  QStringLiteral("Проверьте исходные данные. В строке \"%1\" значение меньше нуля")
                      .arg(QString::fromUtf8(RowTitles[c.negativeRow])));
        EXPECT_EQ(w.form->focusWidget(), w.form->Edit(c.negativeRow));
        EXPECT_TRUE(w.form->isVisible());
        EXPECT_TRUE(SameTotals(w.engine.feedTotals, accepted)) << c.negativeRow;
    }
}

TEST(TDataForm, NamesTheRowOfAFieldThatIsNotANumberAndStoresNothing) {
    FeedWindow w;
    const quorvel::FeedComposition feedBefore = w.engine.feedComposition;
    const quorvel::FeedTotals totalsBefore = w.engine.feedTotals;
    // A comma, a stray letter, an empty field: the first bad row is the one named.
    // The hint says whether the decimal separator or letters are at fault.
    const QString comma = QStringLiteral("(дробную часть отделяйте точкой)");
    const QString letters = QStringLiteral("(введены буквы; число пишется цифрами)");
    const struct {
        std::vector<const char*> texts;
        int badRow;
        QString hint;
    } cases[] = {
        {{"87.5", "12,5"}, 1, comma},
        {{"100", "0", "0", "0", "-5x", "0", "1.5e"}, 4, letters},
        {{"100", "0", "0", "0", "0", "0", "0", "0", ""}, 8, {}},
        {{"91,50", "2.75", "2.50", "1.25", "0.50", "1.50"}, 0, comma},
        {{"100", "0", "0", "0", "0", "0", "1.5e"}, 6, {}},
        {{"пять", "12,5"}, 0, letters},
    };
    for (const auto& c : cases) {
        w.messages.clear();
        w.Type(c.texts);
        w.form->ButtonOkClick();
        ASSERT_EQ(w.messages.size(), 1u);
        const QString start = QStringLiteral("Проверьте исходные данные. В строке \"%1\" введено "
                                             "не число")
                                  .arg(QString::fromUtf8(RowTitles[c.badRow]));
        EXPECT_EQ(w.messages[0], c.hint.isEmpty() ? start : start + QLatin1Char(' ') + c.hint);
        EXPECT_EQ(w.form->focusWidget(), w.form->Edit(c.badRow));
        EXPECT_TRUE(w.form->isVisible());
        EXPECT_EQ(std::memcmp(&w.engine.feedComposition, &feedBefore, sizeof feedBefore), 0);
        EXPECT_TRUE(SameTotals(w.engine.feedTotals, totalsBefore));
    }
}

TEST(TDataForm, EscapeAndEnterInAFieldPressNoButtonAndTheCloseBoxOnlyHides) {
    FeedWindow w;
    w.form->Edit(0)->setText("50");
    QTest::keyClick(w.form->Edit(0), Qt::Key_Escape);
    QTest::keyClick(w.form->Edit(0), Qt::Key_Return);
    QTest::keyClick(w.form.get(), Qt::Key_Enter);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_TRUE(w.messages.empty());

    w.form->close();
    EXPECT_FALSE(w.form->isVisible());
    EXPECT_EQ(w.engine.feedComposition[0], 100.0); // nothing stored
    w.form->show();
    EXPECT_EQ(w.form->Edit(0)->text(), "50");

    // Enter on the focused OK button presses it.
    w.form->Edit(0)->setText("100");
    QTest::keyClick(w.form->OkButton(), Qt::Key_Return);
    EXPECT_FALSE(w.form->isVisible());
    EXPECT_TRUE(w.messages.empty());
}

TEST(TDataForm, OnlyHidingItReportsItHiddenNotTheDesktopIconifyingIt) {
    FeedWindow w;
    QSignalSpy hidden(w.form.get(), &quorvel::TDataForm::Hidden);
    // The desktop unmaps the window when the program is minimised; it stays open.
    QHideEvent iconified;
    QSpontaneKeyEvent::setSpontaneous(&iconified);
    QApplication::instance()->notify(w.form.get(), &iconified); // keeps it spontaneous
    EXPECT_EQ(hidden.count(), 0);
    w.form->CancelButton()->click();
    EXPECT_EQ(hidden.count(), 1);
}

TEST(TDataForm, ShowsTheSumMessageInAPlainBoxCaptionedWithTheProgramName) {
    quorvel::Engine engine;
    quorvel::InitialSetData(engine);
    quorvel::TDataForm form(engine);
    form.show();
    form.Edit(0)->setText("99");
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Critical;
    int buttons = 0;
    QPoint offCentre(-1, -1);
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        // Centred on the screen, not merely near the window it came from.
        offCentre = box->frameGeometry().center() - box->screen()->availableGeometry().center();
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    form.ButtonOkClick();
    EXPECT_EQ(text, quorvel::TDataForm::SumMessage());
    EXPECT_EQ(title, QApplication::applicationName());
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, 1);
    EXPECT_LE(offCentre.manhattanLength(), 1) << offCentre.x() << "," << offCentre.y();
    EXPECT_TRUE(form.isVisible());
}
