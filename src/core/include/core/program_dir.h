// Where the program's own files live: the directory of its executable.
#pragma once

#include <string>
#include <string_view>

namespace velquist {

// Directory of the running executable, without a trailing separator.
std::string programDirectory();

// File name of the running executable, without its directory.
std::string programFileName();

// What a file's name must end in for the system to start it as a program: ".exe" on Windows,
// where the name alone decides; nothing elsewhere, where the file's mode does.
std::string_view runnableSuffix();

// `dir` joined with a bare file name ("pz.ini").
std::string joinPath(std::string_view dir, std::string_view name);

// Names of the files the program keeps beside itself.
inline constexpr std::string_view kBackgroundIni = "pz.ini";
inline constexpr std::string_view kUpdateIni = "gx.ini";
inline constexpr std::string_view kUpdaterExe = "xz.exe";
inline constexpr std::string_view kUpdaterZip = "xz.zip";
inline constexpr std::string_view kPreviewPage = "yl.htm";

}  // namespace velquist
