// SPDX-License-Identifier: GPL-3.0-or-later
// The program's zoom: at 200 % and 300 % every designed rectangle and font of the main window is that
// many times the one at 100 %, and back at 100 % the window is as designed again; every window fits the
// screen the main window is on, at every zoom, on a 1920 × 1080 screen and on the logical 960 × 540 one
// of a doubled scale factor; the keys answer in every window; the zoom is kept between starts, and a
// broken stored value gives 100 %; the dialogs Qt builds, the export dialog and the tooltips take the zoom
// in their type, and get their own back when the zoom goes.
//
// Two offscreen screens side by side come from a configuration file that main() writes before the
// application starts.

#include "tests/main_window/WindowFixture.h"
#include "tests/support/TwoScreens.h"

#include "analysis_window/AnalysisWindow.h"
#include "main_window/RotorWindow.h"
#include "main_window/StatusBar.h"
#include "main_window/ThreeDPanel.h"
#include "path_window/SymbolPathWindow.h"
#include "window_kit/DesignZoom.h"
#include "window_kit/WindowZoom.h"
#include "window_kit/ZoomStyle.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QToolTip>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <cstdio>
#include <map>

using velista::Form1;
using velista::RotorWindow;
using velista::StatusBar;
using velista::ThreeDPanel;
using velista::WindowZoom;
using velista::test::Control;
using velista::test::RotorWindows;
using velista::test::WindowFixture;

namespace {

const QRect LargeScreen(0, 0, 1920, 1080);
// QT_SCALE_FACTOR=2 on a 1920 × 1080 screen leaves the windows a logical 960 × 540.
const QRect SmallScreen(1920, 0, 960, 540);

struct Designed {
    QRect geometry;
    double points;
};

// Every control of the main window that records a designed rectangle, by name.
std::map<QString, Designed> DesignedControls(Form1& form)
{
    std::map<QString, Designed> controls;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (w->property("designTwips").isValid())
            controls[w->objectName()] = {w->geometry(), w->font().pointSizeF()};
    }
    return controls;
}

void PutOnScreen(Form1& form, const QRect& screen)
{
    form.move(screen.center() - QPoint(form.frameGeometry().width() / 2, form.frameGeometry().height() / 2));
}

// The window's frame as the platform gives it, or, where it gives none, the window manager's title bar of
// the style's height above the client area.
QRect Frame(const QWidget* window)
{
    if (window->windowHandle() && !window->windowHandle()->frameMargins().isNull())
        return window->frameGeometry();
    return window->geometry().adjusted(0, -window->style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
}

QWidget* OpenWindow(WindowFixture& f, const QString& which)
{
    if (which == "main")
        return &f.form;
    for (QAction* action : f.form.findChildren<QAction*>()) {
        if (action->text() == which)
            action->trigger();
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &f.form && top->isVisible() && top->windowType() == Qt::Window)
            return top;
    }
    return nullptr;
}

}  // namespace

class ZoomTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup()
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            top->close();
    }

    void designScales_data();
    void designScales();
    void windowsFit_data();
    void windowsFit();
    void teachingWindowSizeComesBack_data();
    void teachingWindowSizeComesBack();
    void keysAnswerEverywhere_data();
    void keysAnswerEverywhere();
    void rotorPanelSwitchAtZoom();
    void storedZoom_data();
    void storedZoom();
    void zoomRemembered();
    void standardTypeFollows_data();
    void standardTypeFollows();
    void styleSizesFollow_data();
    void styleSizesFollow();
};

void ZoomTest::designScales_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QRect>("screen");

    QTest::newRow("200 % on the large screen") << 200 << LargeScreen;
    QTest::newRow("300 % on the large screen, scrolled") << 300 << LargeScreen;
    QTest::newRow("200 % on the small screen, scrolled") << 200 << SmallScreen;
}

// Every designed rectangle at n times its pixels at 100 % (the designs are whole pixels, so "exactly"),
// every font n times as large, and back at 100 % the window is the one of the design, pixel for pixel.
void ZoomTest::designScales()
{
    QFETCH(int, percent);
    QFETCH(QRect, screen);

    WindowFixture f;
    PutOnScreen(f.form, screen);
    const std::map<QString, Designed> design = DesignedControls(f.form);
    QCOMPARE(design.size(), std::size_t(27));
    const QSize designSize = f.form.size();
    const int statusBarHeight = Control<StatusBar>(f.form, "StatusBar1")->height();

    f.form.Zoom().SetPercent(percent);
    const int n = percent / 100;
    for (const auto& [name, control] : DesignedControls(f.form)) {
        const Designed& at100 = design.at(name);
        QCOMPARE(control.geometry, QRect(at100.geometry.topLeft() * n, at100.geometry.size() * n));
        QCOMPARE(control.points, at100.points * percent / 100.0);
    }
    QCOMPARE(f.form.Client()->size(), QSize(754, 403) * n);
    for (const RotorWindow* window : RotorWindows(f.form))
        QCOMPARE(window->RowHeight(), 13 * n);
    QVERIFY(Control<StatusBar>(f.form, "StatusBar1")->height() >= statusBarHeight);

    f.form.Zoom().Reset();
    QCOMPARE(f.form.size(), designSize);
    QCOMPARE(f.form.centralWidget(), f.form.Client());
    QCOMPARE(f.form.WidthTwips(), 11400);
    for (const auto& [name, control] : DesignedControls(f.form)) {
        QCOMPARE(control.geometry, design.at(name).geometry);
        QCOMPARE(control.points, design.at(name).points);
    }
}

void ZoomTest::windowsFit_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<bool>("openFirst");  // opened at 100 % and zoomed while open, or opened zoomed

    const QStringList windows = {"main", "Путь символа", "Криптоанализ", "Велиста", "Помощь"};
    for (const QString& window : windows) {
        for (const int percent : {100, 200, 300}) {
            for (const auto& [screenName, screen] : {std::pair{"1920×1080", LargeScreen}, {"960×540", SmallScreen}}) {
                QTest::addRow("%s at %d %% on %s, zoomed while open", qPrintable(window), percent, screenName)
                    << window << percent << screen << true;
                if (percent == 300)
                    QTest::addRow("%s at %d %% on %s, opened zoomed", qPrintable(window), percent, screenName)
                        << window << percent << screen << false;
            }
        }
    }
}

void ZoomTest::windowsFit()
{
    QFETCH(QString, window);
    QFETCH(int, percent);
    QFETCH(QRect, screen);
    QFETCH(bool, openFirst);

    QCOMPARE(QGuiApplication::screens().size(), 2);
    WindowFixture f;
    PutOnScreen(f.form, screen);
    QWidget* opened = nullptr;
    double points = 0;
    if (openFirst) {
        opened = OpenWindow(f, window);
        QVERIFY(opened);
        points = opened->font().pointSizeF();
        f.form.Zoom().SetPercent(percent);
    } else {
        f.form.Zoom().SetPercent(percent);
        opened = OpenWindow(f, window);
        QVERIFY(opened);
    }
    QVERIFY2(screen.contains(Frame(&f.form)), qPrintable(QStringLiteral("main window %1,%2 %3×%4")
                                                            .arg(f.form.x()).arg(f.form.y())
                                                            .arg(f.form.width()).arg(f.form.height())));
    const QRect frame = Frame(opened);
    QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1,%2 %3×%4").arg(frame.x()).arg(frame.y())
                                                    .arg(frame.width()).arg(frame.height())));
    if (openFirst && opened != &f.form)
        QCOMPARE(opened->font().pointSizeF(), points * percent / 100.0);
    // The main window's client area keeps its whole zoomed size, scrolled where the window is smaller.
    const double factor = percent / 100.0;
    QCOMPARE(f.form.Client()->size(), QSize(qRound(754 * factor), qRound(403 * factor)));
}

void ZoomTest::teachingWindowSizeComesBack_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("userSize");  // empty: left at the size it opened at

    for (const char* window : {"Путь символа", "Криптоанализ"}) {
        QTest::addRow("%s as it opened", window) << QString::fromUtf8(window) << QSize();
        QTest::addRow("%s resized by the user", window) << QString::fromUtf8(window) << QSize(900, 700);
    }
}

// Zoomed to 300 %, the window is cut to the screen; back at 100 % it has its size at 100 % again, the
// one it opened at or the one the user gave it, not the cut one scaled down.
void ZoomTest::teachingWindowSizeComesBack()
{
    QFETCH(QString, window);
    QFETCH(QSize, userSize);

    WindowFixture f;
    PutOnScreen(f.form, LargeScreen);
    QWidget* opened = OpenWindow(f, window);
    QVERIFY(opened);
    if (!userSize.isEmpty())
        opened->resize(userSize);
    const QSize at100 = opened->size();
    f.form.Zoom().SetPercent(300);
    QVERIFY(LargeScreen.contains(Frame(opened)));
    f.form.Zoom().SetPercent(200);
    f.form.Zoom().Reset();
    QCOMPARE(opened->size(), at100);
}

void ZoomTest::keysAnswerEverywhere_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");

    const int ctrl = int(Qt::ControlModifier);
    const int ctrlKeypad = int(Qt::ControlModifier | Qt::KeypadModifier);
    QTest::newRow("Ctrl+= in the main window") << "main" << 100 << int(Qt::Key_Equal) << ctrl << 125;
    // Where "+" takes Shift, the X server's key map also offers the key without it (Qt's xcb key mapper);
    // the offscreen platform matches only what it is sent.
    QTest::newRow("Ctrl++ in the main window") << "main" << 175 << int(Qt::Key_Plus) << ctrl << 200;
    QTest::newRow("Ctrl and keypad + in the main window") << "main" << 200 << int(Qt::Key_Plus) << ctrlKeypad << 250;
    QTest::newRow("Ctrl+= at 300 % stays") << "main" << 300 << int(Qt::Key_Equal) << ctrl << 300;
    QTest::newRow("Ctrl+- in the main window") << "main" << 250 << int(Qt::Key_Minus) << ctrl << 200;
    QTest::newRow("Ctrl+- at 100 % stays") << "main" << 100 << int(Qt::Key_Minus) << ctrl << 100;
    QTest::newRow("Ctrl+0 in the main window") << "main" << 300 << int(Qt::Key_0) << ctrl << 100;
    QTest::newRow("Ctrl+= in the path window") << "Путь символа" << 100 << int(Qt::Key_Equal) << ctrl << 125;
    QTest::newRow("Ctrl+0 in the analysis window") << "Криптоанализ" << 150 << int(Qt::Key_0) << ctrl << 100;
    QTest::newRow("Ctrl+- in a help window") << "Помощь" << 150 << int(Qt::Key_Minus) << ctrl << 125;
}

void ZoomTest::keysAnswerEverywhere()
{
    QFETCH(QString, window);
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);

    WindowFixture f;
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    f.form.Zoom().SetPercent(from);
    QWidget* active = OpenWindow(f, window);
    QVERIFY(active);
    active->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(active));
    QWidget* target = active->focusWidget() ? active->focusWidget() : active;
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.form.Zoom().Percent(), to);
}

// The rotor panel switch narrows and widens the zoomed window, and a window of another width stays.
void ZoomTest::rotorPanelSwitchAtZoom()
{
    WindowFixture f;
    PutOnScreen(f.form, SmallScreen);
    f.form.Zoom().SetPercent(200);
    const QSize wide = f.form.size();
    QCOMPARE(f.form.WidthTwips(), 11400);
    f.form.ToggleRotorPanel();
    QCOMPARE(f.form.WidthTwips(), 8220);
    QCOMPARE(f.form.Client()->width(), qRound(542 * 2.0));
    QVERIFY(!Control<QAction>(f.form, "vbn")->isChecked());
    f.form.Zoom().SetPercent(100);
    QCOMPARE(f.form.width(), 542);
    f.form.ToggleRotorPanel();
    f.form.Zoom().SetPercent(200);
    QCOMPARE(f.form.size(), wide);
    QVERIFY(Control<QAction>(f.form, "vbn")->isChecked());
}

void ZoomTest::storedZoom_data()
{
    QTest::addColumn<QByteArray>("file");  // the settings file's bytes; "<folder>" for a folder in its place
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("zoomedIn");

    QTest::newRow("a step") << QByteArray("[window]\nzoom=250\n") << 250 << 300;
    QTest::newRow("the largest step") << QByteArray("[window]\nzoom=300\n") << 300 << 300;
    QTest::newRow("no file") << QByteArray() << 100 << 125;
    QTest::newRow("no value") << QByteArray("[window]\nzoom=\n") << 100 << 125;
    QTest::newRow("not a number") << QByteArray("[window]\nzoom=big\n") << 100 << 125;
    QTest::newRow("between two steps") << QByteArray("[window]\nzoom=130\n") << 100 << 125;
    QTest::newRow("above the largest") << QByteArray("[window]\nzoom=400\n") << 100 << 125;
    QTest::newRow("zero") << QByteArray("[window]\nzoom=0\n") << 100 << 125;
    QTest::newRow("negative") << QByteArray("[window]\nzoom=-200\n") << 100 << 125;
    QTest::newRow("beyond any integer") << QByteArray("[window]\nzoom=99999999999999999999\n") << 100 << 125;
    QTest::newRow("a fraction") << QByteArray("[window]\nzoom=2.5\n") << 100 << 125;
    QTest::newRow("binary garbage") << QByteArray("\xff\xfe\x00[window\nzoom=\x01\x02", 16) << 100 << 125;
    QTest::newRow("a folder in the file's place") << QByteArray("<folder>") << 100 << 125;
}

void ZoomTest::storedZoom()
{
    QFETCH(QByteArray, file);
    QFETCH(int, percent);
    QFETCH(int, zoomedIn);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("Velista.conf"));
    if (file == "<folder>")
        QVERIFY(QDir().mkdir(path));
    else if (!file.isEmpty())
        QVERIFY(velista::test::WriteBytes(path, file));
    QSettings store(path, QSettings::IniFormat);
    WindowZoom zoom(&store);
    QCOMPARE(zoom.Percent(), percent);
    QCOMPARE(zoom.ZoomInAction()->isEnabled(), percent < 300);
    QCOMPARE(zoom.ResetAction()->isEnabled(), percent != 100);
    // A zoom that cannot be stored still works for the session.
    zoom.ZoomIn();
    QCOMPARE(zoom.Percent(), zoomedIn);
}

// Nothing is written until the user zooms; the zoom comes back at the next start; back at 100 % the key
// goes again. The program's own main window starts at the kept zoom.
void ZoomTest::zoomRemembered()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("Velista.conf"));
    {
        QSettings store(path, QSettings::IniFormat);
        WindowZoom zoom(&store);
        zoom.ZoomOut();
        QCOMPARE(zoom.Percent(), 100);
    }
    QVERIFY(!QFile::exists(path));
    {
        QSettings store(path, QSettings::IniFormat);
        WindowZoom zoom(&store);
        zoom.ZoomIn();
        zoom.ZoomIn();
    }
    {
        QSettings store(path, QSettings::IniFormat);
        WindowZoom zoom(&store);
        QCOMPARE(zoom.Percent(), 150);
        WindowFixture f;
        Form1 form(f.machine, velista::Platform{f.beeper, f.keyboard, f.registry, f.launcher}, f.dialogs,
                   QStringLiteral("/program"), zoom);
        QCOMPARE(Control<ThreeDPanel>(form, "SSPanel1")->geometry(),
                 QRect(qRound(546 * 1.5), 0, qRound(755 * 1.5) - qRound(546 * 1.5), qRound(405 * 1.5)));
        zoom.Reset();
    }
    QSettings store(path, QSettings::IniFormat);
    QVERIFY(!store.contains(QString::fromLatin1(WindowZoom::SettingsKey)));
}

// A message box built while zoomed, the application's type for the other dialogs Qt builds, the tooltips and
// the export dialog are the zoom times their type at 100 %; once the main window and its zoom are gone,
// the application's type is as before.
void ZoomTest::standardTypeFollows_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("100 %") << 100;
    QTest::newRow("150 % after 300 %") << 150;
    QTest::newRow("300 %") << 300;
}

void ZoomTest::standardTypeFollows()
{
    QFETCH(int, percent);
    const double factor = percent / 100.0;
    const double boxPoints = QApplication::font("QMessageBox").pointSizeF();
    const double filePoints = QApplication::font("QFileDialog").pointSizeF();
    const double tipPoints = QToolTip::font().pointSizeF();
    bool exportShown = false;
    double exportPoints = 0;
    {
        WindowFixture f;
        if (percent == 150)
            f.form.Zoom().SetPercent(300);
        f.form.Zoom().SetPercent(percent);
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Велиста"), QStringLiteral("Файл не сохранён."));
        box.ensurePolished();  // as showing it does: a widget takes its class's type then
        QCOMPARE(box.font().pointSizeF(), boxPoints * factor);
        auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(text);
        QCOMPARE(text->font().pointSizeF(), boxPoints * factor);
        QCOMPARE(QApplication::font("QFileDialog").pointSizeF(), filePoints * factor);
        QCOMPARE(QToolTip::font().pointSizeF(), tipPoints * factor);

        QAction* exportAction = f.form.findChild<QAction*>("exportPdfAction");
        QVERIFY(exportAction);
        QTimer::singleShot(0, [&] {
            QWidget* ask = QApplication::activeModalWidget();
            if (ask == nullptr || ask->objectName() != "exportPdfDialog")
                return;
            exportShown = true;
            exportPoints = ask->font().pointSizeF();
            static_cast<QDialog*>(ask)->reject();
        });
        exportAction->trigger();
    }
    QVERIFY(exportShown);
    QCOMPARE(exportPoints, QApplication::font().pointSizeF() * factor);
    QCOMPARE(QApplication::font("QMessageBox").pointSizeF(), boxPoints);
    QCOMPARE(QApplication::font("QFileDialog").pointSizeF(), filePoints);
    QCOMPARE(QToolTip::font().pointSizeF(), tipPoints);
}

// The program's style gives a check box's square, a radio button's circle, a scroll bar and the icons of
// buttons and menus the zoom of their window times the platform style's size, and every other size as the
// platform style does.
void ZoomTest::styleSizesFollow_data()
{
    QTest::addColumn<int>("metric");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("grows");
    QTest::newRow("check box square at 200 %") << int(QStyle::PM_IndicatorWidth) << 200 << true;
    QTest::newRow("check box square at 100 %") << int(QStyle::PM_IndicatorHeight) << 100 << true;
    QTest::newRow("radio button circle at 300 %") << int(QStyle::PM_ExclusiveIndicatorHeight) << 300 << true;
    QTest::newRow("scroll bar at 150 %") << int(QStyle::PM_ScrollBarExtent) << 150 << true;
    QTest::newRow("a button's icon at 250 %") << int(QStyle::PM_ButtonIconSize) << 250 << true;
    QTest::newRow("a button's margin stays at 200 %") << int(QStyle::PM_ButtonMargin) << 200 << false;
}

void ZoomTest::styleSizesFollow()
{
    QFETCH(int, metric);
    QFETCH(int, percent);
    QFETCH(bool, grows);
    const auto which = QStyle::PixelMetric(metric);
    velista::ZoomStyle style(QApplication::style()->name());
    QWidget window;
    auto* box = new QCheckBox(QStringLiteral("Дешифрация"), &window);
    velista::ApplyZoom(&window, percent / 100.0);
    const int platform = QApplication::style()->pixelMetric(which, nullptr, box);
    QVERIFY(platform > 0);
    QCOMPARE(style.pixelMetric(which, nullptr, box), grows ? qRound(platform * percent / 100.0) : platform);
    QCOMPARE(style.pixelMetric(which), platform);  // no window to take the zoom from
}

int main(int argc, char** argv)
{
    return velista::test::RunOnTwoScreens<ZoomTest>(argc, argv, LargeScreen, SmallScreen);
}

#include "ZoomTest.moc"
