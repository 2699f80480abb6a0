// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system calls behind InputFile and OutputFile, made once for POSIX (FileCalls.cpp) and once for
// Windows (FileCallsWindows.cpp). They report what they find, with errors as errno values; what that
// means for the user, and in which order the steps come, InputFile and OutputFile decide the same everywhere.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velista::cli::file_calls {

// What Kind::Other is on this system, for messages: "устройство или сокет" on POSIX, "устройство" on Windows.
extern const char* const OtherKinds;

enum class Kind {
    Missing,  // the name, or a folder on its way, is not there
    Folder,
    Regular,
    Pipe,
    Other,  // a device or a socket
};

struct Look {
    Kind kind = Kind::Missing;
    int error = 0;  // errno when the system could not tell; kind then means nothing
    std::uint64_t size = 0;  // of a regular file
};

// What a name stands for, links followed, without opening it: opening a device may itself act.
Look LookAt(const std::string& name);
// What an open file is.
Look LookAt(int fd);

struct Opened {
    int fd = -1;
    int error = 0;
};

Opened OpenForReading(const std::string& name);

// What a name given as the output is, and how it is written.
struct Output {
    enum class Way {
        Create,   // nothing there yet: a new file
        Replace,  // a regular file, replaced by a temporary file beside it
        Direct,   // a device, a pipe or an open descriptor of the tool's: written as it is, through fd
        Folder,
        LinkToNothing,
    };
    Way way = Way::Create;
    int error = 0;      // errno when the output cannot be written, whatever it is
    int fd = -1;        // Direct: open for writing
    std::string path;   // Create and Replace: the file to make, where links lead
    // Replace: what a POSIX file keeps apart from its data (Windows' ReplaceFileW carries it over itself).
    unsigned owner = 0;
    unsigned group = 0;
    unsigned mode = 0;
};

Output LookAtOutput(const std::string& name);

bool IsSeparator(char c);
// The folder a path names its file in: "." for a bare name.
std::string Folder(const std::string& path);

// A new, empty file in folder that no one else has, named ".velista-" and six more characters.
struct Temporary {
    int fd = -1;
    int error = 0;
    std::string path;
};
Temporary CreateTemporary(const std::string& folder);
// Gives a temporary file the owner and mode of the file it replaces (replaced null: a new file's mode).
int Inherit(int fd, const Output* replaced);

struct Transfer {
    std::size_t bytes = 0;  // 0 at the end of the input
    int error = 0;
};

// Calls interrupted by a signal are made again.
Transfer ReadSome(int fd, char* buffer, std::size_t size);
Transfer WriteSome(int fd, std::string_view bytes);

// Each returns 0, or the errno value of its failure.
int Close(int fd);
int SyncData(int fd);
// Puts the finished temporary file in place of target, keeping what the system keeps with a replaced file.
int Replace(const std::string& temporary, const std::string& target);
// The folder's entries on the disk: a replacement that survives a crash.
int SyncFolder(const std::string& folder);
void Remove(const std::string& path);

}  // namespace velista::cli::file_calls
