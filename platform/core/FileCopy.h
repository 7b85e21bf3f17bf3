#pragma once
// Whole-file copy for backup and restore.
#include <string>

class AtomicFileWriter;

// Copies 'source' over 'target' through a temporary file in the target's folder, so a failed
// copy leaves an old target intact. Answers false, copying nothing, when both name the same
// file, the source cannot be read, 'failIfExists' is set and the target exists, or the
// target cannot be written.
bool CopyFile(const std::string& source, const std::string& target, bool failIfExists = false);

// Writes the whole of the file 'source' into 'out'; answers false when it cannot be read. Raises
// EWriteError when 'out' cannot be written.
bool CopyContent(const std::string& source, AtomicFileWriter& out);
