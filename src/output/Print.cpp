// The print page is the web page with its fonts replaced by the one chosen in the print dialog
// and with either half (grid or words) left out on request; it has no download line. It is
// written to one fixed file that every print replaces, and opened with the desktop's handler
// for web pages, from which the user prints.
#include "output/Print.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "model/Text1252.h"
#include "output/Page.h"

namespace lettermaze {

namespace {

constexpr const char* kPrintFileName = "print_lettermaze.htm";

bool folderWritable(const std::string& folder) {
    return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string cacheFolder() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    // Only an absolute XDG_CACHE_HOME counts; otherwise the cache lives in ~/.cache.
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0') return std::string(home) + "/.cache";
    std::error_code ec;
    return std::filesystem::temp_directory_path(ec).string();
}

}  // namespace

std::string buildPrintPage(const Puzzle& p, const PrintSettings& s, bool highlight) {
    const std::string& face = s.font;
    std::string html = page::documentHead(s.title);
    if (s.what != 2) {
        html += "<font face='" + face + "' size=3>\r\n";
        html += page::gridTable(p.grid, highlight);
        html += "</table>\r\n</font>";
    }
    if (s.what == 0) html += "<br>\r\n";
    if (s.what != 1) {
        html +=
            "<table border=0 width=100% cellspacing=0 cellpadding=0><tr><td width=100%>"
            "<font face='" +
            face + "' size=5 color=000000>\r\n";
        html += "Find these words</p></font>\r\n";
        html += "<font face='" + face + "' size=4 color=000000>\r\n";
        html += "<p>" + page::wordItems(p);
        html += "</td></tr></table>\r\n";
    }
    html += "</body>\r\n</html>\r\n";
    html += page::creditComment();
    return html;
}

std::string arialFont(const std::vector<std::string>& fonts) {
    for (const std::string& name : fonts)
        if (upper1252(name).find("ARIAL") != std::string::npos) return name;
    return {};
}

std::string defaultPrintFont(const std::vector<std::string>& fonts,
                             const std::string& arialSubstitute) {
    std::string font = arialFont(fonts);
    if (!font.empty()) return font;
    // Without Arial, the face the desktop shows in its place keeps the page looking as meant;
    // the first font of an arbitrary list could be a symbol or maths face.
    const std::string wanted = upper1252(arialSubstitute);
    for (const std::string& name : fonts)
        if (!wanted.empty() && upper1252(name) == wanted) return name;
    return fonts.empty() ? std::string() : fonts.front();
}

void acceptPrintChoices(PrintSettings& s, const std::string& title, int whatIndex,
                        const std::string& font) {
    s.cancelled = false;
    s.title = trimSpaces(title);
    s.what = static_cast<std::int16_t>(whatIndex);
    s.font = trimSpaces(lowerCase1252(font));
}

std::string printFilePath(Host& host) {
    const std::string folder = host.programFolder();
    if (folderWritable(folder)) return folder + "/" + kPrintFileName;
    return cacheFolder() + "/lettermaze/" + kPrintFileName;
}

void printPuzzle(Puzzle& p, WindowState& window, Host& host) {
    // Any failure ends the command quietly: printing over, default pointer back.
    try {
        if (p.shown) {
            host.showPrintDialog(window.print);
            if (window.print.cancelled) return;
            window.printing = true;
            const bool gridWanted = window.print.what != 2;
            const bool highlight = gridWanted && highlightChoice(p, host);
            host.setBusy(true);
            const std::string html = page::withGridHidden(
                p, highlight, [&] { return buildPrintPage(p, window.print, highlight); });

            const std::string path = printFilePath(host);
            std::error_code ec;
            std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
            if (!writePageFile(path, html + "\r\n")) throw std::runtime_error("print page");
            host.processEvents();
            host.openWithDesktop(path);
            host.setBusy(false);
        }
    } catch (const std::exception&) {
    }
    window.printing = false;
    host.setBusy(false);
}

}  // namespace lettermaze
