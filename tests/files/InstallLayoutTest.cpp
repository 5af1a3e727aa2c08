#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/DesktopFiles.h"
#include "files/InstallLayout.h"

using namespace lettermaze;
namespace fs = std::filesystem;

namespace {

// A prefix with bin/ and share/ in a temporary folder, removed afterwards.
struct Prefix {
    std::string root;
    RegistrationEnv env;
    Prefix() {
        std::string pattern = (fs::temp_directory_path() / "lettermaze-layout-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        fs::create_directories(root + "/bin");
        fs::create_directories(root + "/share/lettermaze");
        env.programFolder = root + "/bin";
        env.programName = "lettermaze";
        env.programPath = root + "/bin/lettermaze";
        env.dataHome = root + "/home-data";
        write(env.programPath, "");
    }
    ~Prefix() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    static void write(const std::string& path, const std::string& content) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << content;
    }
    void installEntry(const std::string& exec) const {
        write(root + "/share/applications/lettermaze.desktop",
              "[Desktop Entry]\nType=Application\nName=Lettermaze\nExec=" + exec + " %f\n");
    }
};

}  // namespace

TEST(DataFolder, libraryBesideTheProgramWins) {
    Prefix p;
    Prefix::write(p.root + "/bin/word lists.dat", "[END]\r\n");
    EXPECT_EQ(findDataFolder(p.root + "/bin"), p.root + "/bin");
}

TEST(DataFolder, installedProgramUsesTheSharedFolder) {
    Prefix p;
    EXPECT_EQ(findDataFolder(p.root + "/bin"), p.root + "/share/lettermaze");
}

TEST(DataFolder, withNeitherTheProgramFolderStays) {
    Prefix p;
    fs::remove_all(p.root + "/share");
    EXPECT_EQ(findDataFolder(p.root + "/bin"), p.root + "/bin");
}

TEST(InstalledRegistration, coversTheProgramItStarts) {
    Prefix p;
    EXPECT_FALSE(installedRegistrationCovers(p.env, "lettermaze"));
    p.installEntry(p.env.programPath);
    EXPECT_TRUE(installedRegistrationCovers(p.env, "lettermaze"));
    p.installEntry("\"" + p.env.programPath + "\"");
    EXPECT_TRUE(installedRegistrationCovers(p.env, "lettermaze"));
}

TEST(InstalledRegistration, entryForAnotherCopyDoesNotCover) {
    // A tree staged with DESTDIR names the final path, not the staged program.
    Prefix p;
    p.installEntry("/usr/bin/lettermaze-elsewhere");
    EXPECT_FALSE(installedRegistrationCovers(p.env, "lettermaze"));
}

TEST(InstalledRegistration, usersOwnShadowingCopyIsKeptUpToDate) {
    Prefix p;
    p.installEntry(p.env.programPath);
    Prefix::write(p.env.dataHome + "/applications/lettermaze.desktop", "[Desktop Entry]\n");
    EXPECT_FALSE(installedRegistrationCovers(p.env, "lettermaze"));
}

TEST(InstalledRegistration, homeInstallIsItsOwnUserCopy) {
    // Installed with --prefix ~/.local, the installed entry is the one in the data home.
    Prefix p;
    p.installEntry(p.env.programPath);
    p.env.dataHome = p.root + "/share";
    EXPECT_TRUE(installedRegistrationCovers(p.env, "lettermaze"));
}

TEST(InstalledRegistration, shippedTypeIsTheOneTheProgramRegisters) {
    // Same type, same file: the user's copy and the installed one can never disagree.
    Prefix p;
    p.env.configHome = p.root + "/home-config";
    const std::string data = std::string(LETTERMAZE_SOURCE_DIR) + "/data/";
    registerFileType("Lettermaze", ".lm", "Lettermaze", data + "lm.ico", "", p.env);
    std::string written, shipped;
    ASSERT_TRUE(readWholeFile(p.env.dataHome + "/mime/packages/lettermaze.xml", written));
    ASSERT_TRUE(readWholeFile(data + "lettermaze.xml", shipped));
    EXPECT_EQ(written, shipped);
}
