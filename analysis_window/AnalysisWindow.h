// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window «Криптоанализ»: the symbol frequencies of the two text areas side by side, and the known-plaintext
// attack on the ciphertext area, run in the background, whose result the main window's rotors can take.

#include "analysis/AttackRequest.h"
#include "analysis/AttackResult.h"
#include "analysis/RotorTables.h"
#include "analysis/SymbolStatistics.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>
#include <thread>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace velista {

class FrequencyChart;

// A dialog that is not modal: screen readers announce it as a dialog, and Escape closes it.
class AnalysisWindow : public QDialog {
    Q_OBJECT

public:
    // An area's whole text, each line break as CR LF, as the machine enciphers it.
    using TextSource = std::function<QString()>;
    // Installs the rotors from the rotor and key fields as the main window's install button does; true when the
    // rotors are installed.
    using Installer = std::function<bool()>;

    // The window's type size, as the path window's; the one place the window's fonts are set.
    static constexpr qreal ReadablePoints = 14;

    // plainText and cipherText read the two areas; «Установить роторы» writes into rotorField and keyField, whose
    // own change handlers then run as for typing, and then calls install.
    AnalysisWindow(TextSource plainText, TextSource cipherText, QLineEdit* rotorField, QLineEdit* keyField,
                   Installer install, QWidget* parent = nullptr);
    // Stops a search that still runs and waits for its threads (each checks the stop every 50 ms of work).
    ~AnalysisWindow() override;

    // An area's text changed: the statistics are counted again once the changes pause, while the window is shown.
    void TextsChanged();
    // The ciphertext area changed: as above, and a result found in the old ciphertext is taken away.
    void CipherTextChanged();
    void RefreshStatistics();

    // «Найти ключ»: checks the inputs and starts the search, or says what is missing.
    void FindKey();
    // «Отмена»: asks the search to stop and returns at once; its end arrives as SearchFinished.
    void CancelSearch();
    // «Установить роторы»: the selected setting (the first when none is selected) into the two fields, then
    // installed. Does nothing while a run of the main window holds the fields.
    void InstallSetting();
    void InstallRow(int row);

    bool Searching() const { return worker_.joinable(); }
    // The main window's run has disabled the rotor and key fields.
    bool FieldsLocked() const;
    // The last search's result, while it still fits the ciphertext, the fragment and the position.
    const std::optional<analysis::AttackResult>& Result() const { return result_; }

    FrequencyChart* plainChart = nullptr;
    FrequencyChart* cipherChart = nullptr;
    // Both charts at once: the Russian frequencies drawn over the bars, and the bars sorted by frequency.
    QCheckBox* expectedBox = nullptr;
    QCheckBox* sortBox = nullptr;
    // «Сохранить отчёт…»: one PDF of both charts, their figures, the attack and the key classes.
    QPushButton* saveReportButton = nullptr;
    QLabel* plainFigures = nullptr;
    QLabel* cipherFigures = nullptr;
    QLabel* fragmentLabel = nullptr;
    QPlainTextEdit* fragmentEdit = nullptr;
    QLabel* positionLabel = nullptr;
    QSpinBox* positionBox = nullptr;
    QLabel* fragmentNote = nullptr;
    QPushButton* findButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QProgressBar* progressBar = nullptr;
    QLabel* progressLabel = nullptr;
    QLabel* resultLabel = nullptr;
    QTableWidget* resultTable = nullptr;
    QPushButton* installButton = nullptr;
    // «Ключи класса…»: the 135 keys of the chosen row's class, and a check of any key against them.
    QPushButton* keyClassButton = nullptr;
    QLabel* installNote = nullptr;

signals:
    // A search ended: found, nothing found, or cancelled.
    void SearchFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a shown result was found for; a change of any of it makes the result stale.
    struct Searched {
        QString fragment;
        int position = -1;
        std::size_t cipherHash = 0;
        qsizetype cipherSize = 0;
    };

    QWidget* CreateStatistics(QWidget* parent);
    QWidget* CreateAttack(QWidget* parent);
    void ShowFigures(QLabel* label, const analysis::SymbolStatistics& statistics);
    // The boxes that choose how both charts are drawn.
    QWidget* CreateChartOptions(QWidget* parent);
    QPushButton* CreateKeyClassButton(QWidget* parent);
    void ShowKeyClass();
    void ChooseAndSaveReport();

public:
    // The report as a PDF at path; the reason, in Russian, when it could not be written.
    std::optional<QString> SaveReport(const QString& path) const;

private:
    void FragmentChanged();
    void UpdateFragmentNote();
    void UpdateInstallButton();
    void FitFixedAreas();
    void KeepOnScreen();
    void ShowProgress(double fraction, std::uint64_t found);
    void SearchEnded(analysis::AttackResult result);
    void ShowResult(const analysis::AttackResult& result);
    // Takes the old result away and says why.
    void DropResult(const QString& why);
    bool CipherTextStillSearched() const;
    QString Fragment() const;
    std::optional<std::size_t> Position() const;
    analysis::AttackRequest Request(std::size_t ciphertextLength) const;

    TextSource plainText_, cipherText_;
    QLineEdit* rotorField_;
    QLineEdit* keyField_;
    Installer install_;
    QWidget* contents_ = nullptr;
    QTimer* refreshTimer_ = nullptr;
    QTimer* staleTimer_ = nullptr;
    QScrollArea* noteArea_ = nullptr;
    QScrollArea* resultArea_ = nullptr;
    QScrollArea* installNoteArea_ = nullptr;
    const analysis::RotorTables tables_;
    std::optional<analysis::AttackResult> result_;
    Searched searched_;
    // The ciphertext's length when the statistics were last counted, for the note on the fragment.
    std::size_t cipherLength_ = 0;
    bool installing_ = false;
    bool placed_ = false;
    std::jthread worker_;
};

}  // namespace velista
