#include "StreamCipher.h"

#include "BatchError.h"
#include "OutputFile.h"

#include <CipherMachine.h>
#include <HeadlessWindow.h>
#include <Checked.h>
#include <LineBreakNormalizer.h>
#include <Windows1251.h>

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace velista::cli {

namespace {

const char* const CannotRead = "не удаётся прочитать";

class InputFile {
public:
    explicit InputFile(const std::string& name)
        : name_(name == "-" ? "стандартный ввод" : name)
    {
        if (name == "-")
            return;
        fd_ = open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0)
            throw FileError(CannotRead, name_, errno);
    }
    ~InputFile()
    {
        if (fd_ > 0)
            close(fd_);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Fills as much of the buffer as it can; 0 at the end of the input.
    std::size_t Read(std::string& buffer)
    {
        std::size_t filled = 0;
        while (filled < buffer.size()) {
            const ssize_t got = read(fd_, buffer.data() + filled, buffer.size() - filled);
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                throw FileError(CannotRead, name_, errno);
            }
            if (got == 0)
                break;
            filled += static_cast<std::size_t>(got);
        }
        return filled;
    }

private:
    std::string name_;
    int fd_ = 0;
};

}  // namespace

void StreamCipher::Run(const BatchJob& job)
{
    // The output is checked first, so that a wrong output is reported before any input is read, and
    // before opening a named pipe as the input waits for its writer.
    OutputFile output(job.output);
    InputFile input(job.input);

    HeadlessWindow window(job.rotors, job.key);
    CipherMachine machine(window);
    if (!machine.InstallRotors(window))
        ProgrammingError("the command line let through rotors or a key that the machine refuses");
    RotorBank& bank = machine.Bank();

    LineBreakNormalizer<char> lineBreaks;
    std::string piece(PieceSize, '\0');
    std::u16string text;
    std::string result;
    while (const std::size_t got = input.Read(piece)) {
        text.clear();
        lineBreaks.Normalize(std::string_view(piece.data(), got), text,
                             [](char byte) { return Windows1251::Decode(static_cast<unsigned char>(byte)); });
        if (job.direction == Direction::Encrypt)
            bank.EncipherText(text, window);
        else
            bank.DecipherText(text, window);
        result.resize(text.size());
        // Every character came from a Windows-1251 byte, so each has its byte to go back to.
        Windows1251::Encode(text, result);
        output.Write(result);
    }
    output.Commit();
}

}  // namespace velista::cli
