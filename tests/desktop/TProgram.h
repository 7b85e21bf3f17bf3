#pragma once
// The built program as a child process on a desktop: a fresh database and config folder of its
// own, its output kept for sanitizer reports, the database read back with sqlite.
#include <chrono>
#include <string>
#include <vector>

class TProgram {
public:
    // Makes the folder with a database made from the schema.
    explicit TProgram(const std::string& folder);
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    // 'environment' adds or replaces variables ("NAME=value") for this run.
    bool Start(const std::string& display, const std::vector<std::string>& environment = {});
    // Ends the program at once (SIGKILL), whatever it is doing.
    void Stop();
    // Asks the program to end (SIGTERM) and waits for it; true when it ended by itself with
    // exit status 0 within the time. Otherwise it is still running.
    bool Terminate(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    bool Running();

    const std::string& Folder() const { return folder_; }
    std::string DatabasePath() const { return folder_ + "/accounting.db"; }
    // Runs statements on the database before the program starts; false when one fails.
    bool Execute(const std::string& sql) const;
    // The first column of the first row, or -1 when the query fails.
    long long Number(const std::string& sql) const;
    // What the program wrote on stdout and stderr.
    std::string Output() const;
    // A sanitizer's report in the output, or "".
    std::string SanitizerReport() const;

private:
    std::string folder_;
    int pid_ = 0;
};
