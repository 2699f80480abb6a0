// SPDX-License-Identifier: GPL-3.0-or-later
#include "path_window/SymbolPathWindow.h"

#include "path_window/SymbolPathView.h"

#include "machine/RotorBank.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velista {

namespace {

QString SymbolText(Symbol symbol) { return QString(QChar(symbol)); }

QString Quoted(Symbol symbol)
{
    return symbol == u' ' ? QStringLiteral("«пробел»") : QStringLiteral("«%1»").arg(SymbolText(symbol));
}

}  // namespace

SymbolPathWindow::SymbolPathWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("SymbolPathWindow");
    setWindowTitle(QStringLiteral("Путь символа"));
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

    PathView = new SymbolPathView(this);

    HopTable = new QTableWidget(4, 4, this);
    HopTable->setObjectName("hopTable");
    HopTable->setHorizontalHeaderLabels(
        {QStringLiteral("Ход"), QStringLiteral("Гнездо"), QStringLiteral("Позиция"), QStringLiteral("Символ")});
    HopTable->verticalHeader()->hide();
    HopTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HopTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    HopTable->setAccessibleName(QStringLiteral("Ходы символа"));
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            HopTable->setItem(row, column, new QTableWidgetItem());
    HopTable->setFixedHeight(HopTable->horizontalHeader()->sizeHint().height() + 4 * HopTable->rowHeight(0) + 4);

    auto* fieldLabel = new QLabel(QStringLiteral("Символ:"), this);
    SymbolField = new QLineEdit(this);
    SymbolField->setObjectName("symbolField");
    SymbolField->setMaxLength(1);
    SymbolField->setFixedWidth(fieldLabel->fontMetrics().horizontalAdvance(QStringLiteral("ЖЖЖ")) + 12);
    SymbolField->setAccessibleName(QStringLiteral("Символ, путь которого показать"));
    fieldLabel->setBuddy(SymbolField);
    DecipherBox = new QCheckBox(QStringLiteral("Дешифрация"), this);
    DecipherBox->setObjectName("decipherBox");

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(fieldLabel);
    fieldRow->addWidget(SymbolField);
    fieldRow->addWidget(DecipherBox);
    fieldRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Caption);
    layout->addWidget(PathView, 1);
    layout->addWidget(HopTable);
    layout->addLayout(fieldRow);

    connect(SymbolField, &QLineEdit::textChanged, this, &SymbolPathWindow::ShowFieldPath);
    connect(DecipherBox, &QCheckBox::toggled, this, &SymbolPathWindow::ShowFieldPath);
    resize(1150, 720);
    ShowFieldPath();
}

void SymbolPathWindow::SetRunning(bool running)
{
    running_ = running;
    SymbolField->setEnabled(!running);
    DecipherBox->setEnabled(!running);
    if (!running)
        ShowFieldPath();
}

void SymbolPathWindow::ShowRunPosition(qint64 position, const PathSnapshot& snapshot)
{
    const bool encipher = snapshot.direction == CipherDirection::Encipher;
    QString caption = QStringLiteral("%1, позиция %2: %3 → %4")
                          .arg(encipher ? QStringLiteral("Шифрование") : QStringLiteral("Дешифрование"))
                          .arg(position)
                          .arg(Quoted(snapshot.path.input), Quoted(snapshot.path.output));
    ShowSnapshot(snapshot, caption);
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
        ShowNothing(QStringLiteral("Роторы не установлены. Установите роторы, чтобы увидеть путь символа."));
        return;
    }
    const QString typed = SymbolField->text();
    if (typed.isEmpty()) {
        ShowNothing(QStringLiteral("Наберите символ в поле «Символ»: окно покажет его путь через роторы, "
                                   "как они стоят сейчас."));
        return;
    }
    const CipherDirection direction = DecipherBox->isChecked() ? CipherDirection::Decipher : CipherDirection::Encipher;
    const PathSnapshot snapshot = PathSnapshot::Take(*bank_, typed.at(0).unicode(), direction, key_);
    ShowSnapshot(snapshot, QStringLiteral("%1 при нынешнем положении роторов: %2 → %3")
                               .arg(DecipherBox->isChecked() ? QStringLiteral("Дешифрация") : QStringLiteral("Шифрование"),
                                    Quoted(snapshot.path.input), Quoted(snapshot.path.output)));
}

void SymbolPathWindow::ShowSnapshot(const PathSnapshot& snapshot, const QString& caption)
{
    // The timer asks again twenty times a second; what did not change is not drawn again.
    if (PathView->Snapshot() == snapshot && Caption->text() == caption)
        return;
    Caption->setText(caption);
    PathView->Show(snapshot);
    for (int row = 0; row < 4; ++row) {
        const SymbolHop& hop = snapshot.path.hops[std::size_t(row)];
        const bool shown = snapshot.inAlphabet;
        HopTable->item(row, HopColumn)->setText(QString::number(row + 1));
        HopTable->item(row, SlotColumn)->setText(shown ? QString::number(hop.slot) : QStringLiteral("—"));
        HopTable->item(row, PositionColumn)->setText(shown ? QString::number(hop.position) : QStringLiteral("—"));
        HopTable->item(row, SymbolColumn)->setText(shown ? SymbolText(hop.reached) : QStringLiteral("—"));
    }
}

void SymbolPathWindow::ShowNothing(const QString& caption)
{
    Caption->setText(caption);
    PathView->ShowMessage(caption);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            HopTable->item(row, column)->setText(QString());
}

}  // namespace velista
