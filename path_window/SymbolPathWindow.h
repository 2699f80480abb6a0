// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Путь символа": how one symbol goes through the five rotors, drawn and as a table. During a
// run it follows the position the run has made; with no run, it shows the path of a symbol typed into its
// field through the bank as it stands, like the lamp board of a rotor machine. A dialog beside the main
// window (so screen readers name it as one, and Escape closes it), resizable, with the focus first in the
// symbol field.

#include "path_window/HopTable.h"
#include "path_window/PathSnapshot.h"

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;

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

    QLineEdit* SymbolField = nullptr;
    QCheckBox* DecipherBox = nullptr;
    velista::HopTable* HopTable = nullptr;
    SymbolPathView* PathView = nullptr;
    QLabel* Caption = nullptr;
    // Which way the drawing reads and what «от ключа» means.
    QLabel* Legend = nullptr;

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

    bool running_ = false;
    const RotorBank* bank_ = nullptr;
    std::u16string key_;
};

}  // namespace velista
