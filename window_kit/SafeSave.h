// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every file the program saves goes this way: the bytes go to a temporary file beside the old one, which is
// replaced only once they are all on the disk; a failure leaves the old file whole and says why, in Russian.

#include <QByteArray>
#include <QString>

#include <optional>

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
    // The same, for a caller that needs only why it failed: nothing when the file was written.
    static std::optional<QString> Problem(const QString& path, const QByteArray& bytes);

    // The texts a save or an open gives, in the user's language: the system's reason for an error number
    // ("the system gave no reason" for 0), and what is said of a device, a FIFO or a socket.
    static QString Reason(int error);
    static QString ReasonIfKnown(int error);
    static QString NotRegular();
};

}  // namespace velista
