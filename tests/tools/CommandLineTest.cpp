#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

// Runs a command line with its output captured in `dir`; the exit status.
int RunCommand(const CTempDir& dir, const std::string& command, std::string& out,
               std::string& err) {
    const int raw =
        std::system((command + " >" + dir.File("out.txt") + " 2>" + dir.File("err.txt")).c_str());
    out = dir.Read("out.txt");
    err = dir.Read("err.txt");
    std::filesystem::remove(dir.File("out.txt"));
    std::filesystem::remove(dir.File("err.txt"));
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::string Quoted(const std::string& s) {
    return "'" + s + "'";
}

TEST(QrvDataCommandLine, HelpDocumentsEveryOption) {
    CTempDir dir;
    std::string out;
    std::string err;
    ASSERT_EQ(RunCommand(dir, Quoted(QRV_DATA_EXE) + " --help", out, err), 0) << err;
    for (const char* option :
         {"--out", "--krv", "--sword-module", "--no-english", "--help", "engKJV2006eb"}) {
        EXPECT_NE(out.find(option), std::string::npos) << option;
    }
}

TEST(QrvDataCommandLine, BadOptionsAreRefusedBeforeAnyWork) {
    CTempDir dir;
    std::string out;
    std::string err;
    const std::string exe = Quoted(QRV_DATA_EXE);
    const std::string outArg = " --out " + Quoted(dir.Path() + "x");
    EXPECT_EQ(RunCommand(dir, exe + outArg + " --no-english --frobnicate", out, err), 2);
    EXPECT_NE(err.find("--frobnicate"), std::string::npos) << err;
    EXPECT_EQ(RunCommand(dir, exe + " --no-english --out", out, err), 2);
    EXPECT_NE(err.find("--out"), std::string::npos) << err;
    EXPECT_EQ(RunCommand(dir, exe + outArg + " --no-english --krv=", out, err), 2);
    EXPECT_FALSE(dir.Exists("x"));
}

TEST(QrvDataCommandLine, WritesBesideItselfByDefaultAndNamesAMissingKoreanFolder) {
    // The program looks for its data in its own folder, so that is where the tool writes.
    CTempDir dir;
    const std::string copy = dir.File("qrv-data");
    std::filesystem::copy_file(QRV_DATA_EXE, copy);
    std::string out;
    std::string err;
    ASSERT_EQ(RunCommand(dir, Quoted(copy) + " --no-english", out, err), 0) << err;
    EXPECT_TRUE(dir.Exists("kHelp.txt"));
    EXPECT_TRUE(dir.Exists("kReadTable.txt"));
    EXPECT_NE(out.find("kbible.dat, kbible.inx: not written"), std::string::npos) << out;
    EXPECT_EQ(err, "");

    const std::string krv = dir.File("no-such-krv");
    EXPECT_EQ(RunCommand(dir, Quoted(copy) + " --no-english --krv " + Quoted(krv), out, err), 1);
    EXPECT_NE(err.find(krv + "/Genesis.json"), std::string::npos) << err;
    EXPECT_FALSE(dir.Exists("kbible.dat"));
}

} // namespace
