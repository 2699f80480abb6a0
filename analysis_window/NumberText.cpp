// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window/NumberText.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace velista {

namespace {

// The numbers' locale is the interface's: its name is a text of the catalogue, so that the English
// interface writes 1,234.5 where the Russian one writes 1 234,5.
QLocale Numbers()
{
    QLocale locale(QCoreApplication::translate("velista::NumberText", "ru_RU"));
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale;
}

QString Superscript(int exponent)
{
    static const char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString text;
    for (const QChar c : QString::number(exponent))
        text += c == u'-' ? QChar(u'⁻') : QChar(digits[c.unicode() - u'0']);
    return text;
}

}  // namespace

QString NumberText::Whole(std::uint64_t value)
{
    return Numbers().toString(static_cast<qulonglong>(value));
}

QString NumberText::Decimal(double value, int decimals)
{
    return Numbers().toString(value, 'f', decimals);
}

QString NumberText::Large(double value)
{
    if (value < 1e6)
        return Whole(static_cast<std::uint64_t>(std::llround(value)));
    int exponent = static_cast<int>(std::floor(std::log10(value)));
    double mantissa = value / std::pow(10.0, exponent);
    // 9.96e13 rounds to 10,0: written as 1,0·10¹⁴.
    if (std::round(mantissa * 10) >= 100) {
        mantissa /= 10;
        ++exponent;
    }
    return Decimal(mantissa, 1) + QStringLiteral("·10") + Superscript(exponent);
}

QString NumberText::Seconds(double seconds)
{
    return Decimal(seconds, seconds < 10 ? 2 : 1) + QCoreApplication::translate("velista::NumberText", " с");
}

}  // namespace velista
