// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window/AnalysisWindow.h"

#include "analysis_window/FrequencyChart.h"
#include "analysis_window/KeyText.h"
#include "analysis_window/NumberText.h"

#include "analysis/AttackRequest.h"
#include "analysis/KnownPlaintextAttack.h"
#include "analysis/SymbolStatistics.h"
#include "machine/Alphabet.h"
#include "window_kit/PluralForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
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
using analysis::AttackSetting;
using analysis::SymbolStatistics;

// Settings listed when a short fragment fits many; the rest are only counted.
constexpr std::size_t Listed = 100;
// Positions written in a row of the table; the rest are counted.
constexpr std::size_t PositionsShown = 12;
// Below this count of alphabet symbols the search at an unknown position gets slow (measured on 10 KiB: 20 symbols
// about 13 s, 25 about 2 s).
constexpr int ShortAtUnknownPosition = 25;
// Statistics wait for the typing or a run to pause; counting two 1 MiB texts takes a few dozen milliseconds.
constexpr int RefreshDelayMilliseconds = 300;
// Lines of the message areas, fixed so that the controls below them stay where they are when a message grows.
constexpr int NoteLines = 2;
constexpr int ResultLines = 4;
constexpr int InstallNoteLines = 2;
// The raw key of a result row, beside the marked one that the cell shows.
constexpr int KeyRole = Qt::UserRole;

const char* const InstallHint = QT_TRANSLATE_NOOP("velista::AnalysisWindow",
                                                  "Записать роторы и ключ выбранной строки в поля главного окна и "
                                                  "установить роторы (Enter в таблице, двойной щелчок)");
const char* const LockedHint =
    QT_TRANSLATE_NOOP("velista::AnalysisWindow", "Идёт шифрование или дешифрация: роторы и ключ заняты до её конца");

std::u16string_view View(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

int AlphabetSymbols(const QString& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(),
                                          [](QChar c) { return Alphabet::Machine().Contains(c.unicode()); }));
}

// A count with its noun: "1 символ", "3 символа", "1 000 символов"; source is an entry with plural forms.
QString Counted(std::uint64_t n, const char* source)
{
    return NumberText::Whole(n) + u' ' + PluralForm("velista::AnalysisWindow", source, qint64(n));
}

QString Symbols(std::uint64_t n) { return Counted(n, QT_TRANSLATE_N_NOOP("velista::AnalysisWindow", "символ(а/ов)")); }
QString Settings(std::uint64_t n) { return Counted(n, QT_TRANSLATE_N_NOOP("velista::AnalysisWindow", "настройк(а/и/ок)")); }
// After «не меньше»: "2 символов", "21 символа".
QString AtLeastSymbols(std::uint64_t n)
{
    return Counted(n, QT_TRANSLATE_N_NOOP("velista::AnalysisWindow", "символа(ов) после «не меньше»"));
}

// "12" or "3 позиции: 12, 3 400, 6 788", with the first PositionsShown of many.
QString PositionsText(const AttackSetting& setting)
{
    const std::vector<std::size_t>& positions = setting.positions;
    if (positions.size() <= 1)
        return NumberText::Whole(setting.position);
    QStringList shown;
    for (std::size_t i = 0; i < std::min(positions.size(), PositionsShown); ++i)
        shown << NumberText::Whole(positions[i]);
    return Counted(positions.size(), QT_TRANSLATE_N_NOOP("velista::AnalysisWindow", "позици(я/и/й)")) + QStringLiteral(": ")
           + shown.join(QStringLiteral(", ")) + (positions.size() > PositionsShown ? QStringLiteral(", …") : QString());
}

// The core's refusal, said as the core says it (AttackProblemText) but from the catalogue, as a sentence.
QString ProblemText(const analysis::AttackRequest& request, analysis::AttackProblem problem)
{
    const auto number = [](std::size_t n) { return QString::number(qulonglong(n)); };
    switch (problem) {
    case analysis::AttackProblem::None:
    case analysis::AttackProblem::PastTheEnd:  // said by the window with the nouns agreeing with their numbers
        break;
    case analysis::AttackProblem::NoAlphabetSymbol:
        return AnalysisWindow::tr("Во фрагменте нет ни одного символа алфавита машины, ему подходит любая настройка.");
    case analysis::AttackProblem::FragmentTooShort: {
        const QString where =
            request.position
                ? AnalysisWindow::tr("на этой позиции")
                : AnalysisWindow::tr("на %1 %2")
                      .arg(number(request.Positions()),
                           PluralForm("velista::AnalysisWindow",
                                      QT_TRANSLATE_N_NOOP("velista::AnalysisWindow", "возможн(ой позиции/ых позициях)"),
                                      qint64(request.Positions())));
        return AnalysisWindow::tr("Фрагмент слишком короткий: символов алфавита в нём %1, а нужно не меньше %2 — иначе "
                                  "%3 подойдут тысячи настроек и ответ ничего не скажет.")
            .arg(number(request.AlphabetSymbols()), number(request.ShortestUseful()), where);
    }
    case analysis::AttackProblem::FragmentTooLong:
        return AnalysisWindow::tr("Фрагмент длиннее %1 символов (64 КиБ): столько не нужно, хватит нескольких десятков.")
            .arg(number(analysis::AttackRequest::MaxFragment));
    case analysis::AttackProblem::CiphertextTooLong:
        return AnalysisWindow::tr("Шифротекст длиннее %1 символов (256 МиБ).").arg(number(analysis::AttackRequest::MaxCiphertext));
    }
    return {};
}

// A label of fixed height, scrolled when its message is longer.
QScrollArea* FixedArea(QLabel* label, QWidget* parent)
{
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* area = new QScrollArea(parent);
    area->setObjectName(label->objectName() + QStringLiteral("Area"));
    area->setWidget(label);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

}  // namespace

AnalysisWindow::AnalysisWindow(TextSource plainText, TextSource cipherText, QLineEdit* rotorField,
                               QLineEdit* keyField, Installer install, QWidget* parent)
    : QDialog(parent)
    , plainText_(std::move(plainText))
    , cipherText_(std::move(cipherText))
    , rotorField_(rotorField)
    , keyField_(keyField)
    , install_(std::move(install))
{
    if (!plainText_ || !cipherText_ || !rotorField_ || !keyField_ || !install_)
        qFatal("AnalysisWindow: a text source, a field or the installer is missing");
    setObjectName("AnalysisWindow");
    // A window of its own beside the main window, which can be made larger and smaller.
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Криптоанализ"));
    setAccessibleName(windowTitle());
    setModal(false);
    QFont readable = font();
    readable.setPointSizeF(ReadablePoints);
    setFont(readable);

    // Everything scrolls inside the window, so that a large zoom or a small screen never pushes it off the screen.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("contentsArea");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    contents_ = new QWidget(scroll);
    QWidget* contents = contents_;
    auto* column = new QVBoxLayout(contents);
    column->addWidget(CreateStatistics(contents), 2);
    column->addWidget(CreateChartOptions(contents));
    column->addWidget(CreateAttack(contents), 3);
    scroll->setWidget(contents);
    layout->addWidget(scroll);
    FitFixedAreas();

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setObjectName("refreshTimer");
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(RefreshDelayMilliseconds);
    connect(refreshTimer_, &QTimer::timeout, this, &AnalysisWindow::RefreshStatistics);
    // Reading the whole ciphertext on every symbol of a run would slow the run; it is compared once it pauses.
    staleTimer_ = new QTimer(this);
    staleTimer_->setObjectName("staleTimer");
    staleTimer_->setSingleShot(true);
    staleTimer_->setInterval(RefreshDelayMilliseconds);
    connect(staleTimer_, &QTimer::timeout, this, [this] {
        if (result_ && !CipherTextStillSearched())
            DropResult(tr("Шифротекст изменился после поиска: прежний результат убран. Нажмите "
                                      "«Найти ключ» снова."));
    });
    // A run of the main window disables the fields (their panel); «Установить роторы» follows them.
    rotorField_->installEventFilter(this);
    keyField_->installEventFilter(this);
    // Closing the window, by Escape too, stops its search: nobody would see the result.
    connect(this, &QDialog::finished, this, &AnalysisWindow::CancelSearch);
    const QWidget* const chain[] = {plainChart, cipherChart, expectedBox, sortBox, saveReportButton, fragmentEdit, positionBox,
                                    findButton, cancelButton, resultTable,  installButton, keyClassButton};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(const_cast<QWidget*>(chain[i - 1]), const_cast<QWidget*>(chain[i]));
    fragmentEdit->setFocus();
}

AnalysisWindow::~AnalysisWindow()
{
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
}

QWidget* AnalysisWindow::CreateStatistics(QWidget* parent)
{
    auto* statistics = new QWidget(parent);
    auto* row = new QHBoxLayout(statistics);
    row->setContentsMargins(0, 0, 0, 0);
    const auto column = [&](const QString& title, const QString& chartName, const char* name, FrequencyChart*& chart,
                            QLabel*& figures) {
        auto* box = new QGroupBox(title, statistics);
        box->setObjectName(QString::fromLatin1(name) + QStringLiteral("Box"));
        auto* inside = new QVBoxLayout(box);
        chart = new FrequencyChart(box);
        chart->setObjectName(QString::fromLatin1(name) + QStringLiteral("Chart"));
        chart->setAccessibleName(chartName);
        figures = new QLabel(box);
        figures->setObjectName(QString::fromLatin1(name) + QStringLiteral("Figures"));
        // Selectable for copying, but not a stop of the Tab chain: the chart before it names the same figures.
        figures->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures->setFocusPolicy(Qt::NoFocus);
        figures->setWordWrap(true);
        inside->addWidget(chart, 1);
        inside->addWidget(figures);
        row->addWidget(box, 1);
    };
    column(tr("Открытый текст: частоты символов"), tr("Столбцы частот открытого текста"),
           "plain", plainChart, plainFigures);
    column(tr("Шифротекст: частоты символов"), tr("Столбцы частот шифротекста"), "cipher",
           cipherChart, cipherFigures);
    return statistics;
}

QWidget* AnalysisWindow::CreateAttack(QWidget* parent)
{
    auto* box = new QGroupBox(tr("Атака по известному фрагменту открытого текста"), parent);
    box->setObjectName("attackBox");
    auto* layout = new QVBoxLayout(box);

    fragmentLabel = new QLabel(tr("Шифротекст берётся из области «Шифротекст» главного окна. "
                                              "Введите или вставьте &фрагмент открытого текста, который в нём "
                                              "зашифрован:"),
                               box);
    fragmentLabel->setObjectName("fragmentLabel");
    fragmentLabel->setWordWrap(true);
    layout->addWidget(fragmentLabel);
    fragmentEdit = new QPlainTextEdit(box);
    fragmentEdit->setObjectName("fragmentEdit");
    fragmentEdit->setAccessibleName(tr("Известный фрагмент открытого текста"));
    fragmentEdit->setTabChangesFocus(true);
    fragmentLabel->setBuddy(fragmentEdit);
    layout->addWidget(fragmentEdit);

    auto* positionRow = new QHBoxLayout;
    positionLabel = new QLabel(tr("&Позиция фрагмента в тексте (счёт с 0, перевод строки — два "
                                              "символа):"),
                               box);
    positionLabel->setObjectName("positionLabel");
    positionBox = new QSpinBox(box);
    positionBox->setObjectName("positionBox");
    positionBox->setAccessibleName(tr("Позиция фрагмента"));
    positionBox->setRange(-1, std::numeric_limits<int>::max());
    positionBox->setSpecialValueText(tr("неизвестно"));
    positionBox->setValue(-1);
    positionBox->setMinimumWidth(positionBox->fontMetrics().horizontalAdvance(tr("неизвестно")) + 48);
    positionLabel->setBuddy(positionBox);
    positionRow->addWidget(positionLabel);
    positionRow->addWidget(positionBox);
    positionRow->addStretch(1);
    layout->addLayout(positionRow);
    fragmentNote = new QLabel(box);
    fragmentNote->setObjectName("fragmentNote");
    noteArea_ = FixedArea(fragmentNote, box);
    layout->addWidget(noteArea_);

    auto* runRow = new QHBoxLayout;
    findButton = new QPushButton(tr("Найти ключ"), box);
    findButton->setObjectName("findButton");
    findButton->setAccessibleName(tr("Найти ключ"));
    // Enter in the position field starts the search; a button with the focus takes Enter itself.
    findButton->setDefault(true);
    cancelButton = new QPushButton(tr("Отмена"), box);
    cancelButton->setObjectName("cancelButton");
    cancelButton->setAccessibleName(tr("Отменить поиск"));
    cancelButton->setEnabled(false);
    progressBar = new QProgressBar(box);
    progressBar->setObjectName("progressBar");
    progressBar->setAccessibleName(tr("Ход поиска"));
    progressBar->setRange(0, 1000);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    progressLabel = new QLabel(box);
    progressLabel->setObjectName("progressLabel");
    progressLabel->setMinimumWidth(progressLabel->fontMetrics().horizontalAdvance(tr("найдено: 000 000")));
    runRow->addWidget(findButton);
    runRow->addWidget(cancelButton);
    runRow->addWidget(progressBar, 1);
    runRow->addWidget(progressLabel);
    layout->addLayout(runRow);

    resultLabel = new QLabel(box);
    resultLabel->setObjectName("resultLabel");
    resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    resultLabel->setFocusPolicy(Qt::NoFocus);
    resultArea_ = FixedArea(resultLabel, box);
    layout->addWidget(resultArea_);
    resultTable = new QTableWidget(0, 3, box);
    resultTable->setObjectName("resultTable");
    resultTable->setAccessibleName(tr("Найденные настройки"));
    resultTable->setHorizontalHeaderLabels(
        {tr("Роторы"), tr("Ключ"), tr("Позиции фрагмента")});
    resultTable->horizontalHeader()->setStretchLastSection(true);
    resultTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultTable->setSelectionMode(QAbstractItemView::SingleSelection);
    resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultTable->verticalHeader()->setVisible(false);
    // Tab leaves the table; the arrows move between its rows.
    resultTable->setTabKeyNavigation(false);
    resultTable->installEventFilter(this);
    layout->addWidget(resultTable, 1);
    installButton = new QPushButton(tr("Установить роторы"), box);
    installButton->setObjectName("installButton");
    installButton->setAccessibleName(tr("Установить роторы"));
    installButton->setEnabled(false);
    installNote = new QLabel(box);
    installNote->setObjectName("installNote");
    installNoteArea_ = FixedArea(installNote, box);
    auto* installRow = new QHBoxLayout;
    installRow->addWidget(installButton, 0, Qt::AlignTop);
    installRow->addWidget(CreateKeyClassButton(box), 0, Qt::AlignTop);
    installRow->addWidget(installNoteArea_, 1);
    layout->addLayout(installRow);

    connect(findButton, &QPushButton::clicked, this, &AnalysisWindow::FindKey);
    connect(cancelButton, &QPushButton::clicked, this, &AnalysisWindow::CancelSearch);
    connect(installButton, &QPushButton::clicked, this, &AnalysisWindow::InstallSetting);
    connect(resultTable, &QTableWidget::cellDoubleClicked, this, [this](int row) { InstallRow(row); });
    connect(fragmentEdit, &QPlainTextEdit::textChanged, this, &AnalysisWindow::FragmentChanged);
    connect(positionBox, &QSpinBox::valueChanged, this, &AnalysisWindow::FragmentChanged);
    UpdateFragmentNote();
    UpdateInstallButton();
    return box;
}

void AnalysisWindow::FitFixedAreas()
{
    const int line = fontMetrics().lineSpacing();
    noteArea_->setFixedHeight(line * NoteLines + 4);
    resultArea_->setFixedHeight(line * ResultLines + 4);
    installNoteArea_->setFixedHeight(line * InstallNoteLines + 4);
    fragmentEdit->setMinimumHeight(line * 2 + 12);
    fragmentEdit->setMaximumHeight(line * 3 + 12);
    resultTable->setMinimumHeight(line * 4);
}

void AnalysisWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // A new type size (a zoom) changes the lines' height.
    if (event->type() == QEvent::FontChange && noteArea_)
        FitFixedAreas();
}

bool AnalysisWindow::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == rotorField_ || watched == keyField_) && event->type() == QEvent::EnabledChange)
        UpdateInstallButton();
    if (watched == resultTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (resultTable->currentRow() >= 0)
                InstallRow(resultTable->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AnalysisWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The figures first: their lines are part of the size the window asks for.
    RefreshStatistics();
    if (!placed_) {
        placed_ = true;
        KeepOnScreen();
    }
}

void AnalysisWindow::KeepOnScreen()
{
    // The screen the main window is on; the window opens there, wholly, at its preferred size where it fits.
    const QWidget* anchor = parentWidget() ? parentWidget()->window() : this;
    const QScreen* screen = anchor->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // The frame's title bar and borders, known once the window is shown; 40 and 10 pixels before that.
    const QRect frame = frameGeometry();
    const int frameWidth = std::max(10, frame.width() - width());
    const int frameHeight = std::max(40, frame.height() - height());
    // The contents' own preferred size, not the scroll area's: nothing scrolls where the screen has room.
    // The wrapped labels' height at that width, which the size hint only guesses.
    QSize wanted = contents_->sizeHint().expandedTo(contents_->minimumSizeHint()).expandedTo(QSize(1000, 760));
    const int width = std::min(wanted.width() + 8, available.width() - frameWidth);
    if (contents_->hasHeightForWidth())
        wanted.setHeight(std::max(wanted.height(), contents_->heightForWidth(width)));
    // A few pixels to spare, so that a scroll bar does not appear for a rounding of the labels' heights.
    const QSize size(width, std::min(wanted.height() + 8, available.height() - frameHeight));
    resize(size);
    const QPoint centre = anchor == this ? available.center() : anchor->frameGeometry().center();
    QRect placed(QPoint(), QSize(size.width() + frameWidth, size.height() + frameHeight));
    placed.moveCenter(centre);
    placed.moveLeft(std::clamp(placed.left(), available.left(), available.right() + 1 - placed.width()));
    placed.moveTop(std::clamp(placed.top(), available.top(), available.bottom() + 1 - placed.height()));
    move(placed.topLeft());
}

void AnalysisWindow::TextsChanged()
{
    if (isVisible())
        refreshTimer_->start();
}

void AnalysisWindow::CipherTextChanged()
{
    TextsChanged();
    if (result_)
        staleTimer_->start();
}

void AnalysisWindow::RefreshStatistics()
{
    refreshTimer_->stop();
    const SymbolStatistics plain(View(plainText_()));
    const QString cipherText = cipherText_();
    const SymbolStatistics cipher(View(cipherText));
    cipherLength_ = std::size_t(cipherText.size());
    UpdateFragmentNote();
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
    label->setText(tr("Символов: %1, из них в алфавите машины: %2\n"
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

std::optional<std::size_t> AnalysisWindow::Position() const
{
    return positionBox->value() < 0 ? std::nullopt : std::optional<std::size_t>(std::size_t(positionBox->value()));
}

void AnalysisWindow::FragmentChanged()
{
    UpdateFragmentNote();
    if (result_ && (Fragment() != searched_.fragment || positionBox->value() != searched_.position))
        DropResult(tr("Фрагмент или его позиция изменились после поиска: прежний результат убран. "
                                  "Нажмите «Найти ключ» снова."));
}

analysis::AttackRequest AnalysisWindow::Request(std::size_t ciphertextLength) const
{
    return {analysis::NormaliseFragment(View(Fragment())), Position(), ciphertextLength};
}

void AnalysisWindow::UpdateFragmentNote()
{
    const QString fragment = Fragment();
    const int symbols = AlphabetSymbols(fragment);
    QString note = tr("Во фрагменте %1, из них в алфавите машины: %2.")
                       .arg(Symbols(std::uint64_t(fragment.size())), NumberText::Whole(std::uint64_t(symbols)));
    // The length needed depends on the positions to try, so on the ciphertext's length as last counted.
    const analysis::AttackRequest request = Request(cipherLength_);
    const std::size_t needed = request.ShortestUseful();
    if (symbols > 0 && std::size_t(symbols) < needed)
        note += tr(" Слишком короткий: нужно не меньше %1 алфавита, иначе подойдут тысячи настроек.")
                    .arg(AtLeastSymbols(needed));
    else if (symbols > 0 && !request.position && symbols < ShortAtUnknownPosition)
        note += tr(" Позиция неизвестна: поиск может занять минуты (его можно отменить). Быстро — от %1.")
                    .arg(AtLeastSymbols(ShortAtUnknownPosition));
    fragmentNote->setText(note);
}

bool AnalysisWindow::FieldsLocked() const { return !rotorField_->isEnabled() || !keyField_->isEnabled(); }

void AnalysisWindow::UpdateInstallButton()
{
    const bool locked = FieldsLocked();
    installButton->setEnabled(!locked && !installing_ && result_ && !result_->settings.empty());
    keyClassButton->setEnabled(result_ && !result_->settings.empty());
    const QString lockedHint = tr(LockedHint);
    installButton->setToolTip(locked ? lockedHint : tr(InstallHint));
    if (locked && result_ && !result_->settings.empty())
        installNote->setText(lockedHint + u'.');
    else if (installNote->text() == lockedHint + u'.')
        installNote->clear();
}

void AnalysisWindow::FindKey()
{
    if (Searching())
        return;
    const QString cipher = cipherText_();
    const std::u16string ciphertext = cipher.toStdU16String();
    const QString fragment = Fragment();
    const std::optional<std::size_t> position = Position();
    const analysis::AttackRequest request = Request(ciphertext.size());
    QString problem;
    if (ciphertext.empty())
        problem = tr("Шифротекст пуст: откройте или получите шифротекст в главном окне, затем начните "
                                 "поиск.");
    else if (fragment.isEmpty())
        problem = tr("Введите известный фрагмент открытого текста.");
    else if (const analysis::AttackProblem found = request.Check(); found == analysis::AttackProblem::PastTheEnd)
        // Said here with the nouns agreeing with their numbers.
        problem = position ? tr("С позиции %1 фрагмент длиной %2 выходит за конец шифротекста длиной %3.")
                                 .arg(NumberText::Whole(*position), Symbols(std::uint64_t(fragment.size())),
                                      Symbols(ciphertext.size()))
                           : tr("Фрагмент длиной %1 длиннее всего шифротекста (%2).")
                                 .arg(Symbols(std::uint64_t(fragment.size())), Symbols(ciphertext.size()));
    else if (found != analysis::AttackProblem::None)
        problem = ProblemText(request, found);
    if (!problem.isEmpty()) {
        DropResult(problem);
        return;
    }

    DropResult(tr("Идёт поиск…"));
    searched_ = {fragment, positionBox->value(), qHash(cipher), cipher.size()};
    findButton->setEnabled(false);
    cancelButton->setEnabled(true);
    // The focus stays on a control that can be used: «Отмена» while the search runs.
    cancelButton->setFocus();
    progressBar->setValue(0);
    progressLabel->clear();
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
    // Only a request: the search sees it within 50 ms of work and its end arrives as SearchEnded; nothing here
    // waits for it.
    worker_.request_stop();
    cancelButton->setEnabled(false);
    progressLabel->setText(tr("отмена…"));
}

void AnalysisWindow::ShowProgress(double fraction, std::uint64_t found)
{
    if (!Searching())
        return;
    progressBar->setValue(static_cast<int>(fraction * 1000));
    progressLabel->setText(tr("найдено: %1").arg(NumberText::Whole(found)));
}

bool AnalysisWindow::CipherTextStillSearched() const
{
    const QString cipher = cipherText_();
    return cipher.size() == searched_.cipherSize && qHash(cipher) == searched_.cipherHash;
}

void AnalysisWindow::SearchEnded(AttackResult result)
{
    worker_.join();
    worker_ = {};
    const bool focusHere = cancelButton->hasFocus() || !cancelButton->isEnabled();
    findButton->setEnabled(true);
    cancelButton->setEnabled(false);
    progressBar->setValue(result.cancelled ? progressBar->value() : progressBar->maximum());
    progressLabel->clear();
    if (Fragment() != searched_.fragment || positionBox->value() != searched_.position || !CipherTextStillSearched()) {
        DropResult(tr("Фрагмент, его позиция или шифротекст изменились во время поиска: результат "
                                  "убран. Нажмите «Найти ключ» снова."));
    } else {
        ShowResult(result);
        result_ = std::move(result);
        UpdateInstallButton();
    }
    // The focus leaves the disabled «Отмена» for the result's rows, or for «Найти ключ» when there are none.
    if (focusHere && isActiveWindow())
        (resultTable->rowCount() > 0 ? static_cast<QWidget*>(resultTable) : findButton)->setFocus();
    emit SearchFinished();
}

void AnalysisWindow::DropResult(const QString& why)
{
    staleTimer_->stop();
    result_.reset();
    resultTable->setRowCount(0);
    resultLabel->setText(why);
    installNote->clear();
    UpdateInstallButton();
}

void AnalysisWindow::ShowResult(const AttackResult& result)
{
    const QString effort =
        tr(" Время поиска: %1. Проверено настроек (роторы, класс ключа, позиция фрагмента): %2.")
            .arg(NumberText::Seconds(result.seconds), NumberText::Large(result.settingsCovered));
    const QString equivalence =
        tr(" Ключ найден с точностью до равносильных: если прибавить одно и то же число ко всем пяти "
                       "поворотам роторов, шифротекст не изменится, поэтому ещё 134 ключа дают тот же текст.");
    QString text;
    if (result.undecidable) {
        text = tr("Во фрагменте нет ни одного символа алфавита машины: ему подходит любая настройка. "
                              "Введите фрагмент с буквами.");
    } else if (result.cancelled) {
        text = tr("Поиск отменён. До отмены найдено: %1.").arg(Settings(result.found)) + effort;
    } else if (result.found == 0) {
        text = tr("Ни одна настройка не подходит: этот фрагмент не мог дать такой шифротекст %1. "
                              "Проверьте фрагмент (каждый символ, заглавные и строчные буквы) и позицию.")
                   .arg(positionBox->value() >= 0
                            ? tr("на позиции %1").arg(NumberText::Whole(std::uint64_t(positionBox->value())))
                            : tr("ни на одной позиции"))
            + effort;
    } else if (result.Unique()) {
        const AttackSetting& setting = result.settings.front();
        const QString where =
            setting.positions.size() > 1
                ? tr(" Фрагмент встречается в тексте несколько раз, и всюду подходит она же: %1.")
                      .arg(PositionsText(setting))
                : QString();
        text = tr("Найдена единственная настройка: роторы %1, ключ %2.%3 Нажмите «Установить роторы» "
                              "и расшифруйте весь текст в главном окне.")
                   .arg(QString::fromStdU16String(setting.Rotors().Text()),
                        KeyText::Quoted(QString::fromStdU16String(setting.Key(tables_).Symbols())), where)
            + effort + equivalence;
    } else {
        text = tr("Фрагмент слишком короток, чтобы выбрать одну настройку: %1 %2. %3 Возьмите "
                              "фрагмент длиннее.")
                   .arg(PluralForm("velista::AnalysisWindow",
                                   QT_TRANSLATE_N_NOOP("velista::AnalysisWindow", "подход(ит/ят)"), qint64(result.found)),
                        Settings(result.found),
                        result.found > result.settings.size()
                            ? tr("В таблице первые %1.").arg(NumberText::Whole(result.settings.size()))
                            : tr("Все они в таблице."))
            + effort + equivalence;
    }
    resultLabel->setText(text);

    resultTable->setRowCount(static_cast<int>(result.settings.size()));
    for (int row = 0; row < resultTable->rowCount(); ++row) {
        const AttackSetting& setting = result.settings[static_cast<std::size_t>(row)];
        const QString key = QString::fromStdU16String(setting.Key(tables_).Symbols());
        resultTable->setItem(row, 0, new QTableWidgetItem(QString::fromStdU16String(setting.Rotors().Text())));
        auto* keyItem = new QTableWidgetItem(KeyText::Quoted(key));
        keyItem->setData(KeyRole, key);
        keyItem->setToolTip(KeyText::Scripts(key));
        resultTable->setItem(row, 1, keyItem);
        resultTable->setItem(row, 2, new QTableWidgetItem(PositionsText(setting)));
    }
    resultTable->resizeColumnsToContents();
    if (resultTable->rowCount() > 0)
        resultTable->selectRow(0);
}

void AnalysisWindow::InstallSetting()
{
    InstallRow(std::max(0, resultTable->currentRow()));
}

void AnalysisWindow::InstallRow(int row)
{
    if (!result_ || row < 0 || std::size_t(row) >= result_->settings.size() || FieldsLocked() || installing_)
        return;
    // The ciphertext is compared only once a change pauses; a click in between must not take an old result.
    if (!CipherTextStillSearched()) {
        DropResult(tr("Шифротекст изменился после поиска: прежний результат убран. Нажмите «Найти "
                                  "ключ» снова."));
        return;
    }
    const AttackSetting setting = result_->settings.at(static_cast<std::size_t>(row));
    const QString rotors = QString::fromStdU16String(setting.Rotors().Text());
    const QString key = QString::fromStdU16String(setting.Key(tables_).Symbols());
    // Disabling the focused button would hand the focus on; it comes back once the installation is done.
    const QPointer<QWidget> focused = focusWidget();
    installing_ = true;
    UpdateInstallButton();
    // The fields' change handlers and the installation let the events run; the window may go meanwhile.
    const QPointer<AnalysisWindow> alive(this);
    rotorField_->setText(rotors);
    keyField_->setText(key);
    const bool installed = install_();
    if (!alive)
        return;
    installing_ = false;
    UpdateInstallButton();
    if (focused && focused->isEnabled())
        focused->setFocus();
    installNote->setText(installed ? tr("Роторы %1 с ключом %2 установлены в главном окне. Нажмите там "
                                                    "«Дешифрация», чтобы расшифровать весь шифротекст.")
                                         .arg(rotors, KeyText::Quoted(key))
                                   : tr("Роторы %1 и ключ %2 записаны в поля главного окна, но не "
                                                    "установлены: нажмите там «Установить роторы».")
                                         .arg(rotors, KeyText::Quoted(key)));
}

}  // namespace velista
