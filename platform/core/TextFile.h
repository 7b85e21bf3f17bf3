#pragma once
// Whole text files as lines, for string lists' LoadFromFile and SaveToFile.
#include <string>
#include <vector>

// Reads the whole file before answering, so a failed load changes nothing for the caller.
// UTF-8 (a leading byte-order mark dropped), else Latin-1 converted to UTF-8; splits on CR LF,
// LF or CR; a final line ending adds no empty line. Raises EFOpenError or EReadError.
std::vector<std::string> ReadTextFileLines(const std::string& path);
// The same lines as stored, without decoding, so that lines a caller does not change can be
// written back byte for byte.
std::vector<std::string> ReadTextFileStoredLines(const std::string& path);

// Writes each line followed by 'lineEnding' into a temporary file and renames it over 'path'.
// Raises EFOpenError or EWriteError and then leaves any old file as it was.
void WriteTextFileLines(const std::string& path, const std::vector<std::string>& lines,
    const std::string& lineEnding);
