// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard use and first steps of the main window: Tab leaves the text areas, a refused key flashes its
// field, an installation leaves the key field unselected, the rotor windows are legible, and the help
// windows open clear of the menu bar on the main window's screen.
//
// Two offscreen screens side by side, a large one and a small one, come from a configuration file that
// main() writes before the application starts.

#include "tests/main_window/WindowFixture.h"
#include "tests/support/TwoScreens.h"

#include "help/PageWindow.h"
#include "main_window/RotorWindow.h"
#include "main_window/ThreeDButton.h"

#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>

#include <cmath>
#include <map>

using velista::FilteredField;
using velista::RichTextBox;
using velista::RotorWindow;
using velista::ThreeDButton;
using velista::test::Control;
using velista::test::RotorWindowAt;
using velista::test::WindowFixture;

namespace {

const QRect LargeScreen(0, 0, 1920, 1080);
const QRect SmallScreen(1920, 0, 1024, 600);

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QColor colour)
{
    return 0.2126 * Linear(colour.red()) + 0.7152 * Linear(colour.green()) + 0.0722 * Linear(colour.blue());
}

// Types each character as a key press, Cyrillic letters too.
void Type(QWidget* field, const QString& keys)
{
    for (const QChar c : keys)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

double ContrastRatio(QColor a, QColor b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

class WindowFinishTest : public QObject {
    Q_OBJECT

private slots:
    void tabLeavesTextArea_data();
    void tabLeavesTextArea();
    void refusedKeyFlashes_data();
    void refusedKeyFlashes();
    void noSelectionAfterInstallation();
    void rotorWindowContrast_data();
    void rotorWindowContrast();
    void helpWindowClearOfMenuBar_data();
    void helpWindowClearOfMenuBar();
};

void WindowFinishTest::tabLeavesTextArea_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("next");

    // The designed tab order: RichTextBox2 (3), then the file buttons of the tool strip (8 on);
    // RichTextBox1 (27) after SSCommand8 (28) backwards is the rotor field's panel side.
    QTest::newRow("Tab forward from the plain text") << "RichTextBox2" << int(Qt::Key_Tab) << int(Qt::NoModifier)
                                                     << "SSCommand2";
    QTest::newRow("Ctrl+Tab forward from the plain text")
        << "RichTextBox2" << int(Qt::Key_Tab) << int(Qt::ControlModifier) << "SSCommand2";
    QTest::newRow("Shift+Tab back from the ciphertext")
        << "RichTextBox1" << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "Text4";
    QTest::newRow("Ctrl+Shift+Tab back from the ciphertext")
        << "RichTextBox1" << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << "Text4";
    QTest::newRow("Tab forward from the ciphertext") << "RichTextBox1" << int(Qt::Key_Tab) << int(Qt::NoModifier)
                                                     << "SSCommand8";
}

void WindowFinishTest::tabLeavesTextArea()
{
    QFETCH(QString, area);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, next);

    WindowFixture f;
    QApplication::setActiveWindow(&f.form);
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    auto* box = f.form.findChild<RichTextBox*>(area);
    QVERIFY(box);
    box->setFocus(Qt::OtherFocusReason);
    const QString before = box->Text();
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box->Text(), before);
    QVERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(), next);
}

void WindowFinishTest::refusedKeyFlashes_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("flashes");

    QTest::newRow("letter in the rotor field") << "Text4" << "1a" << "1" << true;
    QTest::newRow("mark outside the alphabet in the key field") << "Text5" << "Ж!" << "Ж" << true;
    QTest::newRow("Ё in the key field") << "Text5" << "Ё" << "" << true;
    QTest::newRow("admitted digits") << "Text4" << "12" << "12" << false;
    QTest::newRow("admitted key symbols") << "Text5" << "a(" << "a(" << false;
}

void WindowFinishTest::refusedKeyFlashes()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, flashes);

    WindowFixture f;
    auto* edit = f.form.findChild<FilteredField*>(field);
    QVERIFY(edit);
    const QPalette designed = edit->palette();
    const int beeps = f.beeper.beeps;
    Type(edit, typed);

    QCOMPARE(edit->text(), kept);
    QCOMPARE(f.beeper.beeps - beeps, flashes ? 1 : 0);
    QCOMPARE(edit->Flashing(), flashes);
    if (flashes) {
        // Right after the refusal the field shows its text and background swapped.
        QCOMPARE(edit->palette().color(QPalette::Base), designed.color(QPalette::Text));
        QCOMPARE(edit->palette().color(QPalette::Text), designed.color(QPalette::Base));
        QVERIFY(QMetaObject::invokeMethod(edit->FlashTimer(), "timeout"));
    }
    QCOMPARE(edit->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(edit->palette().color(QPalette::Text), QColor(255, 255, 192));
    QCOMPARE(edit->text(), kept);
}

void WindowFinishTest::noSelectionAfterInstallation()
{
    WindowFixture f;
    QApplication::setActiveWindow(&f.form);
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    Control<FilteredField>(f.form, "Text4")->setFocus(Qt::OtherFocusReason);
    Type(Control<FilteredField>(f.form, "Text4"), QStringLiteral("01234"));
    Type(Control<FilteredField>(f.form, "Text5"), QStringLiteral("АБВГД"));
    QVERIFY(Control<ThreeDButton>(f.form, "SSCommand10")->isEnabled());
    Control<ThreeDButton>(f.form, "SSCommand10")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Control<ThreeDButton>(f.form, "SSCommand10"), Qt::Key_Space);

    QVERIFY(f.machine.RotorsInstalled());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Control<FilteredField>(f.form, "Text5")));
    QVERIFY(!Control<FilteredField>(f.form, "Text5")->hasSelectedText());
    QCOMPARE(Control<FilteredField>(f.form, "Text5")->cursorPosition(), 5);
    // The next key goes after the key and is refused by the full field, instead of replacing the key.
    Type(Control<FilteredField>(f.form, "Text5"), QStringLiteral("Е"));
    QCOMPARE(Control<FilteredField>(f.form, "Text5")->text(), QStringLiteral("АБВГД"));
}

void WindowFinishTest::rotorWindowContrast_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 5; ++i)
        QTest::newRow(qPrintable(QStringLiteral("List2(%1)").arg(i))) << i;
}

void WindowFinishTest::rotorWindowContrast()
{
    QFETCH(int, index);

    WindowFixture f;
    QVERIFY(f.Install(QStringLiteral("01234"), QStringLiteral("ЖЖЖЖЖ")));
    auto* window = RotorWindowAt(f.form, index);
    QVERIFY(!window->isEnabled());
    const QImage image = window->grab().toImage();
    const QRect content = window->contentsRect().adjusted(2, 2, -2, -2);
    std::map<QRgb, int> counts;
    QColor darkest = Qt::white;
    for (int y = content.top(); y <= content.bottom(); ++y) {
        for (int x = content.left(); x <= content.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            ++counts[pixel.rgb()];
            if (Luminance(pixel) < Luminance(darkest))
                darkest = pixel;
        }
    }
    const QColor face = QColor::fromRgb(
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
    QCOMPARE(face, QColor(224, 224, 224));
    const double ratio = ContrastRatio(darkest, face);
    QVERIFY2(ratio >= 7.0, qPrintable(QStringLiteral("contrast %1:1 of %2").arg(ratio).arg(darkest.name())));
    // Still the grey of a disabled control, not the black of live text.
    QCOMPARE(darkest.red(), darkest.green());
    QCOMPARE(darkest.green(), darkest.blue());
    QVERIFY(darkest.red() > 0);
}

void WindowFinishTest::helpWindowClearOfMenuBar_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<bool>("centred");

    // Velista's window is only 72 pixels lower than the main window: centred, its title bar would lie on
    // the menu bar on any screen.
    QTest::newRow("Велиста on the large screen: below the menu bar") << "Велиста" << LargeScreen << false;
    QTest::newRow("Велиста on the small screen: below the menu bar") << "Велиста" << SmallScreen << false;
    QTest::newRow("Помощь on the large screen: centred") << "Помощь" << LargeScreen << true;
    QTest::newRow("Помощь on the small screen: centred") << "Помощь" << SmallScreen << true;
    QTest::newRow("About box on the small screen: centred") << "О программе..." << SmallScreen << true;
}

void WindowFinishTest::helpWindowClearOfMenuBar()
{
    QFETCH(QString, entry);
    QFETCH(QRect, screen);
    QFETCH(bool, centred);

    QCOMPARE(QGuiApplication::screens().size(), 2);
    WindowFixture f;
    f.form.move(screen.center() - QPoint(f.form.frameGeometry().width() / 2, f.form.frameGeometry().height() / 2));
    QAction* action = nullptr;
    for (QAction* candidate : f.form.findChildren<QAction*>()) {
        if (candidate->text() == entry)
            action = candidate;
    }
    QVERIFY(action);
    action->trigger();
    QWidget* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &f.form && top->isVisible())
            window = top;
    }
    QVERIFY(window);

    const QRect menuBar(f.form.menuBar()->mapToGlobal(QPoint(0, 0)), f.form.menuBar()->size());
    QVERIFY(screen.contains(menuBar));
    // Where the frame comes from: the window manager's title bar, of the style's height, above the client.
    const QRect frame = window->geometry().adjusted(0, -window->style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
    QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(frame.x()).arg(frame.y())
                                                    .arg(frame.width()).arg(frame.height())));
    QVERIFY(!frame.intersects(menuBar));
    const QRect available = QGuiApplication::screenAt(screen.center())->availableGeometry();
    QCOMPARE(qAbs(window->geometry().center().x() - available.center().x()) <= 1, true);
    QCOMPARE(qAbs(window->geometry().center().y() - available.center().y()) <= 1, centred);
    window->close();
}

int main(int argc, char** argv)
{
    return velista::test::RunOnTwoScreens<WindowFinishTest>(argc, argv, LargeScreen, SmallScreen);
}

#include "WindowFinishTest.moc"
