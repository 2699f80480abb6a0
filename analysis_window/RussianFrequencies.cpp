// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window/RussianFrequencies.h"

#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

namespace velista {

namespace {

// Lines "CODE<TAB>COUNT", the code in hex; lines starting with # are comments.
QHash<char16_t, double> Load()
{
    QFile file(QStringLiteral(":/data/russian-frequencies.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the built-in table of Russian frequencies is missing");
    QHash<char16_t, qint64> counts;
    qint64 total = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        bool codeRead = false, countRead = false;
        const uint code = fields.value(0).toUInt(&codeRead, 16);
        const qint64 count = fields.value(1).trimmed().toLongLong(&countRead);
        if (!codeRead || !countRead || code > 0xFFFF || count < 0)
            qFatal("the built-in table of Russian frequencies has a wrong line: %s", line.constData());
        counts.insert(char16_t(code), count);
        total += count;
    }
    if (counts.size() != 135 || total <= 0)
        qFatal("the built-in table of Russian frequencies does not hold the 135 symbols");
    QHash<char16_t, double> shares;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        shares.insert(it.key(), double(it.value()) / double(total));
    return shares;
}

}  // namespace

double RussianFrequencies::Share(char16_t symbol)
{
    static const QHash<char16_t, double> shares = Load();
    return shares.value(symbol, 0.0);
}

}  // namespace velista
