// Registering the puzzle file type with the desktop: the files written and what they say, that
// a second run changes nothing, when the desktop's databases are rebuilt, and when an installed
// registration makes the user's own unnecessary.
#include <gtest/gtest.h>

#include <regex>

#include "fakes/Files.h"
#include "files/DesktopFiles.h"
#include "files/FileTypeRegistration.h"
#include "files/InstallLayout.h"

using namespace lettermaze;
using namespace lettermaze::testing;
namespace fs = std::filesystem;

namespace {

const std::string kData = std::string(LETTERMAZE_SOURCE_DIR) + "/data/";

// The shipped icon file, with the pictures beside it, and empty data and config homes.
struct Registration {
    TempDir dir;
    RegistrationEnv env{dir.file("My Games"), "lettermaze", "", dir.file("data"),
                        dir.file("config")};
    std::string iconPath = kData + "lm.ico";
    void run(const std::string& command = "", const std::string& type = "Lettermaze",
             const std::string& description = "Lettermaze") const {
        registerFileType(type, ".lm", description, iconPath, command, env);
    }
    std::string data(const std::string& path) const { return readFile(env.dataHome + path); }
    std::string entry() const { return data("/applications/lettermaze.desktop"); }
};

}  // namespace

// The type is the one the package ships; icons go into the hicolor theme under both names; the
// type's default handler is our entry.
TEST(registerFileType, writesTheShippedTypeTheIconsAndTheDefaultHandler) {
    Registration s;
    s.run();
    EXPECT_EQ(s.data("/mime/packages/lettermaze.xml"), readFile(kData + "lettermaze.xml"));
    for (const std::string to : {"apps/lettermaze", "mimetypes/application-x-lettermaze"})
        EXPECT_EQ(s.data("/icons/hicolor/48x48/" + to + ".png") +
                      s.data("/icons/hicolor/scalable/" + to + ".svg"),
                  readFile(kData + "lettermaze-48.png") + readFile(kData + "lettermaze.svg"));
    EXPECT_EQ(readFile(s.env.configHome + "/mimeapps.list"),
              "[Default Applications]\napplication/x-lettermaze=lettermaze.desktop\n");
}

// Files and ids are the type name in lower case with '-' for anything but letters, digits, '-'
// and '_'; the description is escaped for XML; without a type name nothing is written.
TEST(registerFileType, namesItsFilesAfterTheTypeAndEscapesTheDescription) {
    Registration s;
    s.run("", "");
    EXPECT_FALSE(fs::exists(s.env.dataHome) || fs::exists(s.env.configHome));
    s.run("", "A_b-9Zq z", "Say \"hi\" & <go>");
    const std::string mime = s.data("/mime/packages/a_b-9zq-z.xml");
    EXPECT_NE(mime.find("<mime-type type=\"application/x-a_b-9zq-z\">\n"
                        "    <comment>Say &quot;hi&quot; &amp; &lt;go&gt;</comment>"),
              mime.npos);
}

// Icons come from the pictures shipped beside the icon file, or from the icon path itself when
// it is such a picture (even one named just ".png"); without any, no icon is named.
TEST(registerFileType, installsThePicturesBesideTheIconFileOrNamesNoIcon) {
    for (const bool picture : {false, true}) {
        Registration s;  // an icon path alone in its folder
        s.iconPath = s.dir.file(picture ? ".png" : "lm.ico");
        fs::copy(kData + "lettermaze-48.png", s.iconPath);
        s.run();
        EXPECT_EQ(s.data("/icons/hicolor/48x48/apps/lettermaze.png"),
                  picture ? readFile(s.iconPath) : "");
        const std::string both = s.entry() + s.data("/mime/packages/lettermaze.xml");
        EXPECT_EQ((both.find("\nIcon=") != both.npos) + (both.find("<icon ") != both.npos),
                  2 * picture);
    }
}

// The entry starts the program: Exec quotes its path (", `, $ and \ escaped, % doubled, then the
// entry's own backslash escaping) and passes the file, or the command instead when there is one.
TEST(registerFileType, execNamesTheProgramQuotedAndEscapedWithTheFileOrTheCommand) {
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        {"x", "/opt/games/lettermaze", "", "\"/opt/games/lettermaze\" %f"},
        {"100% \"odd\" $name \\ `x`", "", "",
         "\"@/100%% \\\\\"odd\\\\\" \\\\$name \\\\\\\\ \\\\`x\\\\`/lettermaze\" %f"},
        {"", "", "  a\nb\tc\rd ", "\"lettermaze\" a\\nb\\tc\\rd"}};
    for (const auto& [folder, programPath, command, exec] : cases) {
        Registration s;
        s.env.programFolder = folder.empty() ? "" : s.dir.file(folder);
        s.env.programPath = programPath;
        s.run(command);
        EXPECT_EQ(s.entry(), "[Desktop Entry]\nType=Application\nName=Lettermaze\nExec=" +
                                 std::regex_replace(exec, std::regex("@"), s.dir.path()) +
                                 "\nIcon=lettermaze\nMimeType=application/x-lettermaze;\n"
                                 "Terminal=false\nCategories=Game;LogicGame;\n");
    }
}

// Our key goes under [Default Applications], after the group's last entry (the group is added
// when missing), replacing our earlier keys there; everything else stays, and a file that
// already says so is left alone.
TEST(MimeAppsList, setsOurKeyInTheDefaultGroupAndKeepsEverythingElse) {
    const std::string d = "[Default Applications]\n", other = "[Added]\na/b=z.desktop;\n",
                      ab = "a/b=x.desktop\n", cd = "c/d=y.desktop\n", more = "\n[More]\nk=v\n";
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"", d + ab}, {other, other + "\n" + d + ab}, {d + cd + more, d + cd + ab + more},
        {d + "a/b=x.desktop", d + "a/b=x.desktop"}, {d + "c/d=y.desktop", d + cd + ab},
        {other + d + "a/b = z.desktop\na/b=w.desktop\n", other + d + ab}};
    // clang-format on
    for (const auto& [list, expected] : cases)
        EXPECT_EQ(withDefaultApplication(list, "a/b", "x.desktop"), expected);
}

// The desktop's tools, found on the path, rebuild a database when its input changed or it was
// never built, and only then; they run without a shell, so their arguments arrive as they are.
TEST(registerFileType, rebuildsTheDesktopsDatabasesOnlyWhenTheirInputsChanged) {
    Registration s;
    // Stand-ins for the tools, one script by both names: it notes its run and builds what either
    // real one would.
    writeFile(
        s.dir.file("bin/update-mime-database"),
        "#!/bin/sh\necho ${0##*/} $1 >> " + s.dir.file("ran") +
            "\nmkdir -p $1/application\ntouch $1/mimeinfo.cache $1/application/x-lettermaze.xml\n");
    fs::permissions(s.dir.file("bin/update-mime-database"), fs::perms::owner_all);
    fs::create_symlink("update-mime-database", s.dir.file("bin/update-desktop-database"));
    // Found on the path past a missing folder and an empty entry.
    EnvVar path("PATH", "/no/such::" + s.dir.file("bin") + ":/usr/bin:/bin");
    s.run();
    s.run();  // nothing changed, nothing rebuilt
    fs::remove(s.env.dataHome + "/applications/mimeinfo.cache");
    s.run();
    s.run("/p");  // a new entry, the same type
    const std::string desktop = "update-desktop-database " + s.env.dataHome + "/applications\n";
    EXPECT_EQ(readFile(s.dir.file("ran")),
              "update-mime-database " + s.env.dataHome + "/mime\n" + desktop + desktop + desktop);
}

// XDG folders are the variables when they are absolute, else the defaults under HOME; the
// program's own path is made absolute and normal.
TEST(registrationEnvFor, followsAbsoluteXdgVariablesElseDefaultsUnderHome) {
    EnvVar home("HOME", "/"), data("XDG_DATA_HOME", "/xdg/data"),
        config("XDG_CONFIG_HOME", "relative/ignored");
    const RegistrationEnv e = registrationEnvFor("/opt/games/./bin/lettermaze");
    EXPECT_EQ(std::tuple(e.programPath, e.programFolder, e.programName, e.dataHome, e.configHome),
              std::tuple("/opt/games/bin/lettermaze", "/opt/games/bin", "lettermaze", "/xdg/data",
                         "/.config"));
    EXPECT_NE(runningProgramPath().find("files_tests"), std::string::npos);
}

// Data lies beside a program run from its build folder, else in ../share/lettermaze.
TEST(findDataFolder, isTheProgramsFolderWithTheLibraryElseTheInstalledShareFolder) {
    for (const auto& [library, found] : {std::pair{true, "bin"}, {false, "share/lettermaze"}}) {
        TempDir dir;
        fs::create_directories(dir.file("share/lettermaze"));
        if (library) writeFile(dir.file("bin/word lists.dat"), "[END]\r\n");
        EXPECT_EQ(findDataFolder(dir.file("bin")), dir.file(found));
    }
}

// An installed entry covers the program when its Exec starts this very program, quoted or not,
// and the user has no entry of their own that would shadow it (a home install's own is fine).
TEST(installedRegistrationCovers, theProgramItsEntryStartsUnlessTheUsersOwnShadowsIt) {
    // clang-format off
    for (const auto& [exec, usersOwn, homeInstall, covers] :
         {std::tuple{"", false, false, false}, {"@", false, false, true},
          {"\"@\"", false, false, true}, {"/usr/bin/lettermaze-2", false, false, false},
          {"@", true, false, false}, {"@", false, true, true}}) {
        // clang-format on
        TempDir dir;
        RegistrationEnv env{dir.file("bin"), "lettermaze", dir.file("bin/lettermaze"),
                            dir.file(homeInstall ? "share" : "home"), ""};
        writeFile(env.programPath, "");
        writeFile(dir.file("share/applications/lettermaze.desktop"),
                  "[Desktop Entry]\nExec=" +
                      std::regex_replace(exec, std::regex("@"), env.programPath) + " %f\n");
        if (usersOwn) writeFile(dir.file("home/applications/lettermaze.desktop"), "");
        EXPECT_EQ(installedRegistrationCovers(env, "lettermaze"), covers) << exec;
    }
}
