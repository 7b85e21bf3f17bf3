#pragma once
// File names as the program uses them: "/" separated, absolute when they start with "/",
// relative ones against the working folder.
#include <string>

// The extension with its dot, from the last dot of the last component ("a.b/c" has none).
std::string ExtractFileExt(const std::string& path);
// Everything up to and including the last "/" ("" when there is none).
std::string ExtractFilePath(const std::string& path);
// The last component.
std::string ExtractFileName(const std::string& path);
std::string ChangeFileExt(const std::string& path, const std::string& extension);
// A regular file (or a link to one) exists at 'path'.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool IsAbsolutePath(const std::string& path);
// An absolute path: relative names are taken against the working folder.
std::string ExpandFileName(const std::string& path);
// The folder of the running program (of /proc/self/exe), ending in "/".
std::string ProgramFolder();
// 'path' as given when it exists; a relative name not found there is tried in the program folder.
// Answers the name as given when neither exists.
std::string FindFileOrInProgramFolder(const std::string& path);
// The user's documents folder (XDG_DOCUMENTS_DIR of user-dirs.dirs) when it exists, else the
// home folder.
std::string DocumentsFolder();
