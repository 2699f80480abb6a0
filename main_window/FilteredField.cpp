// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/FilteredField.h"

#include "machine/Beeper.h"
#include "machine/FilterKey.h"
#include "machine/Windows1251.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QValidator>

namespace velista {

namespace {

// Several frames even at 30 Hz, and over before the next key of a typist at 300 keys a minute (200 ms
// apart), so that a second refusal shows as a flash of its own.
constexpr int FlashMilliseconds = 150;

// Text that reaches the field by any other way (an input method, say) passes the same filter too.
class FieldValidator final : public QValidator {
public:
    explicit FieldValidator(FilteredField& field)
        : QValidator(&field)
        , field_(field)
    {
    }

    State validate(QString& input, int& position) const override
    {
        QString kept;
        kept.reserve(input.size());
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (field_.Admits(input[i]))
                kept += input[i];
            else if (i < position)
                --position;
        }
        input = kept;
        return Acceptable;
    }

private:
    FilteredField& field_;
};

}  // namespace

FilteredField::FilteredField(QWidget* parent, std::u16string allowed, Beeper& beeper)
    : QLineEdit(parent)
    , allowed_(std::move(allowed))
    , beeper_(beeper)
    , flashTimer_(new QTimer(this))
{
    setValidator(new FieldValidator(*this));
    flashTimer_->setObjectName(QStringLiteral("flashTimer"));
    flashTimer_->setSingleShot(true);
    flashTimer_->setInterval(FlashMilliseconds);
    connect(flashTimer_, &QTimer::timeout, this, &FilteredField::EndFlash);
}

bool FilteredField::Admits(QChar character)
{
    const std::optional<unsigned char> code = Windows1251::Encode(character.unicode());
    // A character that the code page lacks arrives as no code at all, which no set allows.
    const std::int16_t typed = code ? std::int16_t{*code} : std::int16_t{-1};
    const bool admitted = FilterKey(typed, allowed_, beeper_) != 0;
    if (!admitted)
        StartFlash();
    return admitted;
}

bool FilteredField::Flashing() const
{
    return flashTimer_->isActive();
}

void FilteredField::StartFlash()
{
    // A refusal during a flash only makes it last longer; the steady palette is the one from before it.
    if (!Flashing()) {
        steadyPalette_ = palette();
        QPalette inverted = steadyPalette_;
        inverted.setColor(QPalette::Base, steadyPalette_.color(QPalette::Text));
        inverted.setColor(QPalette::Window, steadyPalette_.color(QPalette::Text));
        inverted.setColor(QPalette::Text, steadyPalette_.color(QPalette::Base));
        setPalette(inverted);
    }
    flashTimer_->start();
}

void FilteredField::EndFlash()
{
    setPalette(steadyPalette_);
}

void FilteredField::InsertFiltered(const QString& text)
{
    QString kept;
    for (const QChar character : text) {
        if (Admits(character))
            kept += character;
    }
    insert(kept);
}

void FilteredField::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly())
            InsertFiltered(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    const QString text = event->text();
    // Shortcuts, the Delete key and the keys that move the caret are editing, not typed characters.
    const bool typed = !text.isEmpty() && event->key() != Qt::Key_Delete &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (typed) {
        for (const QChar character : text) {
            if (!Admits(character)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void FilteredField::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasText() || isReadOnly()) {
        QLineEdit::dropEvent(event);
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    InsertFiltered(event->mimeData()->text());
    event->acceptProposedAction();
    setFocus(Qt::MouseFocusReason);
}

void FilteredField::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection of the X server.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        InsertFiltered(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredField::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this,
                [this] { InsertFiltered(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
}

}  // namespace velista
