#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "files/FileTypeRegistration.h"
#include "files/DesktopFiles.h"

using namespace lettermaze;
namespace fs = std::filesystem;

namespace {

class TempDir {
  public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "lettermaze-assoc-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

std::string readFile(const std::string& path) {
    std::string s;
    readWholeFile(path, s);
    return s;
}

void writeFile(const std::string& path, const std::string& content) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

struct FileState {
    std::string content;
    fs::file_time_type mtime;
    bool operator==(const FileState&) const = default;
};

std::map<std::string, FileState> snapshot(const std::string& root) {
    std::map<std::string, FileState> files;
    if (!fs::exists(root)) return files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            files[e.path().string()] = {readFile(e.path().string()), e.last_write_time()};
    return files;
}

// A program folder holding the shipped icons, and empty data and config homes.
struct Registration {
    TempDir dir;
    RegistrationEnv env;
    std::string iconPath;
    explicit Registration(const std::string& folderName = "My Games") {
        env.programFolder = dir / folderName;
        env.programName = "lettermaze";
        env.dataHome = dir / "data";
        env.configHome = dir / "config";
        fs::create_directories(env.programFolder);
        for (const char* name : {"lm.ico", "lettermaze-48.png", "lettermaze.svg"})
            fs::copy_file(std::string(LETTERMAZE_SOURCE_DIR) + "/data/" + name,
                          env.programFolder + "/" + name);
        iconPath = env.programFolder + "/lm.ico";
    }
    void run(const std::string& command = "") const {
        registerFileType("Lettermaze", ".lm", "Lettermaze", iconPath, command, env);
    }
    std::string desktopEntry() const {
        return readFile(env.dataHome + "/applications/lettermaze.desktop");
    }
    std::string mimePackage() const {
        return readFile(env.dataHome + "/mime/packages/lettermaze.xml");
    }
};

std::string shellQuoted(const std::string& s) {
    return "'" + s + "'";
}

// Runs a shell command line and returns its standard output.
std::string output(const std::string& commandLine) {
    std::string out;
    if (FILE* pipe = ::popen((commandLine + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

}  // namespace

TEST(registerFileType, writesTypeEntryIconsAndDefaultHandler) {
    Registration s;
    s.run();
    EXPECT_EQ(s.desktopEntry(),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Lettermaze\n"
              "Exec=\"" +
                  s.env.programFolder +
                  "/lettermaze\" %f\n"
                  "Icon=lettermaze\n"
                  "MimeType=application/x-lettermaze;\n"
                  "Terminal=false\n"
                  "Categories=Game;LogicGame;\n");
    const std::string xml = s.mimePackage();
    EXPECT_NE(xml.find("<mime-type type=\"application/x-lettermaze\">"), std::string::npos);
    EXPECT_NE(xml.find("<comment>Lettermaze</comment>"), std::string::npos);
    EXPECT_NE(xml.find("<glob pattern=\"*.lm\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<icon name=\"application-x-lettermaze\"/>"), std::string::npos);
    const std::string png = readFile(s.env.programFolder + "/lettermaze-48.png");
    const std::string icons = s.env.dataHome + "/icons/hicolor/";
    EXPECT_EQ(readFile(icons + "48x48/apps/lettermaze.png"), png);
    EXPECT_EQ(readFile(icons + "48x48/mimetypes/application-x-lettermaze.png"), png);
    EXPECT_EQ(readFile(icons + "scalable/apps/lettermaze.svg"),
              readFile(s.env.programFolder + "/lettermaze.svg"));
    EXPECT_EQ(readFile(s.env.configHome + "/mimeapps.list"),
              "[Default Applications]\napplication/x-lettermaze=lettermaze.desktop\n");
}

TEST(registerFileType, secondRunLeavesEveryFileAsItWas) {
    Registration s;
    s.run();
    // Age every file, so that any rewrite would show in its time.
    const auto past = fs::file_time_type::clock::now() - std::chrono::hours(3);
    for (const auto& e : fs::recursive_directory_iterator(s.dir.path()))
        if (e.is_regular_file()) fs::last_write_time(e.path(), past);
    const auto before = snapshot(s.dir.path());
    s.run();
    EXPECT_EQ(snapshot(s.dir.path()), before);
}

TEST(registerFileType, emptyTypeNameWritesNothing) {
    Registration s;
    registerFileType("", ".lm", "Lettermaze", s.iconPath, "", s.env);
    EXPECT_FALSE(fs::exists(s.env.dataHome));
    EXPECT_FALSE(fs::exists(s.env.configHome));
}

TEST(registerFileType, emptyIconPathInstallsNoIcon) {
    Registration s;
    s.iconPath = "";
    s.run();
    EXPECT_FALSE(fs::exists(s.env.dataHome + "/icons"));
    EXPECT_EQ(s.desktopEntry().find("Icon="), std::string::npos);
    EXPECT_EQ(s.mimePackage().find("<icon "), std::string::npos);
    // The rest is still registered.
    EXPECT_NE(s.desktopEntry().find("MimeType=application/x-lettermaze;"), std::string::npos);
    EXPECT_NE(readFile(s.env.configHome + "/mimeapps.list").find("lettermaze.desktop"),
              std::string::npos);
}

TEST(registerFileType, commandTakesThePlaceOfTheFileArgument) {
    Registration s;
    s.run("  /p ");
    EXPECT_NE(s.desktopEntry().find("Exec=\"" + s.env.programFolder + "/lettermaze\" /p\n"),
              std::string::npos);
    EXPECT_EQ(s.desktopEntry().find("%f"), std::string::npos);
}

TEST(registerFileType, movedProgramUpdatesTheCommand) {
    Registration s;
    s.run();
    s.env.programPath = "/opt/games/lettermaze";
    s.run();
    EXPECT_NE(s.desktopEntry().find("Exec=\"/opt/games/lettermaze\" %f\n"), std::string::npos);
}

TEST(registerFileType, folderWithTrailingSlashGivesOneSlash) {
    Registration s;
    s.env.programFolder += "/";
    s.run();
    EXPECT_NE(s.desktopEntry().find("Games/lettermaze\""), std::string::npos);
    EXPECT_EQ(s.desktopEntry().find("//lettermaze"), std::string::npos);
}

TEST(registerFileType, specialCharactersInThePathAreEscaped) {
    Registration s("100% \"odd\" $name \\ `x`");
    s.run();
    // Inside the quotes ", `, $ and \ take a backslash and % doubles; then the desktop entry's
    // own escaping doubles each backslash.
    EXPECT_NE(s.desktopEntry().find(
                  "/100%% \\\\\"odd\\\\\" \\\\$name \\\\\\\\ \\\\`x\\\\`/lettermaze\" %f"),
              std::string::npos)
        << s.desktopEntry();
}

TEST(registerFileType, desktopEntryPassesTheValidator) {
    if (findOnPath("desktop-file-validate").empty())
        GTEST_SKIP() << "desktop-file-validate missing";
    for (const char* folder : {"My Games", "100% \"odd\" $name \\ `x`"}) {
        Registration s(folder);
        s.run();
        const std::string entry = s.env.dataHome + "/applications/lettermaze.desktop";
        EXPECT_EQ(
            std::system(("desktop-file-validate " + shellQuoted(entry) + " >/dev/null").c_str()), 0)
            << output("desktop-file-validate " + shellQuoted(entry));
    }
}

TEST(registerFileType, mimeAppsListKeepsTheUsersOtherEntries) {
    Registration s;
    const std::string list =
        "[Added Associations]\ntext/html=firefox.desktop;\n\n"
        "[Default Applications]\ntext/html=firefox.desktop\n"
        "application/x-lettermaze=other.desktop\nimage/png=viewer.desktop\n";
    writeFile(s.env.configHome + "/mimeapps.list", list);
    s.run();
    EXPECT_EQ(readFile(s.env.configHome + "/mimeapps.list"),
              "[Added Associations]\ntext/html=firefox.desktop;\n\n"
              "[Default Applications]\ntext/html=firefox.desktop\n"
              "application/x-lettermaze=lettermaze.desktop\nimage/png=viewer.desktop\n");
}

TEST(registerFileType, symlinkedMimeAppsListIsWrittenThrough) {
    Registration s;
    const std::string real = s.dir / "dotfiles/mimeapps.list";
    writeFile(real, "[Default Applications]\ntext/html=firefox.desktop\n");
    fs::create_directories(s.env.configHome);
    fs::create_symlink(real, s.env.configHome + "/mimeapps.list");
    s.run();
    EXPECT_TRUE(fs::is_symlink(s.env.configHome + "/mimeapps.list"));
    EXPECT_EQ(readFile(real),
              "[Default Applications]\ntext/html=firefox.desktop\n"
              "application/x-lettermaze=lettermaze.desktop\n");
}

TEST(MimeAppsList, addsTheKeyToTheGroupOrTheGroupToTheFile) {
    EXPECT_EQ(withDefaultApplication("", "a/b", "x.desktop"),
              "[Default Applications]\na/b=x.desktop\n");
    EXPECT_EQ(withDefaultApplication("[Added Associations]\nc/d=y.desktop;\n", "a/b", "x.desktop"),
              "[Added Associations]\nc/d=y.desktop;\n\n[Default Applications]\na/b=x.desktop\n");
    // The key goes after the group's last entry, before the blank line that ends it.
    EXPECT_EQ(withDefaultApplication("[Default Applications]\nc/d=y.desktop\n\n[Other]\nk=v\n",
                                     "a/b", "x.desktop"),
              "[Default Applications]\nc/d=y.desktop\na/b=x.desktop\n\n[Other]\nk=v\n");
    // A file without a final line break gains one only when it changes.
    EXPECT_EQ(withDefaultApplication("[Default Applications]\na/b=x.desktop", "a/b", "x.desktop"),
              "[Default Applications]\na/b=x.desktop");
    EXPECT_EQ(withDefaultApplication("[Default Applications]\nc/d=y.desktop", "a/b", "x.desktop"),
              "[Default Applications]\nc/d=y.desktop\na/b=x.desktop\n");
}

TEST(MimeAppsList, replacesOurKeyOnlyInTheDefaultGroup) {
    EXPECT_EQ(withDefaultApplication(
                  "[Added Associations]\na/b=z.desktop;\n[Default Applications]\na/b = z.desktop\n"
                  "a/b=w.desktop\n",
                  "a/b", "x.desktop"),
              "[Added Associations]\na/b=z.desktop;\n[Default Applications]\na/b=x.desktop\n");
}

TEST(AssociateEnvironment, followsXdgVariablesAndDefaultsUnderHome) {
    TempDir dir;
    const char* names[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"};
    std::map<std::string, std::string> saved;
    for (const char* n : names)
        if (const char* v = std::getenv(n)) saved[n] = v;

    ::setenv("HOME", dir.path().c_str(), 1);
    ::setenv("XDG_DATA_HOME", "relative/ignored", 1);
    ::unsetenv("XDG_CONFIG_HOME");
    RegistrationEnv env = registrationEnvFor("/opt/games/./bin/lettermaze");
    EXPECT_EQ(env.programPath, "/opt/games/bin/lettermaze");
    EXPECT_EQ(env.programFolder, "/opt/games/bin");
    EXPECT_EQ(env.programName, "lettermaze");
    EXPECT_EQ(env.dataHome, dir.path() + "/.local/share");
    EXPECT_EQ(env.configHome, dir.path() + "/.config");

    ::setenv("XDG_DATA_HOME", "/xdg/data", 1);
    ::setenv("XDG_CONFIG_HOME", "/xdg/config", 1);
    env = registrationEnvFor("lettermaze");
    EXPECT_EQ(env.programPath, (fs::current_path() / "lettermaze").string());
    EXPECT_EQ(env.dataHome, "/xdg/data");
    EXPECT_EQ(env.configHome, "/xdg/config");

    for (const char* n : names) {
        if (saved.count(n))
            ::setenv(n, saved[n].c_str(), 1);
        else
            ::unsetenv(n);
    }
}

TEST(registerFileType, desktopFindsTheTypeAndItsDefaultHandler) {
    for (const char* tool : {"gio", "update-mime-database", "update-desktop-database", "xdg-mime"})
        if (findOnPath(tool).empty()) GTEST_SKIP() << tool << " missing";
    Registration s;
    // The desktop passes over an entry whose program does not exist.
    const std::string program = s.env.programFolder + "/lettermaze";
    writeFile(program, "#!/bin/sh\nexit 0\n");
    fs::permissions(program, fs::perms::owner_all);
    s.run();
    const std::string runtime = s.dir / "runtime";
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    const std::string puzzle = s.dir / "x.lm";
    writeFile(puzzle, "not a real puzzle\r\n");
    const std::string env = "env XDG_DATA_HOME=" + shellQuoted(s.env.dataHome) +
                            " XDG_DATA_DIRS=" + shellQuoted(s.env.dataHome + ":/usr/share") +
                            " XDG_CONFIG_HOME=" + shellQuoted(s.env.configHome) +
                            " XDG_RUNTIME_DIR=" + shellQuoted(runtime) +
                            " XDG_CONFIG_DIRS=" + shellQuoted(s.dir / "no-system-config");
    EXPECT_NE(output(env + " gio info -a standard::content-type " + shellQuoted(puzzle))
                  .find("application/x-lettermaze"),
              std::string::npos);
    EXPECT_NE(output(env + " XDG_CURRENT_DESKTOP=GNOME xdg-mime query default "
                           "application/x-lettermaze")
                  .find("lettermaze.desktop"),
              std::string::npos);
    const std::string handlers = output(env + " gio mime application/x-lettermaze");
    const std::string firstLine = handlers.substr(0, handlers.find('\n'));
    EXPECT_NE(firstLine.find("lettermaze.desktop"), std::string::npos) << handlers;
}
