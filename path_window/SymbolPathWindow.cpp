// SPDX-License-Identifier: GPL-3.0-or-later
#include "path_window/SymbolPathWindow.h"

#include "path_window/HopTable.h"
#include "path_window/SymbolLabel.h"
#include "path_window/SymbolPathView.h"

#include "machine/RotorBank.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velista {

namespace {

QTableWidgetItem* SymbolItem(QTableWidgetItem* item, Symbol symbol)
{
    item->setText(SymbolLabel::Cell(symbol));
    item->setToolTip(SymbolLabel::ToolTip(symbol));
    item->setData(Qt::AccessibleTextRole, SymbolLabel::Spoken(symbol));
    return item;
}

void PlainItem(QTableWidgetItem* item, const QString& text)
{
    item->setText(text);
    item->setToolTip(QString());
    item->setData(Qt::AccessibleTextRole, QVariant());
}

}  // namespace

SymbolPathWindow::SymbolPathWindow(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName("SymbolPathWindow");
    setWindowTitle(tr("Путь символа"));
    // Type that reads on a classroom projector.
    QFont large = font();
    large.setPointSize(14);
    setFont(large);

    Caption = new QLabel(this);
    Caption->setObjectName("pathCaption");
    QFont captionFont = large;
    captionFont.setBold(true);
    Caption->setFont(captionFont);
    Caption->setWordWrap(true);
    Legend = new QLabel(this);
    Legend->setObjectName("pathLegend");
    Legend->setWordWrap(true);

    PathView = new SymbolPathView(this);

    HopTable = new velista::HopTable(this);
    HopTable->setObjectName("hopTable");
    HopTable->setHorizontalHeaderLabels(
        {tr("Переход"), tr("Символ"), tr("Позиция"), tr("Получен")});
    HopTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HopTable->setAccessibleName(tr("Ходы символа"));
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            HopTable->setItem(row, column, new QTableWidgetItem());

    auto* fieldLabel = new QLabel(tr("&Символ:"), this);
    fieldLabel->setObjectName("symbolLabel");
    SymbolField = new QLineEdit(this);
    SymbolField->setObjectName("symbolField");
    SymbolField->setMaxLength(1);
    SymbolField->setAccessibleName(tr("Символ, путь которого показать"));
    fieldLabel->setBuddy(SymbolField);
    DecipherBox = new QCheckBox(tr("Дешифрация"), this);
    DecipherBox->setObjectName("decipherBox");
    DecipherBox->setAccessibleName(tr("Дешифрация"));
    DecipherBox->setAccessibleDescription(tr("Показать обратный путь, от гнезда 5 к гнезду 1"));

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(fieldLabel);
    fieldRow->addWidget(SymbolField);
    fieldRow->addWidget(DecipherBox);
    fieldRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Caption);
    layout->addWidget(Legend);
    layout->addWidget(PathView, 1);
    layout->addWidget(HopTable);
    layout->addLayout(fieldRow);
    CreateSaving(fieldRow);

    // Tab goes the way the eye reads the controls that can be used: the field, the box, the drawing, the
    // table, and round again.
    setTabOrder(SymbolField, DecipherBox);
    setTabOrder(DecipherBox, PathView);
    setTabOrder(PathView, HopTable);
    setTabOrder(HopTable, SaveButton);
    SymbolField->setFocus();
    FitToType();

    connect(SymbolField, &QLineEdit::textChanged, this, &SymbolPathWindow::ShowFieldPath);
    connect(DecipherBox, &QCheckBox::toggled, this, &SymbolPathWindow::ShowFieldPath);
    SetLegend(CipherDirection::Encipher);
    ShowFieldPath();
    resize(sizeHint());
}

void SymbolPathWindow::FitToType()
{
    // Three wide letters and the frame, at whatever size the type is.
    SymbolField->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("ЖЖЖ")) + 12);
    // Rows as high as the type. Set here rather than measured from the cells, which the header would do
    // at every change of a cell: a run at full speed over 1 MiB took 15 s with that, 0.5 s without.
    HopTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    HopTable->updateGeometry();
}

void SymbolPathWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // The font is set while the controls are being made.
    if (event->type() == QEvent::FontChange && SymbolField)
        FitToType();
}

void SymbolPathWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // A narrower window wraps the caption and the legend onto more lines. Qt takes a window's least height
    // at its widest lines; the window keeps room for as many lines as its width gives, so that nothing
    // is pushed under the drawing.
    const int needed = layout()->totalMinimumHeightForWidth(width());
    if (needed != minimumHeight())
        setMinimumHeight(needed);
}

void SymbolPathWindow::SetRunning(bool running)
{
    running_ = running;
    // Qt moves the focus on from a control it disables.
    SymbolField->setEnabled(!running);
    DecipherBox->setEnabled(!running);
    if (!running)
        ShowFieldPath();
}

void SymbolPathWindow::ShowRunPosition(qint64 position, const PathSnapshot& snapshot)
{
    const bool encipher = snapshot.direction == CipherDirection::Encipher;
    // The path of a position goes through the bank as it stood before the machine stepped after it; the
    // rotor windows of the main window show the bank after that step, one turn of slot 1 further.
    QString caption = tr("%1, позиция %2: %3 → %4; роторы до шага машины (в главном окне — после)")
                          .arg(encipher ? tr("Шифрование") : tr("Дешифрование"))
                          .arg(position)
                          .arg(SymbolLabel::Quoted(snapshot.path.input), SymbolLabel::Quoted(snapshot.path.output));
    ShowSnapshot(snapshot, caption);
}

void SymbolPathWindow::ShowRunStart(CipherDirection direction)
{
    SetLegend(direction);
    ShowNothing(direction == CipherDirection::Encipher
                    ? tr("Шифрование возвращено к началу: ни одной позиции ещё не сделано.")
                    : tr("Дешифрование возвращено к началу: ни одной позиции ещё не сделано."));
}

void SymbolPathWindow::SetBank(const RotorBank* bank, std::u16string_view key)
{
    bank_ = bank;
    key_ = key;
    if (!running_)
        ShowFieldPath();
}

void SymbolPathWindow::ShowFieldPath()
{
    if (running_)
        return;
    if (!bank_ || !bank_->Complete()) {
        ShowNothing(tr("Роторы не установлены. Установите роторы, чтобы увидеть путь символа."));
        return;
    }
    const QString typed = SymbolField->text();
    if (typed.isEmpty()) {
        ShowNothing(tr("Наберите символ в поле «Символ»: окно покажет его путь через роторы, "
                                   "как они стоят сейчас."));
        return;
    }
    const CipherDirection direction = DecipherBox->isChecked() ? CipherDirection::Decipher : CipherDirection::Encipher;
    const PathSnapshot snapshot = PathSnapshot::Take(*bank_, typed.at(0).unicode(), direction, key_);
    ShowSnapshot(snapshot, tr("%1 при нынешнем положении роторов: %2 → %3")
                               .arg(DecipherBox->isChecked() ? tr("Дешифрация") : tr("Шифрование"),
                                    SymbolLabel::Quoted(snapshot.path.input), SymbolLabel::Quoted(snapshot.path.output)));
}

void SymbolPathWindow::SetLegend(CipherDirection direction)
{
    Legend->setText((direction == CipherDirection::Encipher ? tr("Шифрование: слева направо.")
                                                            : tr("Дешифрация: справа налево."))
                    + tr(" «от ключа» — на сколько шагов ротор повернулся от положения ключа. "
                                     "«lat» — латинская буква."));
}

void SymbolPathWindow::ShowSnapshot(const PathSnapshot& snapshot, const QString& caption)
{
    // The timer asks again twenty times a second; what did not change is not drawn again.
    if (PathView->Snapshot() == snapshot && Caption->text() == caption)
        return;
    Caption->setText(caption);
    SetLegend(snapshot.direction);
    PathView->Show(snapshot);
    const bool encipher = snapshot.direction == CipherDirection::Encipher;
    Symbol entering = snapshot.path.input;
    for (int row = 0; row < 4; ++row) {
        const SymbolHop& hop = snapshot.path.hops[std::size_t(row)];
        const int from = encipher ? row + 1 : SlotCount - row;
        const int to = encipher ? from + 1 : from - 1;
        PlainItem(HopTable->item(row, HopColumn), QStringLiteral("%1 → %2").arg(from).arg(to));
        if (snapshot.inAlphabet) {
            SymbolItem(HopTable->item(row, EnteringColumn), entering);
            PlainItem(HopTable->item(row, PositionColumn), QString::number(hop.position));
            SymbolItem(HopTable->item(row, ReachedColumn), hop.reached);
            entering = hop.reached;
        } else {
            for (int column : {EnteringColumn, PositionColumn, ReachedColumn})
                PlainItem(HopTable->item(row, column), QStringLiteral("—"));
        }
    }
}

void SymbolPathWindow::ShowNothing(const QString& caption)
{
    Caption->setText(caption);
    PathView->ShowMessage(caption);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            PlainItem(HopTable->item(row, column), QString());
}

}  // namespace velista
