#pragma once
// A print server of the test's own: the system's cupsd started on a free local port with its
// own configuration, spool, cache and log folders, a PDF queue added through lpadmin, and the
// server stopped by its process id when the test ends.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

class TPrivatePrintServer {
public:
    static constexpr const char* Daemon = "/usr/sbin/cupsd";
    static constexpr const char* QueueAdmin = "/usr/sbin/lpadmin";
    static constexpr const char* PdfBackend = "/usr/lib/cups/backend/cups-pdf";
    static constexpr const char* PdfDriver = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

    // The server and the PDF printer's packages are installed.
    static bool Installed()
    {
        for (const char* path : {Daemon, QueueAdmin, PdfBackend, PdfDriver, "/usr/sbin/cupsdisable", "/usr/sbin/cupsreject"})
            if (!std::filesystem::exists(path))
                return false;
        return true;
    }

    TPrivatePrintServer()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "bukura-cups-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no folder for the print server");
        root_ = pattern;
        // The filters run as the print system's own user, which must reach the spool.
        chmod(root_.c_str(), 0755);
        for (const char* folder : {"conf", "spool", "cache", "state", "log", "tmp"})
            std::filesystem::create_directories(root_ / folder);
        chmod((root_ / "tmp").c_str(), 01777);
        port_ = FreePort();
        std::ofstream(root_ / "conf" / "cupsd.conf")
            << "Listen 127.0.0.1:" << port_ << "\nLogLevel warn\nWebInterface No\nBrowsing No\n"
            << "DefaultAuthType None\nDefaultShared No\nErrorPolicy abort-job\n"
            << "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            << "<Policy default>\n  JobPrivateAccess all\n  JobPrivateValues none\n"
            << "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
            << "  <Limit All>\n    Order deny,allow\n    Allow all\n  </Limit>\n</Policy>\n";
        std::ofstream(root_ / "conf" / "cups-files.conf")
            << "ServerRoot " << (root_ / "conf").string() << "\nRequestRoot " << (root_ / "spool").string()
            << "\nTempDir " << (root_ / "tmp").string() << "\nCacheDir " << (root_ / "cache").string()
            << "\nStateDir " << (root_ / "state").string() << "\nServerBin /usr/lib/cups\n"
            << "AccessLog " << (root_ / "log" / "access_log").string() << "\nErrorLog "
            << (root_ / "log" / "error_log").string() << "\nPageLog " << (root_ / "log" / "page_log").string() << "\n";
        pid_ = Start({Daemon, "-f", "-c", (root_ / "conf" / "cupsd.conf").string(), "-s",
                      (root_ / "conf" / "cups-files.conf").string()});
        if (!WaitForPort())
            throw std::runtime_error("the print server did not start");
    }

    ~TPrivatePrintServer()
    {
        Stop();
        std::error_code error;
        std::filesystem::remove_all(root_, error);
    }

    TPrivatePrintServer(const TPrivatePrintServer&) = delete;
    TPrivatePrintServer& operator=(const TPrivatePrintServer&) = delete;

    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

    // Runs an administration program against this server (lpadmin, cupsdisable, cupsreject);
    // answers whether it succeeded. Its output goes to the server's log folder.
    bool Run(const std::string& program, std::vector<std::string> args) const
    {
        args.insert(args.begin(), {program, "-h", Address()});
        const pid_t pid = Start(args);
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    bool AddPdfQueue(const std::string& name) const
    {
        return Run(QueueAdmin, {"-p", name, "-E", "-v", "cups-pdf:/", "-P", PdfDriver});
    }

    void Stop()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

private:
    static int FreePort()
    {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        close(fd);
        return ntohs(address.sin_port);
    }

    pid_t Start(const std::vector<std::string>& args) const
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const std::string log = (root_ / "log" / "output").string();
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        pid_t pid = -1;
        const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0)
            throw std::runtime_error("cannot start " + args[0]);
        return pid;
    }

    // The server is up once its port takes a connection (it starts within a second or so).
    bool WaitForPort() const
    {
        for (int attempt = 0; attempt < 200; ++attempt) {
            const int fd = socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_port = htons(static_cast<uint16_t>(port_));
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            const bool up = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
            close(fd);
            if (up)
                return true;
            if (waitpid(pid_, nullptr, WNOHANG) == pid_)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    std::filesystem::path root_;
    int port_ = 0;
    pid_t pid_ = -1;
};
