// SPDX-License-Identifier: GPL-3.0-or-later
// The window «Криптоанализ» opened from the main window: statistics against counts made by hand, and the attack
// on ciphertexts enciphered through the core, with «Установить», «Отмена» and the messages a student reads.

#include "tests/main_window/WindowFixture.h"

#include "analysis_window/AnalysisWindow.h"
#include "analysis_window/FrequencyChart.h"
#include "analysis_window/RussianFrequencies.h"
#include "machine/RotorBank.h"
#include "machine/RotorCatalogue.h"
#include "analysis_window/KeyClassDialog.h"
#include "analysis_window/KeyText.h"
#include "analysis_window/NumberText.h"
#include "main_window/RunClock.h"
#include "main_window/StatusBar.h"
#include "main_window/ThreeDButton.h"
#include "window_kit/RussianPlural.h"

#include <QAccessible>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>

#include <cmath>
#include <random>
#include <set>

using namespace velista;
using namespace velista::test;

namespace {

// The text through a bank set directly, as the main window's run would encipher or decipher it.
QString Transform(const QString& text, const QString& rotors, const QString& key, bool encrypt)
{
    RotorBank bank;
    std::array<std::int16_t, SlotCount> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = static_cast<std::int16_t>(rotors.at(qsizetype(i)).unicode() - u'0');
    if (!bank.SetDirectly(RotorCatalogue::Shipped(), numbers, key.toStdU16String()))
        qFatal("the bank refused the test's setting");
    std::u16string symbols = text.toStdU16String();
    encrypt ? bank.EncipherText(symbols) : bank.DecipherText(symbols);
    return QString::fromStdU16String(symbols);
}

// Russian-looking text with a line break every 61 characters, as RichTextBox::Text() gives it (CR LF).
QString PlainText(int length, unsigned seed)
{
    std::mt19937 random(seed);
    const QString letters = QStringLiteral("абвгдеийклмнопрстуфхцчшщыьэюяАБВКМНПРСТ ,.");
    QString text;
    for (int i = 0; i < length; ++i)
        text += i % 61 == 60 ? QStringLiteral("\r\n") : QString(letters.at(qsizetype(random() % letters.size())));
    return text;
}

// A run's time that jumps to each deadline, with a hook called inside every wait of the run.
struct HookedClock final : RunClock {
    qint64 Now() const override { return now; }
    void WaitUntil(qint64 time) override
    {
        if (onWait)
            onWait(time);
        QCoreApplication::processEvents();
        if (time != NoDeadline)
            now = std::max(now, time);
    }
    void Wake() override {}

    qint64 now = 0;
    std::function<void(qint64)> onWait;
};

// The focus chain from the focused widget: every widget Tab reaches until the focus comes back, or 40 presses.
QList<QWidget*> TabChain(QWidget* window)
{
    QWidget* first = QApplication::focusWidget();
    QList<QWidget*> reached;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == first || !window->isAncestorOf(QApplication::focusWidget()))
            return reached << QApplication::focusWidget();
        reached << QApplication::focusWidget();
    }
    return reached;
}

}  // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT

private:
    // The window opened from the main window, the plain-text area holding plain and the ciphertext area its
    // encryption with rotors 73915 and key «Ключ1».
    AnalysisWindow* Open(WindowFixture& fixture, const QString& plain)
    {
        Control<RichTextBox>(fixture.form, "RichTextBox2")->SetText(plain);
        Control<RichTextBox>(fixture.form, "RichTextBox1")
            ->SetText(Transform(Control<RichTextBox>(fixture.form, "RichTextBox2")->Text(), Rotors, Key, true));
        fixture.form.OpenAnalysis();
        return fixture.form.Analysis();
    }

    // Starts the search with the fragment and position and waits for its end.
    static bool Search(AnalysisWindow* window, const QString& fragment, int position, int seconds = 60)
    {
        window->fragmentEdit->setPlainText(fragment);
        window->positionBox->setValue(position);
        QSignalSpy finished(window, &AnalysisWindow::SearchFinished);
        QTest::mouseClick(window->findButton, Qt::LeftButton);
        return finished.wait(seconds * 1000);
    }

    const QString Rotors = QStringLiteral("73915");
    const QString Key = QStringLiteral("Ключ1");

private slots:
    void findsTheSettingAndInstallFillsTheFields_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("positionKnown");
        QTest::newRow("known position") << 400 << 40 << true;
        QTest::newRow("unknown position") << 1500 << 40 << false;
        // 270 is a multiple of 135; the fragment also holds the CR LF after 4 * 61 characters.
        QTest::newRow("across a stretch and a line break") << 250 << 60 << true;
    }

    void findsTheSettingAndInstallFillsTheFields()
    {
        QFETCH(int, at);
        QFETCH(int, length);
        QFETCH(bool, positionKnown);
        WindowFixture fixture;
        QVERIFY(fixture.Install(QStringLiteral("01234"), QStringLiteral("abcde")));
        AnalysisWindow* window = Open(fixture, PlainText(3000, 3));
        const QString plain = Control<RichTextBox>(fixture.form, "RichTextBox2")->Text();
        QVERIFY(Search(window, plain.mid(at, length), positionKnown ? at : -1));

        QVERIFY2(window->resultLabel->text().contains(QStringLiteral("единственная")),
                 qPrintable(window->resultLabel->text()));
        QCOMPARE(window->resultTable->rowCount(), 1);
        QCOMPARE(window->resultTable->item(0, 0)->text(), Rotors);
        QCOMPARE(window->resultTable->item(0, 2)->text(), NumberText::Whole(std::uint64_t(at)));
        QCOMPARE(window->progressBar->value(), window->progressBar->maximum());
        QVERIFY(window->installButton->isEnabled());

        QTest::mouseClick(window->installButton, Qt::LeftButton);
        QCOMPARE(Control<FilteredField>(fixture.form, "Text4")->text(), Rotors);
        QCOMPARE(Control<FilteredField>(fixture.form, "Text5")->text(),
                 window->resultTable->item(0, 1)->data(Qt::UserRole).toString());
        // Written through the fields' own change handlers, then installed as by the install button.
        QVERIFY(fixture.form.RotorsInstalled());
        QVERIFY(!Control<ThreeDButton>(fixture.form, "SSCommand10")->isEnabled());
        QCOMPARE(Control<StatusBar>(fixture.form, "StatusBar1")->PanelText(1), Form1::Installed);
        QVERIFY2(window->installNote->text().contains(QStringLiteral("установлены в главном окне")),
                 qPrintable(window->installNote->text()));
        // The key found deciphers the whole text.
        QCOMPARE(Transform(Control<RichTextBox>(fixture.form, "RichTextBox1")->Text(),
                           Control<FilteredField>(fixture.form, "Text4")->text(),
                           Control<FilteredField>(fixture.form, "Text5")->text(), false),
                 plain);
    }

    void messagesSayWhyNothingOrTooMuchFits_data()
    {
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("rows");  // -1: more than one
        QTest::newRow("foreign fragment") << QStringLiteral("Совсем другой текст, которого здесь нет") << 100
                                          << QStringLiteral("Ни одна настройка не подходит") << 0;
        QTest::newRow("foreign fragment anywhere") << QStringLiteral("Совсем другой текст, которого здесь нет") << -1
                                                   << QStringLiteral("ни на одной позиции") << 0;
        QTest::newRow("no alphabet symbol") << QStringLiteral("!!!") << 10
                                            << QStringLiteral("нет ни одного символа алфавита") << 0;
        QTest::newRow("too short") << QString() << 700 << QStringLiteral("слишком короток") << -1;
        QTest::newRow("beyond the end") << QStringLiteral("абв") << 3100
                                        << QStringLiteral("выходит за конец шифротекста") << 0;
        QTest::newRow("no fragment") << QString(QChar(0)) << 0 << QStringLiteral("Введите известный фрагмент") << 0;
        // Refused at once, with the length that would do.
        QTest::newRow("one symbol anywhere") << QStringLiteral("0") << -1 << QStringLiteral("а нужно не меньше 7") << 0;
        QTest::newRow("three symbols at a known place") << QStringLiteral("абв") << 10
                                                        << QStringLiteral("а нужно не меньше 5") << 0;
    }

    void messagesSayWhyNothingOrTooMuchFits()
    {
        QFETCH(QString, fragment);
        QFETCH(int, position);
        QFETCH(QString, message);
        QFETCH(int, rows);
        WindowFixture fixture;
        AnalysisWindow* window = Open(fixture, PlainText(3000, 5));
        if (fragment.isEmpty())  // five symbols of the text itself: hundreds of settings fit them
            fragment = Control<RichTextBox>(fixture.form, "RichTextBox2")->Text().mid(position, 5);
        if (fragment == QString(QChar(0)))
            fragment.clear();
        window->fragmentEdit->setPlainText(fragment);
        window->positionBox->setValue(position);
        QSignalSpy finished(window, &AnalysisWindow::SearchFinished);
        QTest::mouseClick(window->findButton, Qt::LeftButton);
        // A refused input starts nothing; a search is waited for.
        if (message.contains(QStringLiteral("нужно не меньше")))
            QVERIFY(!window->Searching());
        if (window->Searching())
            QVERIFY(finished.wait(60000));
        QVERIFY2(window->resultLabel->text().contains(message), qPrintable(window->resultLabel->text()));
        if (rows >= 0) {
            QCOMPARE(window->resultTable->rowCount(), rows);
            QCOMPARE(window->installButton->isEnabled(), rows > 0);
        } else {
            QVERIFY(window->Result()->found > 1);
            QVERIFY(window->resultTable->rowCount() > 1);
            QVERIFY(window->resultTable->rowCount() <= 100);
            // How many fit, in words.
            QVERIFY2(window->resultLabel->text().contains(QStringLiteral("подходят ")),
                     qPrintable(window->resultLabel->text()));
            QVERIFY(window->resultLabel->text().contains(QStringLiteral("настро")));
        }
    }

    void cancelStopsTheSearch()
    {
        WindowFixture fixture;
        // Twelve symbols at an unknown place in 20,000: minutes of search if left to run.
        AnalysisWindow* window = Open(fixture, PlainText(20000, 9));
        window->fragmentEdit->setPlainText(Control<RichTextBox>(fixture.form, "RichTextBox2")->Text().mid(15000, 12));
        window->positionBox->setValue(-1);
        QVERIFY(window->fragmentNote->text().contains(QStringLiteral("может занять")));
        QSignalSpy finished(window, &AnalysisWindow::SearchFinished);
        QTest::mouseClick(window->findButton, Qt::LeftButton);
        QVERIFY(window->Searching());
        QVERIFY(!window->findButton->isEnabled());
        // The window answers while the search runs: its progress bar moves.
        QTRY_VERIFY_WITH_TIMEOUT(window->progressBar->value() > 0, 20000);
        QTest::mouseClick(window->cancelButton, Qt::LeftButton);
        QVERIFY(finished.wait(10000));
        QVERIFY(!window->Searching());
        QVERIFY(window->Result()->cancelled);
        QVERIFY(window->resultLabel->text().startsWith(QStringLiteral("Поиск отменён")));
        QVERIFY(window->findButton->isEnabled());
        QVERIFY(!window->cancelButton->isEnabled());
    }

    void closingDuringASearchStopsIt()
    {
        auto fixture = std::make_unique<WindowFixture>();
        AnalysisWindow* window = Open(*fixture, PlainText(20000, 9));
        window->fragmentEdit->setPlainText(Control<RichTextBox>(fixture->form, "RichTextBox2")->Text().mid(15000, 12));
        QTest::mouseClick(window->findButton, Qt::LeftButton);
        QVERIFY(window->Searching());
        // The main window and its child go while the threads work: the destructor must stop and join them.
        fixture.reset();
        QCoreApplication::processEvents();
    }

    void statisticsEqualCountsMadeByHand_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("counted");  // symbol and its count, by hand
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("symbols");
        QTest::addColumn<QString>("index");
        // а ×2, б, Z: pairs 2·1 over 4·3 = 0,1667; the line break is two characters outside the alphabet.
        QTest::newRow("letters and a line break") << QStringLiteral("ааб\nZ!") << QStringLiteral("а2б1Z1!0") << 7 << 4
                                                  << QStringLiteral("0,1667");
        // Spaces count; Ё is outside the alphabet. Space ×3, о ×3: (6 + 6) / (6·5) = 0,4.
        QTest::newRow("spaces and Ё") << QStringLiteral("о о оЁ ") << QStringLiteral(" 3о3Ё0") << 7 << 6
                                      << QStringLiteral("0,4000");
        QTest::newRow("one symbol") << QStringLiteral("Ж") << QStringLiteral("Ж1") << 1 << 1 << QStringLiteral("—");
    }

    void statisticsEqualCountsMadeByHand()
    {
        QFETCH(QString, plain);
        QFETCH(QString, counted);
        QFETCH(int, length);
        QFETCH(int, symbols);
        QFETCH(QString, index);
        WindowFixture fixture;
        // A text of another length, so that the count below waits for the refresh.
        Control<RichTextBox>(fixture.form, "RichTextBox2")->SetText(QString(100, u'x'));
        Control<RichTextBox>(fixture.form, "RichTextBox1")->clear();
        fixture.form.OpenAnalysis();
        AnalysisWindow* window = fixture.form.Analysis();
        // A change of the area reaches the window once the typing pauses.
        Control<RichTextBox>(fixture.form, "RichTextBox2")->SetText(plain);
        QTRY_COMPARE(window->plainChart->Statistics().Length(), std::uint64_t(length));
        for (qsizetype i = 0; i < counted.size(); i += 2)
            QCOMPARE(window->plainChart->Statistics().Count(counted.at(i).unicode()),
                     std::uint64_t(counted.at(i + 1).digitValue()));
        QCOMPARE(window->plainChart->Statistics().SymbolCount(), std::uint64_t(symbols));
        // Each bar's height is its symbol's share of the alphabet symbols.
        for (int bar = 0; bar < analysis::SymbolStatistics::Symbols; ++bar) {
            const qsizetype at = counted.indexOf(QChar(FrequencyChart::SymbolOfBar(bar)));
            const int count = at >= 0 && at % 2 == 0 ? counted.at(at + 1).digitValue() : 0;
            QCOMPARE(window->plainChart->Share(bar), double(count) / symbols);
        }
        const QString figures = window->plainFigures->text();
        QVERIFY2(figures.contains(QStringLiteral("Символов: %1, из них в алфавите машины: %2").arg(length).arg(symbols)),
                 qPrintable(figures));
        QVERIFY2(figures.contains(QStringLiteral("Индекс совпадений: ") + index), qPrintable(figures));
        QVERIFY(figures.contains(QStringLiteral("1/135 ≈ 0,0074")));
        QVERIFY(figures.contains(QStringLiteral("русский текст 0,0525")));
        QCOMPARE(window->cipherChart->Statistics().Length(), std::uint64_t(0));
    }

    void encryptionFlattensTheBars()
    {
        WindowFixture fixture;
        AnalysisWindow* window = Open(fixture, PlainText(30000, 1));
        const double plainHighest = window->plainChart->HighestShare();
        const double cipherHighest = window->cipherChart->HighestShare();
        // 42 symbols in the plain text against 135 in the ciphertext: the tallest bar at least twice as tall.
        QVERIFY2(plainHighest > 2 * cipherHighest, qPrintable(QString::number(plainHighest / cipherHighest)));
        QVERIFY(window->cipherFigures->text().contains(QStringLiteral("Индекс совпадений: 0,00")));
    }

    void sortedBarsAndExpectedMarks_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<bool>("expected");
        QTest::newRow("sorted") << 3000 << true << false;
        QTest::newRow("Russian marks over the groups") << 3000 << false << true;
        QTest::newRow("sorted with Russian marks") << 20000 << true << true;
    }

    // The boxes act on both charts: sorted, the bars fall from left to right and a point finds the bar drawn
    // under it; the Russian marks change the picture. The built-in Russian shares give the index of
    // coincidence the program quotes for Russian, 0.0525.
    void sortedBarsAndExpectedMarks()
    {
        QFETCH(int, length);
        QFETCH(bool, sorted);
        QFETCH(bool, expected);
        WindowFixture fixture;
        AnalysisWindow* window = Open(fixture, PlainText(length, 3));
        const QImage before = window->plainChart->grab().toImage();
        window->sortBox->setChecked(sorted);
        window->expectedBox->setChecked(expected);
        for (FrequencyChart* chart : {window->plainChart, window->cipherChart}) {
            QCOMPARE(chart->SortedByFrequency(), sorted);
            QCOMPARE(chart->ExpectedShown(), expected);
            std::set<int> bars;
            for (int place = 0; place < analysis::SymbolStatistics::Symbols; ++place) {
                bars.insert(chart->BarAtPlace(place));
                if (sorted && place > 0)
                    QVERIFY(chart->Share(chart->BarAtPlace(place - 1)) >= chart->Share(chart->BarAtPlace(place)));
                if (!sorted)
                    QCOMPARE(chart->BarAtPlace(place), place);
            }
            QCOMPARE(int(bars.size()), analysis::SymbolStatistics::Symbols);
        }
        // A point at the plot's right end finds the bar drawn last.
        FrequencyChart* chart = window->plainChart;
        const QPoint last(chart->width() - 8, chart->height() / 3);
        QCOMPARE(chart->BarAt(last), chart->BarAtPlace(analysis::SymbolStatistics::Symbols - 1));
        QVERIFY(window->plainChart->grab().toImage() != before);
        double index = 0;
        for (int bar = 0; bar < analysis::SymbolStatistics::Symbols; ++bar) {
            const double share = RussianFrequencies::Share(FrequencyChart::SymbolOfBar(bar));
            index += share * share;
        }
        QVERIFY2(std::abs(index - 0.0525) < 0.0005, qPrintable(QString::number(index)));
    }

    void keyClassListsAndChecks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("member");
        QTest::newRow("the key the teacher chose") << QString(Key) << true;
        QTest::newRow("one symbol off") << QString(Key).left(4) + QStringLiteral("2") << false;
        QTest::newRow("four symbols") << QString(Key).left(4) << false;
    }

    // After a search, «Ключи класса…» lists the found class's 135 keys, different ones, the found key first,
    // and answers whether a typed key belongs to it.
    void keyClassListsAndChecks()
    {
        QFETCH(QString, typed);
        QFETCH(bool, member);
        WindowFixture fixture;
        AnalysisWindow* window = Open(fixture, PlainText(1000, 4));
        QVERIFY(!window->keyClassButton->isEnabled());
        QVERIFY(Search(window, Control<RichTextBox>(fixture.form, "RichTextBox2")->Text().mid(100, 40), 100));
        QVERIFY(window->keyClassButton->isEnabled());
        QTest::mouseClick(window->keyClassButton, Qt::LeftButton);
        auto* dialog = window->findChild<KeyClassDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->keyList->count(), 135);
        QSet<QString> keys;
        for (int i = 0; i < dialog->keyList->count(); ++i)
            keys.insert(dialog->keyList->item(i)->data(Qt::UserRole).toString());
        QCOMPARE(keys.size(), 135);
        QVERIFY(keys.contains(QString(Key)));
        QCOMPARE(dialog->keyList->item(0)->data(Qt::UserRole).toString(),
                 QString::fromStdU16String(window->Result()->settings.at(0).Key(analysis::RotorTables::Shipped()).Symbols()));
        dialog->checkKeyField->setText(typed);
        const QString answer = dialog->checkKeyAnswer->text();
        QVERIFY2(answer.contains(typed.size() != 5 ? QStringLiteral("пять символов")
                                 : member          ? QStringLiteral("входит в класс")
                                                   : QStringLiteral("не входит")),
                 qPrintable(answer));
    }

    void savedReportOpens_data()
    {
        QTest::addColumn<bool>("searched");
        QTest::newRow("before a search") << false;
        QTest::newRow("after a search") << true;
    }

    // The report is one A4 PDF, read back with pdfinfo and pdftotext: both charts' figures, the attack's
    // request and result once a search was made, and the paragraph on the 135 keys.
    void savedReportOpens()
    {
        QFETCH(bool, searched);
        const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdfinfo.isEmpty() || pdftotext.isEmpty())
            QSKIP("poppler-utils (scripts/install-dependencies) reads the PDF back");
        WindowFixture fixture;
        AnalysisWindow* window = Open(fixture, PlainText(1000, 4));
        const QString fragment = Control<RichTextBox>(fixture.form, "RichTextBox2")->Text().mid(100, 40);
        if (searched)
            QVERIFY(Search(window, fragment, 100));
        window->expectedBox->setChecked(true);
        QTemporaryDir dir;
        const QString path = dir.filePath("отчёт.pdf");
        QCOMPARE(window->SaveReport(path), std::optional<QString>());
        const auto run = [](const QString& program, const QStringList& arguments) {
            QProcess process;
            process.start(program, arguments);
            process.waitForFinished(20000);
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        const QString info = run(pdfinfo, {path});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+[1-3]\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts"))),
                 qPrintable(info));
        const QString text = run(pdftotext, {path, "-"});
        QVERIFY2(text.contains(QStringLiteral("Почему ключей 135")), qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("Индекс совпадений")), 2);
        QVERIFY(text.contains(QStringLiteral("fortunes-ru")));
        QCOMPARE(text.contains(QStringLiteral("роторы 73915")), searched);
        QCOMPARE(text.contains(QStringLiteral("Позиция: 100")), searched);
        QCOMPARE(text.contains(QStringLiteral("не проводился")), !searched);
    }

    void oneWindowOpensFromF9()
    {
        WindowFixture fixture;
        auto* action = fixture.form.findChild<QAction*>(QStringLiteral("cryptanalysisAction"));
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        QCOMPARE(action->shortcut(), QKeySequence(Qt::Key_F9));
        action->trigger();
        AnalysisWindow* first = fixture.form.Analysis();
        QVERIFY(first && first->isVisible());
        QVERIFY(!first->isModal());
        QCOMPARE(first->windowTitle(), QStringLiteral("Криптоанализ"));
        first->close();
        action->trigger();
        QCOMPARE(fixture.form.Analysis(), first);
        QVERIFY(first->isVisible());
    }

    void everyFocusableControlHasItsOwnName_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain chart") << "plainChart" << "Столбцы частот открытого текста";
        QTest::newRow("cipher chart") << "cipherChart" << "Столбцы частот шифротекста";
        QTest::newRow("expected frequencies") << "expectedBox" << "Ожидаемые частоты русского текста";
        QTest::newRow("sort") << "sortBox" << "По убыванию частоты";
        QTest::newRow("save report") << "saveReportButton" << "Сохранить отчёт";
        QTest::newRow("fragment") << "fragmentEdit" << "Известный фрагмент открытого текста";
        QTest::newRow("position") << "positionBox" << "Позиция фрагмента";
        QTest::newRow("find") << "findButton" << "Найти ключ";
        QTest::newRow("cancel") << "cancelButton" << "Отменить поиск";
        QTest::newRow("progress") << "progressBar" << "Ход поиска";
        QTest::newRow("result table") << "resultTable" << "Найденные настройки";
        QTest::newRow("install") << "installButton" << "Установить роторы";
        QTest::newRow("key class") << "keyClassButton" << "Ключи класса";
    }

    void everyFocusableControlHasItsOwnName()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        WindowFixture fixture;
        AnalysisWindow* window = Open(fixture, PlainText(300, 2));
        QAccessibleInterface* window_ = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(window_->role(), QAccessible::Dialog);
        QCOMPARE(window_->text(QAccessible::Name), QStringLiteral("Криптоанализ"));
        auto* widget = window->findChild<QWidget*>(control);
        QVERIFY(widget);
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
        // No focusable control goes unnamed, padded or named after its group.
        QStringList titles;
        for (const QGroupBox* box : window->findChildren<QGroupBox*>())
            titles << box->title();
        for (QWidget* focusable : window->findChildren<QWidget*>()) {
            if (focusable->focusPolicy() == Qt::NoFocus || focusable->focusProxy() || !focusable->isVisibleTo(window))
                continue;
            const QString own = QAccessible::queryAccessibleInterface(focusable)->text(QAccessible::Name);
            QVERIFY2(!own.isEmpty() && own == own.trimmed() && !titles.contains(own),
                     qPrintable(focusable->objectName() + QStringLiteral(": '") + own + u'\''));
        }
        // The labels lead to their fields.
        QCOMPARE(window->fragmentLabel->buddy(), window->fragmentEdit);
        QCOMPARE(window->positionLabel->buddy(), window->positionBox);
    }

    void chartSummaryNamesTheFrequentSymbols_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("summary");
        // о ×4, space ×3, а ×2, б, Z, В: 12 symbols; pairs (12 + 6 + 2) / (12 · 11) = 0,1515. Ties keep the chart's
        // order: the space, then Latin, then Cyrillic capitals before small letters.
        QTest::newRow("six symbols") << "оооо аа б ZВ!"
                                     << "12 символов алфавита. Чаще всего: «о» 33,3 %, пробел 25,0 %, «а» 16,7 %, "
                                        "«Z» 8,3 %, «В» 8,3 %. Индекс совпадений: 0,1515.";
        QTest::newRow("one symbol") << "Ж!" << "1 символ алфавита. Чаще всего: «Ж» 100,0 %. Индекс совпадений: не "
                                              "определён (нужны два символа).";
        QTest::newRow("nothing of the alphabet") << "Ёё!" << "Символов алфавита нет.";
    }

    void chartSummaryNamesTheFrequentSymbols()
    {
        QFETCH(QString, text);
        QFETCH(QString, summary);
        WindowFixture fixture;
        Control<RichTextBox>(fixture.form, "RichTextBox2")->SetText(text);
        fixture.form.OpenAnalysis();
        FrequencyChart* chart = fixture.form.Analysis()->plainChart;
        QCOMPARE(chart->Summary(), summary);
        QCOMPARE(QAccessible::queryAccessibleInterface(chart)->text(QAccessible::Description), summary);
    }

    void tabComesBackAfterReachingEveryControl_data()
    {
        QTest::addColumn<bool>("searched");
        QTest::newRow("before a search") << false;
        QTest::newRow("after a search") << true;
    }

    void tabComesBackAfterReachingEveryControl()
    {
        QFETCH(bool, searched);
        WindowFixture fixture;
        AnalysisWindow* window = Open(fixture, PlainText(1000, 4));
        QVERIFY(QTest::qWaitForWindowActive(window));
        if (searched)
            QVERIFY(Search(window, Control<RichTextBox>(fixture.form, "RichTextBox2")->Text().mid(100, 40), 100));
        window->fragmentEdit->setFocus();
        const QList<QWidget*> chain = TabChain(window);
        QVERIFY2(!chain.isEmpty() && chain.back() == window->fragmentEdit, "Tab does not come back to the fragment");
        QList<QWidget*> expected = {window->plainChart,   window->cipherChart, window->expectedBox, window->sortBox,
                                    window->saveReportButton,
                                    window->fragmentEdit, window->positionBox, window->findButton,  window->resultTable};
        if (searched)
            expected << window->installButton << window->keyClassButton;
        for (QWidget* control : expected)
            QVERIFY2(chain.contains(control), qPrintable(control->objectName()));
        QCOMPARE(chain.contains(window->installButton), searched);
    }

    void escapeClosesTheWindow_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::newRow("fragment") << "fragmentEdit";
        QTest::newRow("position") << "positionBox";
        QTest::newRow("result table") << "resultTable";
        QTest::newRow("chart") << "cipherChart";
    }

    void escapeClosesTheWindow()
    {
        QFETCH(QString, focused);
        WindowFixture fixture;
        AnalysisWindow* window = Open(fixture, PlainText(300, 4));
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* widget = window->findChild<QWidget*>(focused);
        widget->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    void enterOnARowInstallsThatRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("first row") << 0;
        QTest::newRow("fourth row") << 3;
    }

    void enterOnARowInstallsThatRow()
    {
        QFETCH(int, row);
        WindowFixture fixture;
        AnalysisWindow* window = Open(fixture, PlainText(3000, 5));
        // Five symbols at a known place: many settings fit.
        QVERIFY(Search(window, Control<RichTextBox>(fixture.form, "RichTextBox2")->Text().mid(700, 5), 700));
        QVERIFY(window->resultTable->rowCount() > row);
        window->resultTable->setFocus();
        window->resultTable->setCurrentCell(row, 0);
        QTest::keyClick(window->resultTable, Qt::Key_Return);
        QCOMPARE(Control<FilteredField>(fixture.form, "Text4")->text(), window->resultTable->item(row, 0)->text());
        QCOMPARE(Control<FilteredField>(fixture.form, "Text5")->text(),
                 window->resultTable->item(row, 1)->data(Qt::UserRole).toString());
        QVERIFY(fixture.form.RotorsInstalled());
    }

    void aChangeAfterASearchTakesTheResultAway_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        QTest::newRow("fragment edited") << "fragment" << "Фрагмент или его позиция изменились";
        QTest::newRow("position changed") << "position" << "Фрагмент или его позиция изменились";
        QTest::newRow("ciphertext edited") << "ciphertext" << "Шифротекст изменился";
        QTest::newRow("ciphertext edited, install at once") << "install" << "Шифротекст изменился";
    }

    void aChangeAfterASearchTakesTheResultAway()
    {
        QFETCH(QString, change);
        QFETCH(QString, message);
        WindowFixture fixture;
        AnalysisWindow* window = Open(fixture, PlainText(1000, 6));
        QVERIFY(Search(window, Control<RichTextBox>(fixture.form, "RichTextBox2")->Text().mid(100, 40), 100));
        QVERIFY(window->installButton->isEnabled());
        if (change == "fragment")
            window->fragmentEdit->appendPlainText(QStringLiteral("х"));
        else if (change == "position")
            window->positionBox->setValue(101);
        else
            Control<RichTextBox>(fixture.form, "RichTextBox1")
                ->SetText(Control<RichTextBox>(fixture.form, "RichTextBox1")->Text().left(900));
        if (change == "install")  // before the pause after the change: the click compares the ciphertext itself
            window->InstallSetting();
        QTRY_VERIFY(!window->Result());
        QCOMPARE(window->resultTable->rowCount(), 0);
        QVERIFY(!window->installButton->isEnabled());
        QVERIFY2(window->resultLabel->text().startsWith(message), qPrintable(window->resultLabel->text()));
        QVERIFY(Control<FilteredField>(fixture.form, "Text4")->text().isEmpty());
    }

    void installWaitsWhileARunHoldsTheFields_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("running") << "running" << false;
        QTest::newRow("paused") << "paused" << false;
        QTest::newRow("idle after the run") << "idle" << true;
    }

    void installWaitsWhileARunHoldsTheFields()
    {
        QFETCH(QString, state);
        QFETCH(bool, enabled);
        WindowFixture fixture;
        HookedClock clock;
        fixture.form.SetRunClock(clock);
        fixture.form.SetSpeed(RunSpeed::OnePerSecond);
        AnalysisWindow* window = Open(fixture, PlainText(200, 7));
        // Another setting in the fields than the one the search will offer, installed; a decryption leaves the
        // ciphertext, and so the result, as it is.
        QVERIFY(fixture.Install(QStringLiteral("01234"), QStringLiteral("abcde")));
        QVERIFY(Search(window, Control<RichTextBox>(fixture.form, "RichTextBox2")->Text().mid(20, 40), 20));
        const auto check = [&] {
            QCOMPARE(window->installButton->isEnabled(), enabled);
            QCOMPARE(window->installButton->toolTip().startsWith(QStringLiteral("Идёт шифрование")), !enabled);
            const QString status = Control<StatusBar>(fixture.form, "StatusBar1")->PanelText(1);
            window->InstallSetting();  // as Enter or a double click would
            QCOMPARE(Control<FilteredField>(fixture.form, "Text4")->text(), enabled ? Rotors : QStringLiteral("01234"));
            QCOMPARE(
                Control<FilteredField>(fixture.form, "Text5")->text(),
                enabled ? window->resultTable->item(0, 1)->data(Qt::UserRole).toString() : QStringLiteral("abcde"));
            // While the run holds the fields the status stays as it was; afterwards the rotors are installed.
            QCOMPARE(Control<StatusBar>(fixture.form, "StatusBar1")->PanelText(1), enabled ? Form1::Installed : status);
        };
        int waits = 0;
        clock.onWait = [&](qint64 time) {
            ++waits;
            if (state == "running" && waits == 3)
                check();
            if (state == "paused" && waits == 3)
                fixture.form.TogglePause();
            if (state == "paused" && time == RunClock::NoDeadline) {
                check();
                fixture.form.TogglePause();
            }
            if (waits == 4)
                fixture.form.SetSpeed(RunSpeed::NoDelay);
        };
        fixture.form.DecryptCipherText();
        QVERIFY(waits >= 3);
        if (state == "idle")
            check();
    }

    void pluralsMatchTheirNumbers_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("form");
        for (const auto& [n, form] : std::initializer_list<std::pair<int, const char*>>{
                 {1, "символ"}, {2, "символа"}, {4, "символа"}, {5, "символов"}, {11, "символов"}, {12, "символов"},
                 {14, "символов"}, {21, "символ"}, {22, "символа"}, {25, "символов"}, {101, "символ"},
                 {111, "символов"}})
            QTest::newRow(qPrintable(QString::number(n))) << n << QString::fromUtf8(form);
    }

    void pluralsMatchTheirNumbers()
    {
        QFETCH(int, n);
        QFETCH(QString, form);
        QCOMPARE(RussianPlural(n, QStringLiteral("символ"), QStringLiteral("символа"), QStringLiteral("символов")),
                 form);
        // The window's note on the fragment says it the same way.
        WindowFixture fixture;
        fixture.form.OpenAnalysis();
        fixture.form.Analysis()->fragmentEdit->setPlainText(QString(n, u'ж'));
        const QString note = fixture.form.Analysis()->fragmentNote->text();
        QVERIFY2(note.startsWith(QStringLiteral("Во фрагменте %1 %2,").arg(n).arg(form)), qPrintable(note));
    }

    void keyIsShownWithItsSpacesAndScripts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("scripts");
        QTest::newRow("look-alikes") << "gЙEkА" << "«gЙEkА»"
                                     << "латиница кириллица латиница латиница кириллица";
        QTest::newRow("trailing space") << "7a(б " << "«7a(б␣»" << "цифра латиница знак кириллица пробел (знак)";
    }

    void keyIsShownWithItsSpacesAndScripts()
    {
        QFETCH(QString, key);
        QFETCH(QString, shown);
        QFETCH(QString, scripts);
        QCOMPARE(KeyText::Quoted(key), shown);
        const QStringList lines = KeyText::Scripts(key).split(u'\n');
        QCOMPARE(lines.size(), key.size());
        QStringList named;
        for (const QString& line : lines)
            named << line.section(QStringLiteral(" — "), 1).section(QStringLiteral(" (U+"), 0, 0);
        QCOMPARE(named.join(u' '), scripts);
    }

    void stoppingASearchTakesLittleTime_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Отмена") << "cancel";
        QTest::newRow("Escape closes the window") << "escape";
        QTest::newRow("the main window goes") << "main window";
    }

    // Each stage of the search looks at the stop every 50 ms of work, and the window waits for nothing else.
    void stoppingASearchTakesLittleTime()
    {
        QFETCH(QString, how);
        auto fixture = std::make_unique<WindowFixture>();
        AnalysisWindow* window = Open(*fixture, PlainText(20000, 9));
        window->fragmentEdit->setPlainText(Control<RichTextBox>(fixture->form, "RichTextBox2")->Text().mid(15000, 9));
        QSignalSpy finished(window, &AnalysisWindow::SearchFinished);
        QTest::mouseClick(window->findButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(window->progressBar->value() > 0, 20000);
        QVERIFY2(window->Searching(), "the search ended before it could be stopped");
        QElapsedTimer clock;
        clock.start();
        if (how == "main window") {
            fixture.reset();
        } else {
            QTest::keyClick(how == "cancel" ? static_cast<QWidget*>(window->cancelButton) : window->fragmentEdit,
                            how == "cancel" ? Qt::Key_Space : Qt::Key_Escape);
            QVERIFY(finished.wait(5000));
            QVERIFY(window->Result()->cancelled);
        }
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
    }

    void oneSettingAtSeveralPositionsIsUnique_data()
    {
        QTest::addColumn<QList<int>>("at");
        QTest::newRow("twice") << QList<int>{300, 2450};
        QTest::newRow("three times") << QList<int>{120, 1300, 2710};
    }

    void oneSettingAtSeveralPositionsIsUnique()
    {
        QFETCH(QList<int>, at);
        WindowFixture fixture;
        // A text that repeats one stretch of 30 symbols, the fragment that stretch.
        QString plain = PlainText(3000, 11);
        const QString line = QStringLiteral("Повторённая строка, та же сама");
        for (const int position : at)
            plain.replace(position, line.size(), line);
        AnalysisWindow* window = Open(fixture, plain);
        QVERIFY(Search(window, line, -1));
        QCOMPARE(window->resultTable->rowCount(), 1);
        QStringList positions;
        for (const int position : at)
            positions << NumberText::Whole(std::uint64_t(position));
        const QString listed = QStringLiteral("%1 %2: %3")
                                   .arg(at.size())
                                   .arg(RussianPlural(at.size(), "позиция", "позиции", "позиций"),
                                        positions.join(QStringLiteral(", ")));
        QCOMPARE(window->resultTable->item(0, 2)->text(), listed);
        const QString text = window->resultLabel->text();
        QVERIFY2(text.startsWith(QStringLiteral("Найдена единственная настройка")) && text.contains(listed),
                 qPrintable(text));
        QVERIFY(window->installButton->isEnabled());
    }

    void longerMessagesLeaveTheButtonsInPlace_data()
    {
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<int>("position");
        QTest::newRow("the note warns of a short fragment") << "абвгд" << -1;
        QTest::newRow("the result explains the key's class") << "" << 100;
    }

    void longerMessagesLeaveTheButtonsInPlace()
    {
        QFETCH(QString, fragment);
        QFETCH(int, position);
        WindowFixture fixture;
        AnalysisWindow* window = Open(fixture, PlainText(1000, 8));
        // Within the attack's group: the window scrolls when the offscreen screen is small.
        auto* group = window->findChild<QWidget*>(QStringLiteral("attackBox"));
        const auto places = [window, group] {
            return QList<QPoint>{window->findButton->mapTo(group, QPoint()),
                                 window->installButton->mapTo(group, QPoint())};
        };
        const QList<QPoint> before = places();
        const qsizetype shortMessages = window->fragmentNote->text().size() + window->resultLabel->text().size();
        if (fragment.isEmpty())
            QVERIFY(
                Search(window, Control<RichTextBox>(fixture.form, "RichTextBox2")->Text().mid(position, 40), position));
        else
            window->fragmentEdit->setPlainText(fragment);
        window->positionBox->setValue(position);
        QCoreApplication::processEvents();
        QVERIFY(window->fragmentNote->text().size() + window->resultLabel->text().size() > shortMessages + 80);
        QCOMPARE(places(), before);
    }
};

QTEST_MAIN(AnalysisWindowTest)
#include "AnalysisWindowTest.moc"
