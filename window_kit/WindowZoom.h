// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's zoom for a classroom projector: one factor for every window, changed in steps by three
// actions (Ctrl+=, Ctrl+−, Ctrl+0) that answer in whichever of the program's windows is active, and kept
// from one start to the next when a settings store is given.

#include <QFont>
#include <QObject>

#include <array>

class QAction;
class QSettings;
class QWidget;

namespace velista {

class WindowZoom : public QObject {
    Q_OBJECT

public:
    // Percent; the steps a projector needs, from the window as designed to three times its size.
    static constexpr std::array<int, 7> Steps = {100, 125, 150, 175, 200, 250, 300};
    static constexpr int DesignPercent = 100;
    // The key the zoom is kept under in the settings store.
    static constexpr char SettingsKey[] = "window/zoom";

    // store: where the zoom is read from now and written to when the user changes it; nullptr keeps it
    // for this object's life only. A stored value that is not one of the steps gives 100 %, quietly.
    // The store must outlive this object.
    explicit WindowZoom(QSettings* store = nullptr, QObject* parent = nullptr);
    // Gives the standard dialogs and tooltips back the type they had before this object zoomed them.
    ~WindowZoom() override;

    int Percent() const { return percent_; }
    double Factor() const { return percent_ / 100.0; }

    // A step of Steps; any other value is a programming error.
    void SetPercent(int percent);
    void ZoomIn();
    void ZoomOut();
    void Reset();

    // "Крупнее" (Ctrl+=, Ctrl++), "Мельче" (Ctrl+−), "Обычный размер" (Ctrl+0). Application-wide
    // shortcuts: they work in the path, analysis and help windows too, as long as the window that shows
    // them in its menu is shown.
    QAction* ZoomInAction() const { return zoomIn_; }
    QAction* ZoomOutAction() const { return zoomOut_; }
    QAction* ResetAction() const { return reset_; }

    // Zooms a window other than the main window with the program: now, and whenever the zoom changes,
    // then keeping it wholly on its screen. What the window was built with (its fonts, its size and the
    // fixed sizes of its parts) is its design at 100 %.
    void Follow(QWidget* window);

    // The percent a stored text names, or 100 when it names none of the steps.
    static int ParseStored(const QString& text);

signals:
    void Changed(double factor);

private:
    // The windows Qt builds rather than the program (message boxes, file and input dialogs) and the tooltips
    // take the zoom in their type, through the application's fonts for their classes.
    static constexpr std::array<const char*, 3> StandardDialogs = {"QMessageBox", "QFileDialog", "QInputDialog"};

    void UpdateActions();
    void Store();
    void ZoomStandardType();

    // The standard dialogs' and the tooltips' type before any zoom. The application's fonts for them are set
    // only once the zoom leaves 100 %, so that a program that is never zoomed sets no fonts of its own.
    std::array<QFont, StandardDialogs.size()> dialogFonts_;
    QFont tooltipFont_;
    bool standardTypeZoomed_ = false;

    QSettings* store_;
    int percent_ = DesignPercent;
    QAction* zoomIn_;
    QAction* zoomOut_;
    QAction* reset_;
};

}  // namespace velista
