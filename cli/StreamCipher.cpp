#include "StreamCipher.h"

#include "BatchError.h"
#include "OutputFile.h"

#include <Checked.h>
#include <LineBreakNormalizer.h>
#include <RotorBank.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <span>
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

// The five rotor digits as numbers; the command line has checked that they are digits.
std::array<std::int16_t, SlotCount> RotorNumbers(std::u16string_view digits)
{
    if (digits.size() != SlotCount)
        ProgrammingError("the command line let through a rotor field that is not five digits");
    std::array<std::int16_t, SlotCount> rotors{};
    for (std::size_t i = 0; i < rotors.size(); ++i) {
        if (digits[i] < u'0' || digits[i] > u'9')
            ProgrammingError("the command line let through a rotor that is not a digit");
        rotors[i] = static_cast<std::int16_t>(digits[i] - u'0');
    }
    return rotors;
}

}  // namespace

void StreamCipher::Run(const BatchJob& job)
{
    // The output is checked first, so that a wrong output is reported before any input is read, and
    // before opening a named pipe as the input waits for its writer.
    OutputFile output(job.output);
    InputFile input(job.input);

    RotorBank bank;
    if (!bank.SetDirectly(RotorCatalogue::Shipped(), RotorNumbers(job.rotors), job.key))
        ProgrammingError("the command line let through rotors or a key that the machine refuses");

    LineBreakNormalizer<char> lineBreaks;
    std::string piece(PieceSize, '\0');
    std::string text;
    while (const std::size_t got = input.Read(piece)) {
        text.clear();
        lineBreaks.Normalize(std::string_view(piece.data(), got), text);
        // The file's Windows-1251 bytes are enciphered as they stand: every alphabet symbol is one byte.
        const std::span<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(text.data()), text.size());
        if (job.direction == Direction::Encrypt)
            bank.EncipherBytes(bytes);
        else
            bank.DecipherBytes(bytes);
        output.Write(text);
    }
    output.Commit();
}

}  // namespace velista::cli
