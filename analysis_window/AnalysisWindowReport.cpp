// SPDX-License-Identifier: GPL-3.0-or-later
// «Сохранить отчёт…» of the analysis window: one PDF with both charts, their figures against the references,
// the attack's request and outcome, and why a key is found only up to 135 equivalent ones.

#include "analysis_window/AnalysisWindow.h"

#include "analysis_window/FrequencyChart.h"
#include "analysis_window/KeyText.h"
#include "analysis_window/NumberText.h"
#include "window_kit/PdfPages.h"
#include "window_kit/SafeSave.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

namespace velista {

namespace {

QString Paragraph(const QString& text) { return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped().replace('\n', QStringLiteral("<br>"))); }

}  // namespace

std::optional<QString> AnalysisWindow::SaveReport(const QString& path) const
{
    PdfPages pages(QPageLayout::Portrait, QMarginsF(18, 15, 18, 15), tr("Велиста: отчёт криптоанализа"), 10);
    QTextDocument& document = pages.Document();
    const QRect& page = pages.Page();
    // The charts as the window shows them, at twice their pixels for print.
    const auto chartImage = [&](const FrequencyChart* chart, const QString& name) {
        QImage image(chart->size() * 2, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(2, 2);
        const_cast<FrequencyChart*>(chart)->render(&painter);
        painter.end();
        document.addResource(QTextDocument::ImageResource, QUrl(name), image);
        // An image's width is in pixels of 96 to the inch, which the document scales to the writer's resolution.
        const double width = page.width() * 0.95 * 96.0 / pages.Resolution();
        return QStringLiteral("<img src=\"%1\" width=\"%2\">").arg(name).arg(int(width));
    };
    QString html = QStringLiteral("<h2>%1</h2>").arg(tr("Велиста: отчёт криптоанализа"));
    html += QStringLiteral("<h3>%1</h3>").arg(tr("Открытый текст: частоты символов"));
    html += chartImage(plainChart, QStringLiteral("chart://plain")) + Paragraph(plainFigures->text());
    html += QStringLiteral("<h3>%1</h3>").arg(tr("Шифротекст: частоты символов"));
    html += chartImage(cipherChart, QStringLiteral("chart://cipher")) + Paragraph(cipherFigures->text());
    if (expectedBox->isChecked())
        html += Paragraph(tr("Черты на столбцах — ожидаемые доли символов в русском тексте (сборник fortunes-ru, "
                             "1 893 273 символа алфавита)."));
    html += QStringLiteral("<h3>%1</h3>").arg(tr("Атака по известному фрагменту"));
    if (!result_) {
        html += Paragraph(tr("Поиск ключа не проводился (или его результат устарел)."));
    } else {
        html += Paragraph(tr("Фрагмент: %1").arg(searched_.fragment));
        html += Paragraph(searched_.position < 0 ? tr("Позиция: неизвестна, перебраны все")
                                                 : tr("Позиция: %1").arg(searched_.position));
        html += Paragraph(resultLabel->text());
        QStringList rows;
        for (const analysis::AttackSetting& setting : result_->settings)
            rows << tr("роторы %1, ключ %2")
                        .arg(QString::fromStdU16String(setting.Rotors().Text()),
                             KeyText::Quoted(QString::fromStdU16String(setting.Key(tables_).Symbols())));
        html += Paragraph(rows.isEmpty() ? tr("Подходящих настроек нет.") : tr("Найдено: ") + rows.join(QStringLiteral("; ")));
        html += Paragraph(tr("Время поиска: %1 с; рассмотрено настроек: %2.")
                              .arg(NumberText::Decimal(result_->seconds, 2))
                              .arg(NumberText::Decimal(result_->settingsCovered, 0)));
    }
    html += QStringLiteral("<h3>%1</h3>").arg(tr("Почему ключей 135"));
    html += Paragraph(tr("Контакты между гнёздами идут по номерам позиций, поэтому если повернуть все пять роторов на "
                         "одно и то же число шагов, ни один путь символа не изменится. Ключи, которые отличаются "
                         "только таким общим поворотом, шифруют одинаково: на каждые роторы приходится 135 "
                         "равносильных ключей, и атака находит ключ лишь с точностью до этого класса. Любой из "
                         "135 ключей расшифрует текст; по шифротексту их не различить."));
    document.setHtml(html);

    return SafeSave::Problem(path, pages.Bytes());
}

void AnalysisWindow::ChooseAndSaveReport()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Сохранить отчёт"), {}, tr("Документ PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (const std::optional<QString> error = SaveReport(path))
        QMessageBox::warning(this, windowTitle(), tr("Отчёт не сохранён в «%1»: %2.").arg(path, *error));
}

}  // namespace velista
