// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text document laid out on A4 pages at print resolution and written as PDF into memory.

#include <QBuffer>
#include <QByteArray>
#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRect>
#include <QString>
#include <QTextDocument>

namespace velista {

class PdfPages final {
public:
    // The pages' orientation and margins in millimetres, the document's title, and the body type's size in points
    // (Liberation Sans).
    PdfPages(QPageLayout::Orientation orientation, const QMarginsF& margins, const QString& title, qreal bodyPoints);
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    // The document to fill, laid out for the pages.
    QTextDocument& Document() { return document_; }
    // A page's printable area, in the writer's pixels.
    const QRect& Page() const { return page_; }
    int Resolution() const { return writer_.resolution(); }

    // Paints every page of the document and returns the PDF's bytes.
    QByteArray Bytes();

private:
    QByteArray bytes_;
    QBuffer buffer_;
    QPdfWriter writer_;
    QTextDocument document_;
    QRect page_;
};

}  // namespace velista
