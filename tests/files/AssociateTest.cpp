// Registering the puzzle file type with the desktop: the files written, what they say, that a
// second run changes nothing, and that the desktop's own tools then find the type.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <map>

#include "fakes/Builders.h"
#include "files/DesktopFiles.h"
#include "files/FileTypeRegistration.h"

using namespace lettermaze;
using namespace lettermaze::testing;
namespace fs = std::filesystem;

namespace {

// A program folder holding the shipped icons, and empty data and config homes.
struct Registration {
    TempDir dir;
    RegistrationEnv env;
    std::string iconPath;
    explicit Registration(const std::string& folderName = "My Games") {
        env = {dir.file(folderName), "lettermaze", "", dir.file("data"), dir.file("config")};
        for (const char* name : {"lm.ico", "lettermaze-48.png", "lettermaze.svg"})
            writeFile(env.programFolder + "/" + name, readFile(std::string(LETTERMAZE_SOURCE_DIR) + "/data/" + name));
        iconPath = env.programFolder + "/lm.ico";
    }
    const Registration& run(const std::string& command = "", const std::string& description = "Lettermaze") const {
        registerFileType("Lettermaze", ".lm", description, iconPath, command, env);
        return *this;
    }
    std::string entry() const { return readFile(env.dataHome + "/applications/lettermaze.desktop"); }
    std::string mime() const { return readFile(env.dataHome + "/mime/packages/lettermaze.xml"); }
    std::string defaults() const { return readFile(env.configHome + "/mimeapps.list"); }
    std::string exec() const {
        const std::string e = entry();
        const auto at = e.find("Exec=");
        return e.substr(at + 5, e.find('\n', at) - at - 5);
    }
};

}  // namespace

TEST(registerFileType, writesTheTypeTheEntryTheIconsAndTheDefaultHandlerOnceOnly) {
    Registration s;
    s.run("", "Say \"hi\" & <go>");
    EXPECT_EQ(s.entry(), "[Desktop Entry]\nType=Application\nName=Lettermaze\nExec=\"" + s.env.programFolder +
                             "/lettermaze\" %f\nIcon=lettermaze\nMimeType=application/x-lettermaze;\n"
                             "Terminal=false\nCategories=Game;LogicGame;\n");
    for (const char* part : {"<mime-type type=\"application/x-lettermaze\">", "<glob pattern=\"*.lm\"/>",
                             "<comment>Say &quot;hi&quot; &amp; &lt;go&gt;</comment>",
                             "<icon name=\"application-x-lettermaze\"/>"})
        EXPECT_NE(s.mime().find(part), std::string::npos) << part;
    const std::string icons = s.env.dataHome + "/icons/hicolor/";
    const std::string png = readFile(s.env.programFolder + "/lettermaze-48.png");
    EXPECT_EQ(readFile(icons + "48x48/apps/lettermaze.png") + readFile(icons + "48x48/mimetypes/application-x-lettermaze.png"), png + png);
    EXPECT_EQ(readFile(icons + "scalable/apps/lettermaze.svg"), readFile(s.env.programFolder + "/lettermaze.svg"));
    EXPECT_EQ(s.defaults(), "[Default Applications]\napplication/x-lettermaze=lettermaze.desktop\n");
    // A second run rewrites nothing: every file keeps its bytes and its time.
    const auto past = fs::file_time_type::clock::now() - std::chrono::hours(3);
    std::map<std::string, std::pair<std::string, fs::file_time_type>> before, after;
    for (auto* snapshot : {&before, &after}) {
        for (const auto& e : fs::recursive_directory_iterator(s.dir.path()))
            if (e.is_regular_file()) {
                if (snapshot == &before) fs::last_write_time(e.path(), past);
                (*snapshot)[e.path()] = {readFile(e.path()), fs::last_write_time(e.path())};
            }
        if (snapshot == &before) s.run("", "Say \"hi\" & <go>");
    }
    EXPECT_EQ(after, before);
}

TEST(registerFileType, withoutATypeNameNothingIsWrittenAndWithoutIconsNoIconIsNamed) {
    Registration s;
    registerFileType("", ".lm", "Lettermaze", s.iconPath, "", s.env);
    EXPECT_FALSE(fs::exists(s.env.dataHome) || fs::exists(s.env.configHome));
    for (const std::string& icon : {std::string(), s.dir.file("elsewhere/lm.ico")}) {
        s.iconPath = icon;
        s.run();
        EXPECT_FALSE(fs::exists(s.env.dataHome + "/icons"));
        EXPECT_EQ(s.entry().find("Icon="), std::string::npos);
        EXPECT_EQ(s.mime().find("<icon "), std::string::npos);
        EXPECT_NE(s.defaults().find("=lettermaze.desktop"), std::string::npos);
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
    };
    for (const auto& c : cases) {
        Registration s(c.folder);
        s.env.programPath = c.programPath;
        s.run(c.command);
        std::string expected = c.exec;
        if (const auto at = expected.find('@'); at != std::string::npos) expected.replace(at, 1, s.dir.path());
        EXPECT_EQ(s.exec(), expected);
        if (findOnPath("desktop-file-validate").empty()) continue;
        EXPECT_EQ(std::system(("desktop-file-validate '" + s.env.dataHome + "/applications/lettermaze.desktop'").c_str()), 0);
    }
    // No folder: the name alone; line ends, tabs and CRs in the command are escaped.
    Registration bare;
    bare.env.programFolder = "";
    bare.run("a\nb\tc\rd");
    EXPECT_EQ(bare.exec(), "\"lettermaze\" a\\nb\\tc\\rd");
}

// Our key goes under [Default Applications], after the group's last entry (the group is added
// when missing), replacing our earlier keys there; everything else stays, and a file that
// already says so is left alone.
TEST(MimeAppsList, setsOurKeyInTheDefaultGroupAndKeepsEverythingElse) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "[Default Applications]\na/b=x.desktop\n"},
        {"[Added Associations]\nc/d=y.desktop;\n", "[Added Associations]\nc/d=y.desktop;\n\n[Default Applications]\na/b=x.desktop\n"},
        {"[Default Applications]\nc/d=y.desktop\n\n[Other]\nk=v\n", "[Default Applications]\nc/d=y.desktop\na/b=x.desktop\n\n[Other]\nk=v\n"},
        {"[Default Applications]\na/b=x.desktop", "[Default Applications]\na/b=x.desktop"},
        {"[Default Applications]\nc/d=y.desktop", "[Default Applications]\nc/d=y.desktop\na/b=x.desktop\n"},
        {"[Added Associations]\na/b=z.desktop;\n[Default Applications]\na/b = z.desktop\na/b=w.desktop\n",
         "[Added Associations]\na/b=z.desktop;\n[Default Applications]\na/b=x.desktop\n"},
    };
    for (const auto& [list, expected] : cases) EXPECT_EQ(withDefaultApplication(list, "a/b", "x.desktop"), expected);
}

TEST(MimeAppsList, aSymlinkedListIsWrittenThroughKeepingItsPermissions) {
    Registration s;
    const std::string real = s.dir.file("dotfiles/mimeapps.list");
    writeFile(real, "[Default Applications]\ntext/html=firefox.desktop\n");
    ::chmod(real.c_str(), 0600);
    fs::create_directories(s.env.configHome);
    fs::create_symlink(real, s.env.configHome + "/mimeapps.list");
    s.run();
    EXPECT_TRUE(fs::is_symlink(s.env.configHome + "/mimeapps.list"));
    EXPECT_EQ(readFile(real), "[Default Applications]\ntext/html=firefox.desktop\napplication/x-lettermaze=lettermaze.desktop\n");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// An icon path that is itself a picture is installed as it is, even one named just ".png".
TEST(registerFileType, anIconPathThatIsThePictureItselfIsInstalled) {
    Registration s;
    const auto cwd = fs::current_path();
    fs::current_path(s.env.programFolder);
    fs::rename("lettermaze-48.png", ".png");
    s.iconPath = ".png";
    s.run();
    fs::current_path(cwd);
    EXPECT_EQ(readFile(s.env.dataHome + "/icons/hicolor/48x48/apps/lettermaze.png"), readFile(s.env.programFolder + "/.png"));
}

// A file the registration cannot write whole is not left behind half written.
TEST(DesktopFiles, findsProgramsOnThePathAndLeavesNoTemporaryFileWhenAWriteFails) {
    EXPECT_TRUE(findOnPath("sh").ends_with("/sh"));
    EXPECT_EQ(findOnPath("no-such-program-anywhere"), "");
    TempDir dir;
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeIfChanged(dir.file("big"), std::string(10000, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(written);
    EXPECT_EQ(dir.names(), Words{});
}

TEST(AssociateEnvironment, followsAbsoluteXdgVariablesElseDefaultsUnderHome) {
    TempDir dir;
    EnvVar home("HOME", dir.path()), data("XDG_DATA_HOME", "relative/ignored"), config("XDG_CONFIG_HOME", std::nullopt);
    RegistrationEnv env = registrationEnvFor("/opt/games/./bin/lettermaze");
    EXPECT_EQ(env.programPath + " " + env.programFolder + " " + env.programName,
              "/opt/games/bin/lettermaze /opt/games/bin lettermaze");
    EXPECT_EQ(env.dataHome + " " + env.configHome, dir.path() + "/.local/share " + dir.path() + "/.config");
    EnvVar root("HOME", "/"), data2("XDG_DATA_HOME", "/xdg/data");
    env = registrationEnvFor("lettermaze");
    EXPECT_EQ(env.programPath, (fs::current_path() / "lettermaze").string());
    EXPECT_EQ(env.dataHome + " " + env.configHome, "/xdg/data /.config");
    EnvVar none("HOME", "");
    EXPECT_EQ(registrationEnvFor("x").configHome, "");
    EXPECT_NE(runningProgramPath().find("files_tests"), std::string::npos);
}

TEST(registerFileType, theDesktopFindsTheTypeAndItsDefaultHandler) {
    for (const char* tool : {"gio", "update-mime-database", "update-desktop-database", "xdg-mime"})
        if (findOnPath(tool).empty()) GTEST_SKIP() << tool << " missing";
    Registration s;
    writeFile(s.env.programFolder + "/lettermaze", "#!/bin/sh\nexit 0\n");
    fs::permissions(s.env.programFolder + "/lettermaze", fs::perms::owner_all);
    s.run();
    fs::create_directories(s.dir.file("runtime"));
    fs::permissions(s.dir.file("runtime"), fs::perms::owner_all);
    writeFile(s.dir.file("x.lm"), "not a real puzzle\r\n");
    const std::string env = "env XDG_DATA_HOME='" + s.env.dataHome + "' XDG_DATA_DIRS='" + s.env.dataHome +
                            ":/usr/share' XDG_CONFIG_HOME='" + s.env.configHome + "' XDG_RUNTIME_DIR='" +
                            s.dir.file("runtime") + "' XDG_CONFIG_DIRS='" + s.dir.file("none") + "'";
    EXPECT_NE(commandOutput(env + " gio info -a standard::content-type '" + s.dir.file("x.lm") + "'")
                  .find("application/x-lettermaze"), std::string::npos);
    EXPECT_NE(commandOutput(env + " XDG_CURRENT_DESKTOP=GNOME xdg-mime query default application/x-lettermaze")
                  .find("lettermaze.desktop"), std::string::npos);
    const std::string handlers = commandOutput(env + " gio mime application/x-lettermaze");
    EXPECT_NE(handlers.substr(0, handlers.find('\n')).find("lettermaze.desktop"), std::string::npos) << handlers;
    // The tools run with no shell and their output discarded.
    runQuietly(findOnPath("sh"), {"-c", "echo noise; echo more >&2; touch '" + s.dir.file("ran") + "'"});
    EXPECT_TRUE(fs::exists(s.dir.file("ran")));
}
