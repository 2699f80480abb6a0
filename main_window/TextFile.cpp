#include "TextFile.h"

#include "Windows1251.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velista {

namespace {

QString Detail(const QFileDevice& file)
{
    return file.errorString().isEmpty() ? QString() : QStringLiteral(" (%1)").arg(file.errorString());
}

QString OpenReason(const QFileInfo& info)
{
    if (!info.exists())
        return QStringLiteral("файл не найден");
    if (info.isDir())
        return QStringLiteral("это папка, а не файл");
    if (!info.isReadable())
        return QStringLiteral("нет прав на чтение файла");
    return QStringLiteral("файл не удалось открыть");
}

// A character outside the Basic Multilingual Plane is two code units but one character, and one '?'.
QString OneUnitPerCharacter(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        result += text[i].isSurrogate() ? QChar(QChar::ReplacementCharacter) : text[i];
    }
    return result;
}

}  // namespace

TextFile::Reading TextFile::Read(const QString& path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return {std::nullopt, OpenReason(info) + Detail(file)};
    if (file.size() > MaximumBytes)
        return {std::nullopt, QStringLiteral("файл больше %1 МиБ — слишком велик для текстового поля")
                                  .arg(MaximumBytes >> 20)};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, QStringLiteral("ошибка чтения") + Detail(file)};
    if (bytes.size() > MaximumBytes)
        return {std::nullopt, QStringLiteral("файл больше %1 МиБ — слишком велик для текстового поля")
                                  .arg(MaximumBytes >> 20)};
    // Text files never hold the zero byte; a file that does is a program, a picture or an archive.
    if (bytes.contains('\0'))
        return {std::nullopt, QStringLiteral("это не текстовый файл")};
    QString text(bytes.size(), Qt::Uninitialized);
    Windows1251::Decode(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                        std::span<char16_t>(reinterpret_cast<char16_t*>(text.data()), std::size_t(text.size())));
    return {std::move(text), {}};
}

TextFile::Writing TextFile::Write(const QString& path, const QString& text)
{
    const QString units = OneUnitPerCharacter(text);
    QByteArray bytes(units.size(), Qt::Uninitialized);
    const std::size_t replaced = Windows1251::Encode(
        std::u16string_view(reinterpret_cast<const char16_t*>(units.constData()), std::size_t(units.size())),
        std::span<char>(bytes.data(), std::size_t(bytes.size())));

    QSaveFile file(path);
    if (QFileInfo(path).isDir())
        return {false, QStringLiteral("это папка, а не файл"), 0};
    if (!file.open(QIODevice::WriteOnly))
        return {false, QStringLiteral("файл не удалось создать: нет такой папки или нет прав на запись") + Detail(file), 0};
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return {false, QStringLiteral("ошибка записи, возможно, диск заполнен") + Detail(file), 0};
    }
    if (!file.commit())
        return {false, QStringLiteral("ошибка записи, возможно, диск заполнен") + Detail(file), 0};
    return {true, {}, replaced};
}

}  // namespace velista
