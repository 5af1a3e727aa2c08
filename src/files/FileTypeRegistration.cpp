// Registering the puzzle file type with the desktop.
//
// The desktop's counterpart of a registry association is a handful of per-user files: a MIME
// package that names the type and its glob, a desktop entry whose Exec passes the opened file to
// the program, icons in the hicolor theme, and the type's default handler in mimeapps.list.
// They are rewritten at every start, so moving the program updates the command; a file whose
// content would not change is left alone, and the desktop's databases are rebuilt only when
// their inputs changed or were never built.
#include "files/FileTypeRegistration.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "files/DesktopFiles.h"
#include "model/Text1252.h"

namespace lettermaze {

namespace fs = std::filesystem;

namespace {

// The lower-case name the registration's files and icons go by ("Lettermaze" -> "lettermaze").
std::string idOf(std::string_view typeName) {
    std::string id;
    for (char c : typeName) {
        if (c >= 'A' && c <= 'Z')
            id += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_')
            id += c;
        else
            id += '-';
    }
    return id;
}

std::string xmlEscape(std::string_view s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// A value of a desktop entry: backslashes and control characters escaped.
std::string desktopValue(std::string_view s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// One quoted argument of Exec: inside the quotes ", `, $ and \ take a backslash, and a literal
// percent sign is doubled so it is not read as a field code.
std::string execArgument(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    return out + "\"";
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// An XDG base folder: the variable when it holds an absolute path, else the default under HOME.
std::string xdgHome(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    const char* home = std::getenv("HOME");
    if (!home || !home[0]) return {};
    return joinPath(home, underHome);
}

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// Copies a shipped icon into the user's hicolor theme, under the application's name and the
// file type's name; true when a source was found.
bool installIcon(const std::string& source, const std::string& dataHome, const std::string& size,
                 const std::string& appIcon, const std::string& typeIcon, const std::string& ext) {
    std::string bytes;
    if (source.empty() || !readWholeFile(source, bytes)) return false;
    const std::string theme = dataHome + "/icons/hicolor/" + size;
    writeIfChanged(theme + "/apps/" + appIcon + ext, bytes);
    writeIfChanged(theme + "/mimetypes/" + typeIcon + ext, bytes);
    return true;
}

// The shipped picture beside the icon file (named after the type), or the icon file itself
// when it is already in that format.
std::string iconSource(const std::string& iconPath, const std::string& shippedName,
                       std::string_view ext) {
    std::error_code ec;
    const fs::path beside = fs::path(iconPath).parent_path() / shippedName;
    if (fs::is_regular_file(beside, ec)) return beside.string();
    if (endsWith(iconPath, ext) && fs::is_regular_file(iconPath, ec)) return iconPath;
    return {};
}

std::string mimePackage(const std::string& mimeType, const std::string& description,
                        const std::string& extension, const std::string& typeIcon, bool hasIcon) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"" +
        mimeType +
        "\">\n"
        "    <comment>" +
        xmlEscape(utf8From1252(description)) +
        "</comment>\n"
        "    <sub-class-of type=\"text/plain\"/>\n";
    if (hasIcon) xml += "    <icon name=\"" + typeIcon + "\"/>\n";
    xml +=
        "    <generic-icon name=\"text-x-generic\"/>\n"
        "    <glob pattern=\"*" +
        xmlEscape(utf8From1252(extension)) +
        "\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n";
    return xml;
}

std::string desktopEntry(const std::string& name, const std::string& programPath,
                         const std::string& command, const std::string& appIcon,
                         const std::string& mimeType, bool hasIcon) {
    const std::string trimmed = trimSpaces(command);
    const std::string args = trimmed.empty() ? "%f" : desktopValue(utf8From1252(trimmed));
    std::string entry =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=" +
        desktopValue(utf8From1252(name)) +
        "\n"
        "Exec=" +
        desktopValue(execArgument(programPath)) + " " + args + "\n";
    if (hasIcon) entry += "Icon=" + appIcon + "\n";
    entry += "MimeType=" + mimeType +
             ";\n"
             "Terminal=false\n"
             "Categories=Game;LogicGame;\n";
    return entry;
}

void registerType(const std::string& typeName, const std::string& extension,
                  const std::string& description, const std::string& iconPath,
                  const std::string& command, const RegistrationEnv& env) {
    const std::string id = idOf(typeName);
    const std::string mimeType = "application/x-" + id;
    const std::string typeIcon = "application-x-" + id;
    const std::string programPath =
        !env.programPath.empty() ? env.programPath : joinPath(env.programFolder, env.programName);
    std::error_code ec;

    if (!env.dataHome.empty()) {
        const std::string& data = env.dataHome;
        bool hasIcon = false;
        if (!iconPath.empty()) {
            hasIcon |= installIcon(iconSource(iconPath, id + "-48.png", ".png"), data, "48x48", id,
                                   typeIcon, ".png");
            hasIcon |= installIcon(iconSource(iconPath, id + ".svg", ".svg"), data, "scalable", id,
                                   typeIcon, ".svg");
        }
        const bool typeChanged =
            writeIfChanged(data + "/mime/packages/" + id + ".xml",
                           mimePackage(mimeType, description, extension, typeIcon, hasIcon));
        const bool entryChanged =
            writeIfChanged(data + "/applications/" + id + ".desktop",
                           desktopEntry(typeName, programPath, command, id, mimeType, hasIcon));

        const std::string mimeTool = findOnPath("update-mime-database");
        if (!mimeTool.empty() &&
            (typeChanged || !fs::exists(data + "/mime/" + mimeType + ".xml", ec)))
            runQuietly(mimeTool, {data + "/mime"});
        const std::string desktopTool = findOnPath("update-desktop-database");
        if (!desktopTool.empty() &&
            (entryChanged || !fs::exists(data + "/applications/mimeinfo.cache", ec)))
            runQuietly(desktopTool, {data + "/applications"});
    }

    if (!env.configHome.empty()) {
        const std::string listPath = env.configHome + "/mimeapps.list";
        std::string list;
        readWholeFile(listPath, list);
        writeIfChanged(listPath, withDefaultApplication(list, mimeType, id + ".desktop"));
    }
}

}  // namespace

RegistrationEnv registrationEnvFor(const std::string& programPath) {
    RegistrationEnv env;
    std::error_code ec;
    fs::path program = fs::absolute(programPath, ec);
    if (ec) program = programPath;
    program = program.lexically_normal();
    env.programPath = program.string();
    env.programFolder = program.parent_path().string();
    env.programName = program.filename().string();
    env.dataHome = xdgHome("XDG_DATA_HOME", ".local/share");
    env.configHome = xdgHome("XDG_CONFIG_HOME", ".config");
    return env;
}

std::string runningProgramPath() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

void registerFileType(const std::string& typeName, const std::string& extension,
               const std::string& description, const std::string& iconPath,
               const std::string& command, const RegistrationEnv& env) {
    if (typeName.empty()) return;
    try {
        registerType(typeName, extension, description, iconPath, command, env);
    } catch (...) {
        // A registration that cannot be written is simply not made.
    }
}

}  // namespace lettermaze
