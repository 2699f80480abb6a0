// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window/AnalysisWindow.h"

#include "analysis_window/FrequencyChart.h"
#include "analysis_window/NumberText.h"

#include "analysis/KnownPlaintextAttack.h"
#include "analysis/SymbolStatistics.h"
#include "machine/Alphabet.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <limits>

namespace velista {

namespace {

using analysis::AttackResult;
using analysis::SymbolStatistics;

// Settings listed when a short fragment fits many; the rest are only counted.
constexpr std::size_t Listed = 100;
// Below these counts of alphabet symbols a fragment fits many settings at a known position, and the search at an
// unknown position gets slow (measured on 10 KiB: 20 symbols about 13 s, 25 about 2 s, 15 minutes).
constexpr int ShortAtKnownPosition = 10;
constexpr int ShortAtUnknownPosition = 25;
// Statistics wait for the typing or a run to pause; counting two 1 MiB texts takes a few dozen milliseconds.
constexpr int RefreshDelayMilliseconds = 300;

std::u16string_view View(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

int AlphabetSymbols(const QString& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(),
                                          [](QChar c) { return Alphabet::Machine().Contains(c.unicode()); }));
}

// "1 настройка", "2 настройки", "5 настроек".
QString Settings(std::uint64_t n)
{
    const std::uint64_t lastTwo = n % 100, last = n % 10;
    const char* word = lastTwo >= 11 && lastTwo <= 14 ? "настроек"
                       : last == 1                    ? "настройка"
                       : last >= 2 && last <= 4       ? "настройки"
                                                      : "настроек";
    return NumberText::Whole(n) + u' ' + QString::fromUtf8(word);
}

}  // namespace

AnalysisWindow::AnalysisWindow(TextSource plainText, TextSource cipherText, QLineEdit* rotorField,
                               QLineEdit* keyField, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , plainText_(std::move(plainText))
    , cipherText_(std::move(cipherText))
    , rotorField_(rotorField)
    , keyField_(keyField)
{
    setObjectName("AnalysisWindow");
    setWindowTitle(QStringLiteral("Криптоанализ"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateStatistics(), 1);
    layout->addWidget(CreateAttack(), 1);
    resize(1000, 800);

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setObjectName("refreshTimer");
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(RefreshDelayMilliseconds);
    connect(refreshTimer_, &QTimer::timeout, this, &AnalysisWindow::RefreshStatistics);
}

AnalysisWindow::~AnalysisWindow()
{
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
}

QWidget* AnalysisWindow::CreateStatistics()
{
    auto* statistics = new QWidget(this);
    auto* row = new QHBoxLayout(statistics);
    row->setContentsMargins(0, 0, 0, 0);
    const auto column = [&](const QString& title, const char* name, FrequencyChart*& chart, QLabel*& figures) {
        auto* box = new QGroupBox(title, statistics);
        box->setObjectName(QString::fromLatin1(name) + QStringLiteral("Box"));
        auto* inside = new QVBoxLayout(box);
        chart = new FrequencyChart(box);
        chart->setObjectName(QString::fromLatin1(name) + QStringLiteral("Chart"));
        figures = new QLabel(box);
        figures->setObjectName(QString::fromLatin1(name) + QStringLiteral("Figures"));
        figures->setTextInteractionFlags(Qt::TextSelectableByMouse);
        inside->addWidget(chart, 1);
        inside->addWidget(figures);
        row->addWidget(box, 1);
    };
    column(QStringLiteral("Открытый текст: частоты символов"), "plain", plainChart, plainFigures);
    column(QStringLiteral("Шифротекст: частоты символов"), "cipher", cipherChart, cipherFigures);
    return statistics;
}

QWidget* AnalysisWindow::CreateAttack()
{
    auto* box = new QGroupBox(QStringLiteral("Атака по известному фрагменту открытого текста"), this);
    box->setObjectName("attackBox");
    auto* layout = new QVBoxLayout(box);

    auto* source = new QLabel(QStringLiteral("Шифротекст берётся из области «Шифротекст» главного окна. "
                                             "Введите или вставьте фрагмент открытого текста, который в нём "
                                             "зашифрован:"),
                              box);
    source->setWordWrap(true);
    layout->addWidget(source);
    fragmentEdit = new QPlainTextEdit(box);
    fragmentEdit->setObjectName("fragmentEdit");
    fragmentEdit->setTabChangesFocus(true);
    fragmentEdit->setMaximumHeight(fragmentEdit->fontMetrics().lineSpacing() * 4 + 12);
    layout->addWidget(fragmentEdit);

    auto* positionRow = new QHBoxLayout;
    auto* positionLabel = new QLabel(QStringLiteral("Позиция фрагмента в тексте (счёт с 0, перевод строки — "
                                                    "два символа):"),
                                     box);
    positionBox = new QSpinBox(box);
    positionBox->setObjectName("positionBox");
    positionBox->setRange(-1, std::numeric_limits<int>::max());
    positionBox->setSpecialValueText(QStringLiteral("неизвестно"));
    positionBox->setValue(-1);
    positionBox->setMinimumWidth(110);
    positionLabel->setBuddy(positionBox);
    positionRow->addWidget(positionLabel);
    positionRow->addWidget(positionBox);
    positionRow->addStretch(1);
    layout->addLayout(positionRow);
    fragmentNote = new QLabel(box);
    fragmentNote->setObjectName("fragmentNote");
    fragmentNote->setWordWrap(true);
    layout->addWidget(fragmentNote);

    auto* runRow = new QHBoxLayout;
    findButton = new QPushButton(QStringLiteral("Найти ключ"), box);
    findButton->setObjectName("findButton");
    cancelButton = new QPushButton(QStringLiteral("Отмена"), box);
    cancelButton->setObjectName("cancelButton");
    cancelButton->setEnabled(false);
    progressBar = new QProgressBar(box);
    progressBar->setObjectName("progressBar");
    progressBar->setRange(0, 1000);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    progressLabel = new QLabel(box);
    progressLabel->setObjectName("progressLabel");
    runRow->addWidget(findButton);
    runRow->addWidget(cancelButton);
    runRow->addWidget(progressBar, 1);
    runRow->addWidget(progressLabel);
    layout->addLayout(runRow);

    resultLabel = new QLabel(box);
    resultLabel->setObjectName("resultLabel");
    resultLabel->setWordWrap(true);
    resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(resultLabel);
    resultTable = new QTableWidget(0, 3, box);
    resultTable->setObjectName("resultTable");
    resultTable->setHorizontalHeaderLabels(
        {QStringLiteral("Роторы"), QStringLiteral("Ключ"), QStringLiteral("Позиция фрагмента")});
    resultTable->horizontalHeader()->setStretchLastSection(true);
    resultTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultTable->setSelectionMode(QAbstractItemView::SingleSelection);
    resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultTable->verticalHeader()->setVisible(false);
    layout->addWidget(resultTable, 1);
    installButton = new QPushButton(QStringLiteral("Установить"), box);
    installButton->setObjectName("installButton");
    installButton->setToolTip(QStringLiteral("записать роторы и ключ выбранной строки в поля главного окна"));
    installButton->setEnabled(false);
    auto* installRow = new QHBoxLayout;
    installRow->addWidget(installButton);
    installRow->addStretch(1);
    layout->addLayout(installRow);

    connect(findButton, &QPushButton::clicked, this, &AnalysisWindow::FindKey);
    connect(cancelButton, &QPushButton::clicked, this, &AnalysisWindow::CancelSearch);
    connect(installButton, &QPushButton::clicked, this, &AnalysisWindow::InstallSetting);
    connect(resultTable, &QTableWidget::cellDoubleClicked, this, &AnalysisWindow::InstallSetting);
    connect(fragmentEdit, &QPlainTextEdit::textChanged, this, &AnalysisWindow::UpdateFragmentNote);
    connect(positionBox, &QSpinBox::valueChanged, this, &AnalysisWindow::UpdateFragmentNote);
    UpdateFragmentNote();
    return box;
}

void AnalysisWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    RefreshStatistics();
}

void AnalysisWindow::TextsChanged()
{
    if (isVisible())
        refreshTimer_->start();
}

void AnalysisWindow::RefreshStatistics()
{
    refreshTimer_->stop();
    const SymbolStatistics plain(View(plainText_()));
    const SymbolStatistics cipher(View(cipherText_()));
    plainChart->SetStatistics(plain);
    cipherChart->SetStatistics(cipher);
    const double scale = std::max(plainChart->HighestShare(), cipherChart->HighestShare());
    plainChart->SetScale(scale);
    cipherChart->SetScale(scale);
    ShowFigures(plainFigures, plain);
    ShowFigures(cipherFigures, cipher);
}

void AnalysisWindow::ShowFigures(QLabel* label, const SymbolStatistics& statistics)
{
    label->setText(QStringLiteral("Символов: %1, из них в алфавите машины: %2\n"
                                  "Индекс совпадений: %3\n"
                                  "для сравнения: случайный текст 1/135 ≈ %4, русский текст %5")
                       .arg(NumberText::Whole(statistics.Length()), NumberText::Whole(statistics.SymbolCount()),
                            statistics.SymbolCount() < 2 ? QStringLiteral("—")
                                                         : NumberText::Decimal(statistics.IndexOfCoincidence(), 4),
                            NumberText::Decimal(SymbolStatistics::RandomIndex, 4),
                            NumberText::Decimal(SymbolStatistics::RussianIndex, 4)));
}

QString AnalysisWindow::Fragment() const
{
    // Line breaks as the areas give them to the machine: CR LF, each half one position.
    QString text = fragmentEdit->document()->toRawText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar separator : {QChar(u'\r'), QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)})
        text.replace(separator, u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

void AnalysisWindow::UpdateFragmentNote()
{
    const QString fragment = Fragment();
    const int symbols = AlphabetSymbols(fragment);
    QString note = QStringLiteral("Во фрагменте %1 символов, из них в алфавите машины: %2.")
                       .arg(NumberText::Whole(static_cast<std::uint64_t>(fragment.size())),
                            NumberText::Whole(static_cast<std::uint64_t>(symbols)));
    const bool known = positionBox->value() >= 0;
    if (symbols > 0 && !known && symbols < ShortAtUnknownPosition)
        note += QStringLiteral(" Фрагмент короткий, а позиция неизвестна: поиск может занять от десятков секунд "
                               "до нескольких минут (его можно отменить). Быстро — от %1 символов.")
                    .arg(ShortAtUnknownPosition);
    else if (symbols > 0 && known && symbols < ShortAtKnownPosition)
        note += QStringLiteral(" Фрагмент короткий: ему могут подойти многие настройки. Надёжно — от %1 символов.")
                    .arg(ShortAtKnownPosition);
    fragmentNote->setText(note);
}

void AnalysisWindow::FindKey()
{
    if (Searching())
        return;
    const std::u16string ciphertext = cipherText_().toStdU16String();
    const QString fragment = Fragment();
    const std::optional<std::size_t> position =
        positionBox->value() < 0 ? std::nullopt : std::optional<std::size_t>(std::size_t(positionBox->value()));
    QString problem;
    if (ciphertext.empty())
        problem = QStringLiteral("Шифротекст пуст: откройте или получите шифротекст в главном окне, затем начните "
                                 "поиск.");
    else if (fragment.isEmpty())
        problem = QStringLiteral("Введите известный фрагмент открытого текста.");
    else if (std::size_t(fragment.size()) > ciphertext.size())
        problem = QStringLiteral("Фрагмент (%1 символов) длиннее всего шифротекста (%2 символов).")
                      .arg(NumberText::Whole(std::uint64_t(fragment.size())), NumberText::Whole(ciphertext.size()));
    else if (position && *position + std::size_t(fragment.size()) > ciphertext.size())
        problem = QStringLiteral("С позиции %1 фрагмент из %2 символов выходит за конец шифротекста (%3 символов).")
                      .arg(NumberText::Whole(*position), NumberText::Whole(std::uint64_t(fragment.size())),
                           NumberText::Whole(ciphertext.size()));
    if (!problem.isEmpty()) {
        resultLabel->setText(problem);
        return;
    }

    result_.reset();
    resultTable->setRowCount(0);
    installButton->setEnabled(false);
    findButton->setEnabled(false);
    cancelButton->setEnabled(true);
    progressBar->setValue(0);
    progressLabel->clear();
    resultLabel->setText(QStringLiteral("Идёт поиск…"));
    worker_ = std::jthread([this, ciphertext, fragment = fragment.toStdU16String(), position](std::stop_token stop) {
        analysis::KnownPlaintextAttack attack(tables_);
        attack.SetKeep(Listed);
        attack.SetProgressCallback(
            [this](const analysis::AttackProgress& progress) {
                QMetaObject::invokeMethod(
                    this, [this, fraction = progress.fraction, found = progress.found] { ShowProgress(fraction, found); },
                    Qt::QueuedConnection);
            },
            std::chrono::milliseconds(100));
        AttackResult result = attack.Run(ciphertext, fragment, position, stop);
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)]() mutable { SearchEnded(std::move(result)); },
            Qt::QueuedConnection);
    });
}

void AnalysisWindow::CancelSearch()
{
    if (!Searching())
        return;
    worker_.request_stop();
    cancelButton->setEnabled(false);
    progressLabel->setText(QStringLiteral("отмена…"));
}

void AnalysisWindow::ShowProgress(double fraction, std::uint64_t found)
{
    if (!Searching())
        return;
    progressBar->setValue(static_cast<int>(fraction * 1000));
    progressLabel->setText(QStringLiteral("найдено: %1").arg(NumberText::Whole(found)));
}

void AnalysisWindow::SearchEnded(AttackResult result)
{
    worker_.join();
    worker_ = {};
    findButton->setEnabled(true);
    cancelButton->setEnabled(false);
    progressBar->setValue(result.cancelled ? progressBar->value() : progressBar->maximum());
    progressLabel->clear();
    ShowResult(result);
    result_ = std::move(result);
    installButton->setEnabled(!result_->settings.empty());
    emit SearchFinished();
}

void AnalysisWindow::ShowResult(const AttackResult& result)
{
    const QString effort =
        QStringLiteral(" Время поиска: %1. Проверено настроек (роторы, класс ключа, позиция фрагмента): %2.")
            .arg(NumberText::Seconds(result.seconds), NumberText::Large(result.settingsCovered));
    const QString equivalence =
        QStringLiteral(" Ключ найден с точностью до равносильных: если прибавить одно и то же число ко всем пяти "
                       "поворотам роторов, шифротекст не изменится, поэтому ещё 134 ключа дают тот же текст.");
    QString text;
    if (result.undecidable)
        text = QStringLiteral("Во фрагменте нет ни одного символа алфавита машины: ему подходит любая настройка. "
                              "Введите фрагмент с буквами.");
    else if (result.cancelled)
        text = QStringLiteral("Поиск отменён. До отмены найдено: %1.").arg(Settings(result.found)) + effort;
    else if (result.found == 0)
        text = QStringLiteral("Ни одна настройка не подходит: этот фрагмент не мог дать такой шифротекст %1. "
                              "Проверьте фрагмент (каждый символ, заглавные и строчные буквы) и позицию.")
                   .arg(positionBox->value() >= 0 ? QStringLiteral("на позиции %1").arg(positionBox->value())
                                                  : QStringLiteral("ни на одной позиции"))
            + effort;
    else if (result.found == 1)
        text = QStringLiteral("Найдена единственная настройка: роторы %1, ключ «%2». Нажмите «Установить», "
                              "установите роторы в главном окне и расшифруйте весь текст.")
                   .arg(QString::fromStdU16String(result.settings.front().RotorText()),
                        QString::fromStdU16String(result.settings.front().Key(tables_)))
            + effort + equivalence;
    else
        text = QStringLiteral("Фрагмент слишком короток, чтобы выбрать одну настройку: подходят %1. %2 Возьмите "
                              "фрагмент длиннее.")
                   .arg(Settings(result.found),
                        result.found > result.settings.size()
                            ? QStringLiteral("В таблице первые %1.").arg(NumberText::Whole(result.settings.size()))
                            : QStringLiteral("Все они в таблице."))
            + effort + equivalence;
    resultLabel->setText(text);

    resultTable->setRowCount(static_cast<int>(result.settings.size()));
    for (int row = 0; row < resultTable->rowCount(); ++row) {
        const analysis::AttackSetting& setting = result.settings[static_cast<std::size_t>(row)];
        resultTable->setItem(row, 0, new QTableWidgetItem(QString::fromStdU16String(setting.RotorText())));
        resultTable->setItem(row, 1, new QTableWidgetItem(QString::fromStdU16String(setting.Key(tables_))));
        // Plain digits, as the position field takes them.
        resultTable->setItem(row, 2, new QTableWidgetItem(QString::number(setting.position)));
    }
    if (resultTable->rowCount() > 0)
        resultTable->selectRow(0);
}

void AnalysisWindow::InstallSetting()
{
    if (!result_ || result_->settings.empty())
        return;
    const int row = std::max(0, resultTable->currentRow());
    const analysis::AttackSetting& setting = result_->settings.at(static_cast<std::size_t>(row));
    rotorField_->setText(QString::fromStdU16String(setting.RotorText()));
    keyField_->setText(QString::fromStdU16String(setting.Key(tables_)));
}

}  // namespace velista
