// SPDX-License-Identifier: GPL-3.0-or-later
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
        std::size_t replaced = 0;   // positions whose character the code page lacks, each written as '?'
        bool inPlace = false;       // the folder takes no new file, so the old one was overwritten in place
    };

    // Only a regular file is opened; a device, a pipe or a socket is refused before it is touched.
    static Reading Read(const QString& path);
    // An existing file is replaced only once the whole text is written; one code unit is one byte, so
    // the file holds exactly the positions the window showed.
    static Writing Write(const QString& path, const QString& text);
};

}  // namespace velista
