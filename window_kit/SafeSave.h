// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every file the program saves goes this way: the bytes go to a temporary file beside the old one, which is
// replaced only once they are all on the disk; a failure leaves the old file whole and says why, in Russian.

#include <QByteArray>
#include <QString>

namespace velista {

class SafeSave {
public:
    struct Result {
        bool written = false;
        QString error;         // why the file could not be written, in Russian
        bool inPlace = false;  // the folder takes no new file, so the old one was overwritten in place
    };

    // A folder, a device or a pipe is refused before it is touched.
    static Result Write(const QString& path, const QByteArray& bytes);
};

}  // namespace velista
