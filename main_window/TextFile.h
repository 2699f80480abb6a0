#pragma once
// The program's text files: Windows-1251, one byte per character, CR LF line breaks, no header.

#include <QString>

#include <cstddef>
#include <optional>

namespace velista {

class TextFile {
public:
    // Larger files would freeze the window in a text area for minutes.
    static constexpr qint64 MaximumBytes = qint64{64} << 20;

    struct Reading {
        std::optional<QString> text;
        QString error;  // why the file could not be read, in Russian
    };
    struct Writing {
        bool written = false;
        QString error;              // why the file could not be written, in Russian
        std::size_t replaced = 0;   // characters the code page lacks, written as '?'
    };

    static Reading Read(const QString& path);
    // An existing file is replaced only once the whole text is written.
    static Writing Write(const QString& path, const QString& text);
};

}  // namespace velista
