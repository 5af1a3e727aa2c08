#pragma once
// Everything that names the publisher lives here, so that pages, captions, the about box and
// online help agree and a rebrand touches one file.

namespace lettermaze::publisher {

// Shown in the window caption, page footers and the about box.
inline constexpr const char* kSiteName = "Quillfern Puzzleworks";
// Host of the publisher's site, without a scheme (online help builds addresses from it).
inline constexpr const char* kHost = "www.quillfern-puzzleworks.example";
// Second line of the about box.
inline constexpr const char* kNotice = "(c) Quillfern Puzzleworks. Free to use and to share.";

// Download address named in every page: an http address whose path is "/lettermaze/".
inline constexpr const char* kDownloadAddress = "http://www.quillfern-puzzleworks.example/lettermaze/";
// Product address: the download address without its final slash.
inline constexpr const char* kProductAddress = "http://www.quillfern-puzzleworks.example/lettermaze";
// Support page path appended to the host.
inline constexpr const char* kSupportPath = "/support/lettermazefp.htm";

inline constexpr const char* kAppTitle = "Lettermaze";
inline constexpr const char* kVersion = "v1.1";

}  // namespace lettermaze::publisher
