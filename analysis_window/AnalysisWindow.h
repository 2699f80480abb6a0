// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window «Криптоанализ»: the symbol frequencies of the two text areas side by side, and the known-plaintext
// attack on the ciphertext area, run in the background, whose result the rotor and key fields can take.

#include "analysis/AttackResult.h"
#include "analysis/RotorTables.h"
#include "analysis/SymbolStatistics.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <thread>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace velista {

class FrequencyChart;

class AnalysisWindow : public QWidget {
    Q_OBJECT

public:
    // An area's whole text, each line break as CR LF, as the machine enciphers it.
    using TextSource = std::function<QString()>;

    // plainText and cipherText read the two areas; «Установить» writes into rotorField and keyField, whose own
    // change handlers then run as for typing.
    AnalysisWindow(TextSource plainText, TextSource cipherText, QLineEdit* rotorField, QLineEdit* keyField,
                   QWidget* parent = nullptr);
    // Stops a search that still runs and waits for its threads.
    ~AnalysisWindow() override;

    // An area's text changed: the statistics are counted again once the changes pause, while the window is shown.
    void TextsChanged();
    void RefreshStatistics();

    // «Найти ключ»: checks the inputs and starts the search, or says what is missing.
    void FindKey();
    // «Отмена».
    void CancelSearch();
    // «Установить»: the selected setting (the first when none is selected) into the two fields.
    void InstallSetting();

    bool Searching() const { return worker_.joinable(); }
    // The last search's result, once one has ended.
    const std::optional<analysis::AttackResult>& Result() const { return result_; }

    FrequencyChart* plainChart = nullptr;
    FrequencyChart* cipherChart = nullptr;
    QLabel* plainFigures = nullptr;
    QLabel* cipherFigures = nullptr;
    QPlainTextEdit* fragmentEdit = nullptr;
    QSpinBox* positionBox = nullptr;
    QLabel* fragmentNote = nullptr;
    QPushButton* findButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QProgressBar* progressBar = nullptr;
    QLabel* progressLabel = nullptr;
    QLabel* resultLabel = nullptr;
    QTableWidget* resultTable = nullptr;
    QPushButton* installButton = nullptr;

signals:
    // A search ended: found, nothing found, or cancelled.
    void SearchFinished();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateStatistics();
    QWidget* CreateAttack();
    void ShowFigures(QLabel* label, const analysis::SymbolStatistics& statistics);
    void UpdateFragmentNote();
    void ShowProgress(double fraction, std::uint64_t found);
    void SearchEnded(analysis::AttackResult result);
    void ShowResult(const analysis::AttackResult& result);
    QString Fragment() const;

    TextSource plainText_, cipherText_;
    QLineEdit* rotorField_;
    QLineEdit* keyField_;
    QTimer* refreshTimer_ = nullptr;
    const analysis::RotorTables tables_;
    std::optional<analysis::AttackResult> result_;
    std::jthread worker_;
};

}  // namespace velista
