// Registering the puzzle file type with the desktop: the files written and what they say, that
// a second run changes nothing, when the desktop's databases are rebuilt, and when an installed
// registration makes the user's own unnecessary.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
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

// A program folder holding the shipped icons, and empty data and config homes.
struct Registration {
    TempDir dir;
    RegistrationEnv env{dir.file("My Games"), "lettermaze", "", dir.file("data"),
                        dir.file("config")};
    std::string iconPath = env.programFolder + "/lm.ico";
    explicit Registration(const std::vector<std::string>& icons = {"lm.ico", "lettermaze-48.png",
                                                                   "lettermaze.svg"}) {
        fs::create_directories(env.programFolder);
        for (const std::string& name : icons) fs::copy(kData + name, env.programFolder);
    }
    void run(const std::string& command = "", const std::string& type = "Lettermaze",
             const std::string& description = "Lettermaze") const {
        registerFileType(type, ".lm", description, iconPath, command, env);
    }
    std::string data(const std::string& path) const { return readFile(env.dataHome + path); }
    std::string entry() const { return data("/applications/lettermaze.desktop"); }
    std::string exec() const {
        const std::string e = entry();
        const auto at = e.find("Exec=") + 5;
        return e.substr(at, e.find('\n', at) - at);
    }
};

}  // namespace

// The type is the one the package ships; the entry starts the program with the file; icons go
// into the hicolor theme under both names; a second run rewrites nothing, not even a time.
TEST(registerFileType, writesTheShippedTypeTheEntryTheIconsAndTheDefaultHandlerOnce) {
    Registration s;
    s.run();
    EXPECT_EQ(s.data("/mime/packages/lettermaze.xml"), readFile(kData + "lettermaze.xml"));
    EXPECT_EQ(s.entry(), "[Desktop Entry]\nType=Application\nName=Lettermaze\nExec=\"" +
                             s.env.programFolder + "/lettermaze\" %f\nIcon=lettermaze\n"
                             "MimeType=application/x-lettermaze;\nTerminal=false\n"
                             "Categories=Game;LogicGame;\n");
    const std::string icons =
        readFile(kData + "lettermaze-48.png") + readFile(kData + "lettermaze.svg");
    for (const std::string to : {"apps/lettermaze", "mimetypes/application-x-lettermaze"})
        EXPECT_EQ(s.data("/icons/hicolor/48x48/" + to + ".png") +
                      s.data("/icons/hicolor/scalable/" + to + ".svg"), icons);
    EXPECT_EQ(readFile(s.env.configHome + "/mimeapps.list"),
              "[Default Applications]\napplication/x-lettermaze=lettermaze.desktop\n");
    const auto past = fs::file_time_type::clock::now() - std::chrono::hours(3);
    std::map<std::string, std::pair<std::string, fs::file_time_type>> before, after;
    for (auto* snapshot : {&before, &after}) {
        for (const auto& e : fs::recursive_directory_iterator(s.dir.path()))
            if (e.is_regular_file()) {
                if (snapshot == &before) fs::last_write_time(e.path(), past);
                (*snapshot)[e.path()] = {readFile(e.path()), fs::last_write_time(e.path())};
            }
        s.run();
    }
    EXPECT_EQ(after, before);
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
                        "    <comment>Say &quot;hi&quot; &amp; &lt;go&gt;</comment>"), mime.npos);
    EXPECT_NE(s.data("/applications/a_b-9zq-z.desktop").find("Name=A_b-9Zq z\n"), mime.npos);
}

// Icons come from the pictures shipped beside the icon file, or from the icon path itself when
// it is such a picture (even one named just ".png"); without any, no icon is named.
TEST(registerFileType, installsThePicturesBesideTheIconFileOrNamesNoIcon) {
    const struct {
        std::vector<std::string> shipped;
        std::string iconPath;
        bool installed;
    } cases[] = {{{"lm.ico"}, "lm.ico", false},
                 {{"lettermaze-48.png"}, "../elsewhere/lm.ico", false},
                 {{"lettermaze-48.png"}, "", false},
                 {{"lettermaze-48.png"}, ".png", true}};
    for (const auto& c : cases) {
        Registration s(c.shipped);
        const auto cwd = fs::current_path();
        fs::current_path(s.env.programFolder);
        if (c.installed) fs::rename("lettermaze-48.png", c.iconPath);
        s.iconPath = c.iconPath;
        s.run();
        fs::current_path(cwd);
        EXPECT_EQ(s.data("/icons/hicolor/48x48/apps/lettermaze.png"),
                  c.installed ? readFile(kData + "lettermaze-48.png") : "");
        const std::string mime = s.data("/mime/packages/lettermaze.xml");
        EXPECT_EQ(s.entry().find("Icon=") + mime.find("<icon ") != 2 * mime.npos, c.installed);
    }
}

// Exec quotes the program's path (", `, $ and \ escaped, % doubled, then the entry's own
// backslash escaping) and passes the file, or the command instead when there is one.
TEST(registerFileType, execNamesTheProgramQuotedAndEscapedWithTheFileOrTheCommand) {
    const struct {
        std::string folder, programPath, command, exec;
    } cases[] = {
        {"My Games", "", "  /p ", "\"@/My Games/lettermaze\" /p"},
        {"My Games/", "", "", "\"@/My Games/lettermaze\" %f"},
        {"x", "/opt/games/lettermaze", "", "\"/opt/games/lettermaze\" %f"},
        {"100% \"odd\" $name \\ `x`", "", "",
         "\"@/100%% \\\\\"odd\\\\\" \\\\$name \\\\\\\\ \\\\`x\\\\`/lettermaze\" %f"},
        {"", "", "a\nb\tc\rd", "\"lettermaze\" a\\nb\\tc\\rd"},
    };
    for (const auto& c : cases) {
        Registration s;
        s.env.programFolder = c.folder.empty() ? "" : s.dir.file(c.folder);
        s.env.programPath = c.programPath;
        s.run(c.command);
        EXPECT_EQ(s.exec(), std::regex_replace(c.exec, std::regex("@"), s.dir.path()));
        const std::string validate = "desktop-file-validate '" + s.env.dataHome + "/applications/"
                                     "lettermaze.desktop'";
        if (!c.folder.empty() && !findOnPath("desktop-file-validate").empty())
            EXPECT_EQ(std::system(validate.c_str()), 0);
    }
}

// Our key goes under [Default Applications], after the group's last entry (the group is added
// when missing), replacing our earlier keys there; everything else stays, and a file that
// already says so is left alone.
TEST(MimeAppsList, setsOurKeyInTheDefaultGroupAndKeepsEverythingElse) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "[Default Applications]\na/b=x.desktop\n"},
        {"[Added Associations]\nc/d=y.desktop;\n",
         "[Added Associations]\nc/d=y.desktop;\n\n[Default Applications]\na/b=x.desktop\n"},
        {"[Default Applications]\nc/d=y.desktop\n\n[Other]\nk=v\n",
         "[Default Applications]\nc/d=y.desktop\na/b=x.desktop\n\n[Other]\nk=v\n"},
        {"[Default Applications]\na/b=x.desktop", "[Default Applications]\na/b=x.desktop"},
        {"[Default Applications]\nc/d=y.desktop",
         "[Default Applications]\nc/d=y.desktop\na/b=x.desktop\n"},
        {"[Added Associations]\na/b=z.desktop;\n[Default Applications]\na/b = z.desktop\n"
         "a/b=w.desktop\n",
         "[Added Associations]\na/b=z.desktop;\n[Default Applications]\na/b=x.desktop\n"},
    };
    for (const auto& [list, expected] : cases)
        EXPECT_EQ(withDefaultApplication(list, "a/b", "x.desktop"), expected);
}

// The desktop's tools rebuild a database when its input changed or it was never built, and
// only then; they run without a shell, so their arguments arrive as they are.
TEST(registerFileType, rebuildsTheDesktopsDatabasesOnlyWhenTheirInputsChanged) {
    Registration s;
    // Stand-ins for the tools: each notes its run and builds what the real one would.
    const std::map<std::string, std::string> tools = {
        {"update-mime-database", "mkdir -p $1/application; touch $1/application/x-lettermaze.xml"},
        {"update-desktop-database", "touch $1/mimeinfo.cache"}};
    for (const auto& [tool, builds] : tools) {
        writeFile(s.dir.file("bin/" + tool), "#!/bin/sh\nPATH=/usr/bin:/bin\necho " + tool +
                                                 " $1 >> " + s.dir.file("ran") + "\n" + builds);
        fs::permissions(s.dir.file("bin/" + tool), fs::perms::owner_all);
    }
    EnvVar path("PATH", s.dir.file("bin"));
    const std::string mime = "update-mime-database " + s.env.dataHome + "/mime\n",
                      desktop = "update-desktop-database " + s.env.dataHome + "/applications\n";
    const std::pair<std::function<void()>, std::string> steps[] = {
        {[&] { s.run(); }, mime + desktop},
        {[&] { s.run(); }, ""},
        {[&] { fs::remove(s.env.dataHome + "/applications/mimeinfo.cache"), s.run(); }, desktop},
        {[&] { fs::remove(s.env.dataHome + "/mime/application/x-lettermaze.xml"), s.run(); }, mime},
        {[&] { s.run("/p"); }, desktop},
        {[&] { s.run("/p", "Lettermaze", "Puzzle"); }, mime},
    };
    for (const auto& [step, ran] : steps) {
        fs::remove(s.dir.file("ran"));
        step();
        EXPECT_EQ(readFile(s.dir.file("ran")), ran);
    }
}

TEST(DesktopFiles, findsProgramsOnThePathAndLeavesNoTemporaryFileWhenAWriteFails) {
    EXPECT_TRUE(findOnPath("sh").ends_with("/sh"));
    EXPECT_EQ(findOnPath("no-such-program-anywhere"), "");
    TempDir dir;
    FileSizeLimit full(4096);
    EXPECT_FALSE(writeIfChanged(dir.file("big"), std::string(10000, 'x')));
    EXPECT_EQ(dir.names(), std::vector<std::string>{});
}

TEST(registrationEnvFor, followsAbsoluteXdgVariablesElseDefaultsUnderHome) {
    TempDir dir;
    EnvVar home("HOME", dir.path()), data("XDG_DATA_HOME", "relative/ignored"),
        config("XDG_CONFIG_HOME", std::nullopt);
    RegistrationEnv env = registrationEnvFor("/opt/games/./bin/lettermaze");
    EXPECT_EQ(env.programPath + " " + env.programFolder + " " + env.programName,
              "/opt/games/bin/lettermaze /opt/games/bin lettermaze");
    EXPECT_EQ(env.dataHome + " " + env.configHome,
              dir.path() + "/.local/share " + dir.path() + "/.config");
    EnvVar root("HOME", "/"), data2("XDG_DATA_HOME", "/xdg/data");
    env = registrationEnvFor("lettermaze");
    EXPECT_EQ(env.programPath, (fs::current_path() / "lettermaze").string());
    EXPECT_EQ(env.dataHome + " " + env.configHome, "/xdg/data /.config");
    EnvVar none("HOME", "");
    EXPECT_EQ(registrationEnvFor("x").configHome, "");
    EXPECT_NE(runningProgramPath().find("files_tests"), std::string::npos);
}

// Data lies beside a program run from its build folder, else in ../share/lettermaze.
TEST(findDataFolder, isTheProgramsFolderWithTheLibraryElseTheInstalledShareFolder) {
    for (const auto& [library, share, found] : {std::tuple{true, true, "bin"},
                                                {false, true, "share/lettermaze"},
                                                {false, false, "bin"}}) {
        TempDir dir;
        fs::create_directories(dir.file(share ? "share/lettermaze" : "bin"));
        if (library) writeFile(dir.file("bin/word lists.dat"), "[END]\r\n");
        EXPECT_EQ(findDataFolder(dir.file("bin")), dir.file(found));
    }
}

// An installed entry covers the program when its Exec starts this very program, quoted or not,
// and the user has no entry of their own that would shadow it (a home install's own is fine).
TEST(installedRegistrationCovers, theProgramItsEntryStartsUnlessTheUsersOwnShadowsIt) {
    const struct {
        std::string exec;
        bool usersOwn, homeInstall, covers;
    } cases[] = {{"", false, false, false}, {"@", false, false, true},
                 {"\"@\"", false, false, true}, {"/usr/bin/lettermaze-2", false, false, false},
                 {"@", true, false, false}, {"@", false, true, true}};
    for (const auto& c : cases) {
        TempDir dir;
        RegistrationEnv env{dir.file("bin"), "lettermaze", dir.file("bin/lettermaze"),
                            dir.file(c.homeInstall ? "share" : "home"), ""};
        writeFile(env.programPath, "");
        const std::string exec = std::regex_replace(c.exec, std::regex("@"), env.programPath);
        if (!exec.empty())
            writeFile(dir.file("share/applications/lettermaze.desktop"), "[Desktop Entry]\nExec=" +
                      exec + " %f\n");
        if (c.usersOwn) writeFile(dir.file("home/applications/lettermaze.desktop"), "");
        EXPECT_EQ(installedRegistrationCovers(env, "lettermaze"), c.covers) << c.exec;
    }
}
