// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/RichTextBox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace velista {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Document text (blocks joined by the paragraph separator) with every separator as CR LF.
QString WithCrLfBreaks(const QString& raw)
{
    QString text;
    text.reserve(raw.size() + raw.count(QChar::ParagraphSeparator));
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator)
            text += CrLf;
        else
            text += c;
    }
    return text;
}

}  // namespace

QString WithLfBreaks(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            result += u'\n';
        } else if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            result += u'\n';
        } else {
            result += c;
        }
    }
    return result;
}

RichTextBox::RichTextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the area along the window's tab order, as in a form; a tab character still comes in
    // through the clipboard.
    setTabChangesFocus(true);
    const auto forget = [this] {
        if (!selecting_)
            selection_.reset();
    };
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, forget);
    connect(this, &QPlainTextEdit::selectionChanged, this, forget);
    connect(document(), &QTextDocument::contentsChanged, this, forget);
}

QString RichTextBox::Text() const
{
    // toPlainText() would turn no-break spaces into plain ones.
    return WithCrLfBreaks(document()->toRawText());
}

void RichTextBox::SetText(const QString& text)
{
    setPlainText(WithLfBreaks(text));
}

void RichTextBox::AppendText(const QString& text)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(WithLfBreaks(text));
}

qint32 RichTextBox::SymbolCount() const
{
    const QTextDocument* doc = document();
    // Each line break is one document character and two symbols; the last block's end is no character.
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

bool RichTextBox::IsEmpty() const
{
    return document()->isEmpty();
}

qint32 RichTextBox::LineLengthAt(qint32 position) const
{
    return document()->findBlock(DocumentPosition(position)).length() - 1;
}

qint32 RichTextBox::TextPosition(int documentPosition) const
{
    return documentPosition + document()->findBlock(documentPosition).blockNumber();
}

int RichTextBox::DocumentPosition(qint32 textPosition, bool* onLf) const
{
    if (onLf)
        *onLf = false;
    const QTextDocument* doc = document();
    const int end = doc->characterCount() - 1;
    if (textPosition <= 0)
        return 0;
    // The last block whose first symbol stands at or before the position.
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (doc->findBlockByNumber(middle).position() + middle <= textPosition)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const int offset = textPosition - (block.position() + low);
    const int content = block.length() - 1;
    if (offset <= content)
        return block.position() + offset;
    if (offset == content + 1 && block.next().isValid()) {
        if (onLf)
            *onLf = true;
        return block.position() + content + 1;
    }
    return end;
}

RichTextBox::Range RichTextBox::Selection() const
{
    if (selection_)
        return *selection_;
    const QTextCursor cursor = textCursor();
    const qint32 start = TextPosition(cursor.selectionStart());
    return {start, TextPosition(cursor.selectionEnd()) - start};
}

void RichTextBox::ShowSelection(Range range)
{
    const qint32 count = SymbolCount();
    range.start = std::clamp(range.start, 0, count);
    range.length = std::clamp(range.length, 0, count - range.start);
    bool startOnLf = false;
    int start = DocumentPosition(range.start, &startOnLf);
    // A selection that opens on an LF shows its whole line break.
    if (startOnLf)
        --start;
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(DocumentPosition(range.start + range.length), QTextCursor::KeepAnchor);
    selecting_ = true;
    setTextCursor(cursor);
    selecting_ = false;
    selection_ = range;
}

qint32 RichTextBox::SelStart() const { return Selection().start; }

qint32 RichTextBox::SelLength() const { return Selection().length; }

void RichTextBox::SetSelStart(qint32 position) { ShowSelection({position, 0}); }

void RichTextBox::SetSelLength(qint32 length) { ShowSelection({Selection().start, length}); }

QString RichTextBox::SelText() const
{
    const Range range = Selection();
    return TextRange(range.start, range.length);
}

void RichTextBox::SetSelText(const QString& text)
{
    const Range range = Selection();
    ReplaceRange(range.start, range.length, text);
}

QString RichTextBox::TextRange(qint32 start, qint32 length) const
{
    if (length <= 0)
        return {};
    bool startOnLf = false;
    bool endOnLf = false;
    const int from = DocumentPosition(start, &startOnLf) - (startOnLf ? 1 : 0);
    const int to = DocumentPosition(start + length, &endOnLf);
    QTextCursor cursor(const_cast<QTextDocument*>(document()));
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    QString text = WithCrLfBreaks(cursor.selectedText());
    if (startOnLf)
        text.remove(0, 1);
    if (endOnLf)
        text.chop(1);
    return text;
}

void RichTextBox::ReplaceRange(qint32 start, qint32 length, const QString& text)
{
    const qint32 count = SymbolCount();
    start = std::clamp(start, 0, count);
    length = std::clamp(length, 0, count - start);
    if (text != TextRange(start, length)) {
        bool startOnLf = false;
        bool endOnLf = false;
        int from = DocumentPosition(start, &startOnLf);
        const int to = DocumentPosition(start + length, &endOnLf);
        // Half a line break cannot be replaced: the whole break is, and its other half is written again.
        QString replacement = text;
        if (startOnLf) {
            --from;
            replacement.prepend(u'\r');
        }
        if (endOnLf && length > 0)
            replacement.append(u'\n');
        QTextCursor cursor(document());
        cursor.setPosition(from);
        cursor.setPosition(std::max(from, to), QTextCursor::KeepAnchor);
        selecting_ = true;
        cursor.insertText(WithLfBreaks(replacement));
        selecting_ = false;
    }
    ShowSelection({start + qint32(text.size()), 0});
}

void RichTextBox::FormatWholeText(const QString& family, qreal points)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(points * zoom_);
    format.setFontUnderline(false);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(format);
    SetSelStart(0);
}

void RichTextBox::SetZoom(double factor)
{
    if (factor == zoom_)
        return;
    const double scale = factor / zoom_;
    zoom_ = factor;
    // The fragments with their sizes first: a merge splits and joins them. Mostly the whole text has one
    // size, and one merge does (a run's working area of 1 MiB has a fragment a line).
    struct Sized {
        int start;
        int end;
        qreal points;
    };
    std::vector<Sized> fragments;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const qreal points = fragment.charFormat().fontPointSize();
            if (points <= 0)
                continue;
            if (!fragments.empty() && fragments.back().points == points && fragments.back().end >= fragment.position() - 1)
                fragments.back().end = fragment.position() + fragment.length();
            else
                fragments.push_back({fragment.position(), fragment.position() + fragment.length(), points});
        }
    }
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const Sized& sized : fragments) {
        QTextCharFormat format;
        format.setFontPointSize(sized.points * scale);
        cursor.setPosition(sized.start);
        cursor.setPosition(sized.end, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
    // In an empty area what is typed next takes the caret's own format, which no merge reached.
    QTextCharFormat typed = currentCharFormat();
    if (document()->isEmpty() && typed.fontPointSize() > 0) {
        typed.setFontPointSize(typed.fontPointSize() * scale);
        setCurrentCharFormat(typed);
    }
}

void RichTextBox::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText()) {
        textCursor().insertText(WithLfBreaks(source->text()));
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void RichTextBox::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab would type a tab character; they leave the area like Tab and Shift+Tab.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (event->modifiers() & Qt::ControlModifier)) {
        const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        focusNextPrevChild(!back);
        return;
    }
    // Shift+Enter would insert a line separator, a break that the files cannot tell from a paragraph.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier) && !isReadOnly()) {
        textCursor().insertBlock();
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

}  // namespace velista
