// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixture of the suites that run the built velista-cli on files in a folder of their own.

#include "installation/CipherMachine.h"
#include "machine/LineBreakNormalizer.h"
#include "machine/Windows1251.h"
#include "tests/support/BuildPaths.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/ToolProcess.h"
#include "tests/support/Utf8Path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace velista::test {

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// What the machine makes of a file's bytes, through the core rather than the tool.
inline std::string ThroughCore(const std::string& bytes, bool encrypt, std::u16string rotors, std::u16string key)
{
    HeadlessWindow window(std::move(rotors), std::move(key));
    CipherMachine machine(window);
    EXPECT_TRUE(machine.InstallRotors(window));
    std::string normalized;
    LineBreakNormalizer<char>().Normalize(bytes, normalized);
    std::u16string text = Windows1251::Decode(normalized);
    if (encrypt)
        machine.Bank().EncipherText(text);
    else
        machine.Bank().DecipherText(text);
    return Windows1251::Encode(text);
}

// Random bytes with a CR or an LF at about one place in seventeen.
inline std::string RandomText(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string text(size, ' ');
    for (char& c : text) {
        const auto roll = random() % 100;
        c = roll < 3 ? '\r' : roll < 6 ? '\n' : static_cast<char>(random() % 256);
    }
    return text;
}

class CliTest : public ::testing::Test {
protected:
    // A folder of its own under the system's temporary folder, by a random name.
    void SetUp() override
    {
        std::random_device seed;
        std::mt19937_64 random(seed());
        do
            dir_ = std::filesystem::temp_directory_path() / ("velista-cli-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(dir_));
    }

    // Files a test made read-only are made writable first: Windows deletes no read-only file.
    void TearDown() override
    {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_, ignored))
            if (!entry.is_symlink(ignored))  // a link may lead out of the folder
                std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                             std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(dir_);
    }

    std::filesystem::path Path(const std::string& utf8Name) const { return dir_ / PathFromUtf8(utf8Name); }
    // The path as the tool's argument.
    std::string Argument(const std::string& utf8Name) const { return Utf8(Path(utf8Name)); }

    // Standard output and error into .stdout and .stderr of the test's folder.
    ToolProcess::Streams Captured(ToolProcess::Streams streams = {}) const
    {
        streams.output = dir_ / ".stdout";
        streams.error = dir_ / ".stderr";
        return streams;
    }

    // Runs the tool in the test's folder; standard input comes from the file, or the null device.
    ToolResult Run(std::vector<std::string> args, const std::filesystem::path& stdinFile = {}) const
    {
        args.insert(args.begin(), test::ToolProgram());
        ToolProcess::Streams streams;
        streams.input = stdinFile;
        return ToolProcess(std::move(args), dir_, Captured(streams)).Wait();
    }

    // The names in a folder, as UTF-8, but for the captured standard output and error.
    std::set<std::string> Names(const std::filesystem::path& folder) const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.insert(Utf8(entry.path().filename()));
        names.erase(".stdout");
        names.erase(".stderr");
        return names;
    }

    std::filesystem::path dir_;
};

}  // namespace velista::test
