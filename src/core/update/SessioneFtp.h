#pragma once
// A session with an FTP server as the update uses it: connect and log in,
// download files in binary mode with progress, stop on request, disconnect.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "core/io/Avanzamento.h"

namespace ludo {

enum class EsitoFtp {
    Riuscito,
    CollegamentoFallito,  // the server could not be reached or refused the login
    ErroreTrasferimento,  // a missing file, a broken connection, a file that cannot be written
    TempoScaduto,         // nothing arrived for the whole watchdog time
    Annullato,            // the progress sink asked to stop
};

// How long a transfer may go without receiving anything.
inline constexpr std::chrono::seconds AttesaMassimaPredefinita{100};
// The largest file a download accepts: a server that sends without end
// does not fill the disk.
inline constexpr std::int64_t DimensioneMassimaPredefinita = std::int64_t{1} << 30;

class SessioneFtp {
public:
    virtual ~SessioneFtp() = default;

    // Connects to server ("host", "host:porta" or "ftp://host[:porta]/cartella/")
    // as the anonymous user; later paths are taken from that folder.
    virtual EsitoFtp Collega(const std::string& server, Avanzamento& avanzamento) = 0;
    // Downloads cartella/nome (cartella empty: the session's folder; a leading
    // "/" makes it absolute on the server) into destinazione, reporting the
    // bytes received and the total. A download that does not succeed leaves
    // no destinazione behind.
    virtual EsitoFtp Scarica(const std::string& cartella, const std::string& nome,
                             const std::filesystem::path& destinazione, Avanzamento& avanzamento) = 0;
    virtual void Scollega() = 0;
};

// The session over libcurl: passive mode, binary transfers, only the FTP
// protocol. attesaMassima bounds the connection, every server reply and
// the time since the last byte arrived (the watchdog); a file larger than
// dimensioneMassima ends its download with ErroreTrasferimento.
std::unique_ptr<SessioneFtp> CreaSessioneFtp(std::chrono::seconds attesaMassima = AttesaMassimaPredefinita,
                                             std::int64_t dimensioneMassima = DimensioneMassimaPredefinita);

}  // namespace ludo
