// What the simulated host asks of the operating system, behind one interface with a
// realisation per platform: simhost/Posix (Linux, on a terminal) and simhost/Windows.
// Paths go in and come out as UTF-8; each realisation turns them into its own form.
#ifndef KESTRUNE_SIMHOST_HOSTSYSTEM_H
#define KESTRUNE_SIMHOST_HOSTSYSTEM_H

#include <string>

namespace simhost {
namespace host_system {

// The plug-in binary: loaded, its entry point found, unloaded. Null with a reason on failure.
void* LoadBinary(const std::string& path, std::string* error);
void* FindEntry(void* binary, const char* name);
void UnloadBinary(void* binary);

// Between a folder and the names in it; Windows takes either slash on input.
char PathSeparator();
bool IsPathSeparator(char c);
// Absolute against the working folder, in the platform's own form ("C:\dir\name").
std::string AbsolutePath(const std::string& path);

enum class PathKind { kMissing, kFile, kFolder, kOther };
// What is at the path; with followLinks false a link is kOther.
PathKind KindOf(const std::string& path, bool followLinks);

// The whole of a regular file; false when it is not one or cannot be read.
bool ReadWholeFile(const std::string& path, std::string* bytes);
// Writes a file whole or not at all (a temporary file beside it, then renamed).
bool ReplaceWholeFile(const std::string& path, const std::string& bytes);
// A new, empty folder under the system's temporary folder; empty on failure.
std::string MakeTemporaryFolder(const std::string& tag);
std::string TemporaryFolder();
// Where the running program lies.
std::string ProgramFolder();
// A person can answer questions on standard input.
bool InputIsTerminal();

// Code page 932 as the host's Japanese encoding: false when a byte forms no
// character; the other way a character Shift-JIS cannot hold becomes "?".
bool ShiftJISToUtf8(const std::string& shiftJis, std::string* utf8);
std::string Utf8ToShiftJIS(const std::string& utf8);

// Whether the system's font list knows the name (PostScript, full or family name).
bool FontInstalled(const std::string& name);

// The application's main window, made on first use; null where the host draws none.
void* MainWindow();
// Waits the given time while handling the window system's events (0: only those
// pending), so that timers and windows of the plug-in run as in the application.
void WaitHandlingEvents(int milliseconds);

// From now on writes what the plug-in's progress window shows at each repaint into
// the folder, numbered: 24-bit BMP files of the dialog on Windows, text files of the
// drawn line on a terminal. False when the folder cannot be used.
bool CaptureProgressWindow(const std::string& folder);

}  // namespace host_system
}  // namespace simhost

#endif
