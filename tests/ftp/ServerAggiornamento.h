#pragma once
// The update server of the tests: a real FTP server on the loopback address
// over a folder laid out as the update server's. Its dwninfo.txt names the
// server itself as the host of the data; the archives folder holds two
// contests, the analysis tables and the four team lists, the coupon folder a
// coupon. Files are built from their layouts.

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#include "ftp/ServerFtpDiProva.h"

class ServerAggiornamento {
public:
    static constexpr std::int32_t ConcorsoServito = 17;
    static constexpr char CasaPartita1[] = "Sampdoria";

    explicit ServerAggiornamento(int byteAlSecondo = 0) : radice_(CreaCartella()) {
        Servi("archivi/archivio.ttg", Concorsi());
        std::filesystem::copy_file(LUDO_DATA_DIR "/ARCHIVI/archdb.ttg", radice_ / "archivi/archdb.ttg");
        for (const char* lista : {"squadra", "squadrb", "squadrc1", "squadrc2"}) {
            Servi(std::string("archivi/") + lista + ".txt", std::string("Nuova ") + lista + "\r\n");
        }
        Servi("schedina/_ludomatic.gsc", Schedina());
        server_ = std::make_unique<ServerFtpDiProva>(radice_, byteAlSecondo);
        ScriviParametri(server_->Host());
    }
    ~ServerAggiornamento() {
        server_.reset();
        std::error_code ec;
        std::filesystem::remove_all(radice_, ec);
    }
    ServerAggiornamento(const ServerAggiornamento&) = delete;
    ServerAggiornamento& operator=(const ServerAggiornamento&) = delete;

    // Puts a file on the server (relativo: "archivi/squadrb.txt").
    void Servi(const std::string& relativo, const std::string& contenuto) const {
        std::filesystem::create_directories((radice_ / relativo).parent_path());
        std::ofstream(radice_ / relativo, std::ios::binary | std::ios::trunc) << contenuto;
    }
    void Togli(const std::string& relativo) const { std::filesystem::remove(radice_ / relativo); }
    // dwninfo.txt with the data on host.
    void ScriviParametri(const std::string& host) const {
        Servi("dwninfo.txt", "Parametri di aggiornamento\r\n[LUDOMATIC 4]\r\nHostName=" + host +
                                 "\r\nArchiviDir=/archivi\r\nSchedinaDir=schedina\r\nExeDir=/programma\r\n");
    }

    [[nodiscard]] ServerFtpDiProva& Ftp() const { return *server_; }
    [[nodiscard]] std::string Url() const { return server_->Url(); }
    [[nodiscard]] const std::filesystem::path& Radice() const { return radice_; }

    // Contests 1 and 2 of the season 2023/24 as 7-byte records: year since
    // 1900, number, type (1, Serie A), the winning mask little-endian.
    static std::string Concorsi() {
        std::string b;
        for (std::uint8_t numero : {1, 2}) {
            b += {static_cast<char>(123), static_cast<char>(numero), 1};
            const std::uint32_t vincente = 0xFFu << numero;
            for (int i = 0; i < 4; ++i) b += static_cast<char>((vincente >> (8 * i)) & 0xFFu);
        }
        return b;
    }

    // The coupon file: the contest number (4 bytes), then home and away team
    // of each of the 32 matches as short strings of 20 characters.
    static std::string Schedina() {
        std::string b;
        for (int i = 0; i < 4; ++i) b += static_cast<char>((ConcorsoServito >> (8 * i)) & 0xFF);
        for (int partita = 1; partita <= 32; ++partita) {
            for (const std::string& nome : {partita == 1 ? std::string(CasaPartita1) : "Casa", std::string("Ospite")}) {
                b += static_cast<char>(nome.size());
                b += nome + std::string(20 - nome.size(), '\0');
            }
        }
        return b;
    }

private:
    static std::filesystem::path CreaCartella() {
        std::string modello = (std::filesystem::temp_directory_path() / "ludo-ftp-XXXXXX").string();
        if (mkdtemp(modello.data()) == nullptr) throw std::runtime_error("cartella del server FTP");
        return modello;
    }

    std::filesystem::path radice_;
    std::unique_ptr<ServerFtpDiProva> server_;
};
