// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Путь символа": how one symbol goes through the five rotors, drawn and as a table. During a
// run it follows the position the run has made; with no run, it shows the path of a symbol typed into its
// field through the bank as it stands, like the lamp board of a rotor machine. A dialog beside the main
// window (so screen readers name it as one, and Escape closes it), resizable, with the focus first in the
// symbol field.

#include "path_window/HopTable.h"
#include "path_window/PathSnapshot.h"

#include "machine/RotorBank.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <variant>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QBoxLayout;
class QToolButton;

namespace velista {

class RotorBank;
class SymbolPathView;

class SymbolPathWindow : public QDialog {
    Q_OBJECT

public:
    // The table reads like a hop written out: «1 → 2 | П | 129 | Д», from where to where, the symbol that
    // enters, its position in the row it leaves by, and the symbol it reaches.
    static constexpr int HopColumn = 0;
    static constexpr int EnteringColumn = 1;
    static constexpr int PositionColumn = 2;
    static constexpr int ReachedColumn = 3;

    explicit SymbolPathWindow(QWidget* parent = nullptr);

    // A run is going (the field is locked and the window follows the run) or not.
    void SetRunning(bool running);
    bool Running() const { return running_; }
    // The run made the position that the snapshot shows.
    void ShowRunPosition(qint64 position, const PathSnapshot& snapshot);
    // The run was taken back to its start: no position made yet.
    void ShowRunStart(CipherDirection direction);

    // The bank the field's symbol goes through when no run is going: the installed bank and its key, or
    // nothing while the rotors are not installed. Draws again only what changed.
    void SetBank(const RotorBank* bank, std::u16string_view key);

    // A whole text to trace: the text and the bank as a run over it starts.
    struct TextToTrace {
        QString text;
        RotorBank bank;
    };
    // What the window asks of the program around it to save: a file chosen in a dialog (filter
    // "(description)|patterns"; empty when cancelled), a warning shown, and the text whose path is wanted, or why there is none.
    struct Saving {
        std::function<QString(const QString& filter, const QString& extension)> chooseFile;
        std::function<void(const QString& text)> warn;
        std::function<std::variant<TextToTrace, QString>(CipherDirection direction)> textToTrace;
    };
    void SetSaving(Saving saving) { saving_ = std::move(saving); }

    // "Сохранить рисунок…": the caption, the drawing and the table as PNG at print resolution, or as SVG
    // for a name ending in .svg. The reason, in Russian, when the file could not be written.
    std::optional<QString> SaveDrawing(const QString& path) const;
    // "Копировать рисунок": the same picture on the clipboard.
    void CopyDrawing() const;
    // "Сохранить путь текста…": every position's path as CSV, as `velista-cli trace` lists it.
    std::optional<QString> SaveTextPath(const QString& path, const TextToTrace& text, CipherDirection direction) const;

    QLineEdit* SymbolField = nullptr;
    QCheckBox* DecipherBox = nullptr;
    velista::HopTable* HopTable = nullptr;
    SymbolPathView* PathView = nullptr;
    QLabel* Caption = nullptr;
    // Which way the drawing reads and what «от ключа» means.
    QLabel* Legend = nullptr;
    // «Сохранить»: a menu of «Сохранить рисунок…», «Копировать рисунок» and «Сохранить путь текста…».
    QToolButton* SaveButton = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The field and the table rows follow the size of the type.
    void FitToType();
    // The field's symbol through the bank as it stands.
    void ShowFieldPath();
    void ShowSnapshot(const PathSnapshot& snapshot, const QString& caption);
    void ShowNothing(const QString& caption);
    void SetLegend(CipherDirection direction);
    // The buttons and the drawing's context menu that save and copy.
    void CreateSaving(QBoxLayout* fieldRow);
    void ChooseAndSaveDrawing();
    void ChooseAndSaveTextPath();
    void Warn(const QString& text) const;
    // filter: "(description)|patterns"; the chosen file, or empty when cancelled.
    QString ChooseFile(const QString& filter, const QString& extension);

    Saving saving_;
    QAction* saveDrawingAction_ = nullptr;
    QAction* copyDrawingAction_ = nullptr;
    QAction* saveTextPathAction_ = nullptr;

    bool running_ = false;
    const RotorBank* bank_ = nullptr;
    std::u16string key_;
};

}  // namespace velista
