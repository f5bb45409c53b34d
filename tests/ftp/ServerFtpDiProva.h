#pragma once
// A real FTP server for the tests (server_ftp.py over Debian's pyftpdlib),
// listening on a free port of 127.0.0.1 and serving a folder the test fills.
// The test can slow it down, freeze it (a stalled server) or kill it in the
// middle of a transfer. It ends with the object, or with the test process.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

class ServerFtpDiProva {
public:
    // byteAlSecondo > 0 paces every download at that speed.
    explicit ServerFtpDiProva(const std::filesystem::path& cartella, int byteAlSecondo = 0) {
        int uscita[2];
        int ingresso[2];
        if (pipe2(uscita, O_CLOEXEC) != 0 || pipe2(ingresso, O_CLOEXEC) != 0) {
            throw std::runtime_error("server FTP di prova: pipe");
        }
        std::vector<std::string> argomenti = {LUDO_PYTHON, LUDO_SERVER_FTP, cartella.string()};
        if (byteAlSecondo > 0) argomenti.insert(argomenti.end(), {"--lento", std::to_string(byteAlSecondo)});
        std::vector<char*> argv;
        for (auto& a : argomenti) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t azioni;
        posix_spawn_file_actions_init(&azioni);
        posix_spawn_file_actions_adddup2(&azioni, ingresso[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&azioni, uscita[1], STDOUT_FILENO);
        const int errore = posix_spawn(&pid_, argv[0], &azioni, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&azioni);
        close(uscita[1]);
        close(ingresso[0]);
        // Kept open while the server must live: its end tells the server to go.
        vita_ = ingresso[1];
        if (errore != 0) pid_ = -1;
        porta_ = pid_ > 0 ? LeggiPorta(uscita[0]) : 0;
        close(uscita[0]);
        if (porta_ <= 0) {
            Uccidi();
            close(vita_);
            throw std::runtime_error("server FTP di prova non avviato");
        }
    }

    ~ServerFtpDiProva() {
        Uccidi();
        close(vita_);
    }
    ServerFtpDiProva(const ServerFtpDiProva&) = delete;
    ServerFtpDiProva& operator=(const ServerFtpDiProva&) = delete;

    [[nodiscard]] int Porta() const { return porta_; }
    // "127.0.0.1:porta", as the parameters file names a host.
    [[nodiscard]] std::string Host() const { return "127.0.0.1:" + std::to_string(porta_); }
    [[nodiscard]] std::string Url() const { return "ftp://" + Host() + "/"; }

    // Freezes the server: connections stay open and nothing more arrives.
    void Sospendi() {
        if (pid_ > 0) kill(pid_, SIGSTOP);
    }
    void Uccidi() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    // The first line the server writes; 0 when none comes within the limit.
    static int LeggiPorta(int fd) {
        constexpr auto limite = std::chrono::seconds(60);
        const auto fine = std::chrono::steady_clock::now() + limite;
        std::string riga;
        while (riga.find('\n') == std::string::npos) {
            const auto resto = std::chrono::duration_cast<std::chrono::milliseconds>(fine - std::chrono::steady_clock::now());
            pollfd p{fd, POLLIN, 0};
            if (resto.count() <= 0 || poll(&p, 1, static_cast<int>(resto.count())) <= 0) return 0;
            char blocco[64];
            const ssize_t letti = read(fd, blocco, sizeof blocco);
            if (letti <= 0) return 0;
            riga.append(blocco, static_cast<std::size_t>(letti));
        }
        return std::stoi(riga);
    }

    pid_t pid_ = -1;
    int porta_ = 0;
    int vita_ = -1;
};
