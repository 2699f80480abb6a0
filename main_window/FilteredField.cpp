#include "FilteredField.h"

#include "Beeper.h"
#include "FilterKey.h"
#include "Windows1251.h"

#include <QKeyEvent>
#include <QValidator>

namespace velista {

namespace {

// Text that reaches the field by other ways than typing (pasting, dropping, an input method) passes
// the same filter, character by character.
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
{
    setValidator(new FieldValidator(*this));
}

bool FilteredField::Admits(QChar character) const
{
    const std::optional<unsigned char> code = Windows1251::Encode(character.unicode());
    // A character that the code page lacks arrives as no code at all, which no set allows.
    const std::int16_t typed = code ? std::int16_t{*code} : std::int16_t{-1};
    return FilterKey(typed, allowed_, beeper_) != 0;
}

void FilteredField::keyPressEvent(QKeyEvent* event)
{
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

}  // namespace velista
