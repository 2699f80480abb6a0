// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/PdfPages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>

namespace velista {

PdfPages::PdfPages(QPageLayout::Orientation orientation, const QMarginsF& margins, const QString& title,
                   qreal bodyPoints)
    : buffer_(&bytes_)
    , writer_(&buffer_)
{
    buffer_.open(QIODevice::WriteOnly);
    writer_.setResolution(300);
    writer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, margins, QPageLayout::Millimeter));
    writer_.setTitle(title);
    writer_.setCreator(QStringLiteral("Велиста"));
    document_.documentLayout()->setPaintDevice(&writer_);
    page_ = writer_.pageLayout().paintRectPixels(writer_.resolution());
    document_.setPageSize(QSizeF(page_.size()));
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPointSizeF(bodyPoints);
    document_.setDefaultFont(body);
}

QByteArray PdfPages::Bytes()
{
    QPainter painter(&writer_);
    const int pages = document_.pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            writer_.newPage();
        painter.save();
        painter.translate(0, -p * page_.height());
        document_.drawContents(&painter, QRectF(0, p * page_.height(), page_.width(), page_.height()));
        painter.restore();
    }
    painter.end();
    return bytes_;
}

}  // namespace velista
