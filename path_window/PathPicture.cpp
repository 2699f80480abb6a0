// SPDX-License-Identifier: GPL-3.0-or-later
#include "path_window/PathPicture.h"

#include "path_window/HopTable.h"
#include "path_window/SymbolPathView.h"
#include "path_window/SymbolPathWindow.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#if VELISTA_PATH_PICTURE_SVG
#include <QSvgGenerator>
#endif

#include <algorithm>
#include <cmath>

namespace velista {

namespace {

constexpr int Margin = 12;
constexpr double MetresPerInch = 0.0254;

}  // namespace

int PathPicture::CaptionHeight() const
{
    const QLabel* caption = window_.Caption;
    const int width = std::max(window_.PathView->width(), window_.HopTable->width());
    return QFontMetrics(caption->font())
               .boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, caption->text())
               .height() + Margin;
}

QSize PathPicture::LogicalSize() const
{
    const int width = std::max(window_.PathView->width(), window_.HopTable->width());
    return {width + 2 * Margin, CaptionHeight() + window_.PathView->height() + window_.HopTable->height() + 3 * Margin};
}

void PathPicture::Paint(QPainter& painter) const
{
    const QSize size = LogicalSize();
    painter.fillRect(QRect(QPoint(), size), Qt::white);
    painter.setFont(window_.Caption->font());
    painter.setPen(Qt::black);
    const int width = size.width() - 2 * Margin;
    painter.drawText(QRect(Margin, Margin, width, CaptionHeight()), Qt::TextWordWrap, window_.Caption->text());
    // The widgets paint themselves through the painter, so the drawing keeps its vectors in an SVG.
    const int viewTop = Margin + CaptionHeight();
    window_.PathView->render(&painter, QPoint(Margin, viewTop), QRegion(), QWidget::DrawChildren);
    window_.HopTable->render(&painter, QPoint(Margin, viewTop + window_.PathView->height() + Margin), QRegion(),
                             QWidget::DrawChildren);
}

QImage PathPicture::Image() const
{
    const double scale = double(PrintDotsPerInch) / window_.logicalDpiX();
    const QSize size = LogicalSize();
    QImage image(int(std::ceil(size.width() * scale)), int(std::ceil(size.height() * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        // Painted at the image's default resolution and scaled by the painter: an image that said 300 dpi
        // while painted would make the caption's point size 300/96 times larger on top of the scale.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        Paint(painter);
    }
    const int dotsPerMetre = int(std::lround(PrintDotsPerInch / MetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

QByteArray PathPicture::Png() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(Image()))
        qFatal("a PNG of the path could not be made in memory: %s", qPrintable(writer.errorString()));
    return bytes;
}

#if VELISTA_PATH_PICTURE_SVG
QByteArray PathPicture::Svg() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = LogicalSize();
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(), size));
    generator.setResolution(window_.logicalDpiX());
    generator.setTitle(window_.windowTitle());
    generator.setDescription(window_.Caption->text());
    QPainter painter(&generator);
    Paint(painter);
    painter.end();
    return bytes;
}

#endif

}  // namespace velista
