#include "core/update/SessioneFtp.h"

#include <curl/curl.h>

#include <fstream>
#include <mutex>
#include <string_view>
#include <system_error>

namespace ludo {
namespace {

// The password of an anonymous login, by custom an address.
constexpr char PasswordAnonima[] = "ludomatic@";

void InizializzaCurl() {
    static std::once_flag fatto;
    std::call_once(fatto, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The URL of the server's folder, always ending in "/".
std::string UrlCartella(std::string server) {
    if (server.find("://") == std::string::npos) server.insert(0, "ftp://");
    if (server.back() != '/') server += '/';
    return server;
}

std::string Codifica(CURL* curl, std::string_view testo) {
    char* codificato = curl_easy_escape(curl, testo.data(), static_cast<int>(testo.size()));
    std::string risultato = codificato != nullptr ? codificato : "";
    curl_free(codificato);
    return risultato;
}

// Each folder of the path becomes a CWD of its own; "%2F" starts from the
// server's root instead of the login folder.
std::string PercorsoFile(CURL* curl, std::string_view cartella, std::string_view nome) {
    std::string percorso;
    if (cartella.starts_with('/')) percorso = "%2F";
    while (!cartella.empty()) {
        const auto fine = cartella.find('/');
        const auto parte = cartella.substr(0, fine);
        if (!parte.empty()) percorso += Codifica(curl, parte) + "/";
        cartella = fine == std::string_view::npos ? std::string_view() : cartella.substr(fine + 1);
    }
    return percorso + Codifica(curl, nome);
}

using Orologio = std::chrono::steady_clock;

struct StatoRichiesta {
    Avanzamento* avanzamento;
    std::chrono::seconds attesaMassima;
    curl_off_t totaleNoto = 0;  // from SIZE, when the transfer does not say it
    std::ofstream* uscita = nullptr;  // none: what arrives is not kept
    curl_off_t limite = 0;            // the most bytes kept
    curl_off_t scritti = 0;
    curl_off_t ultimiRicevuti = 0;
    Orologio::time_point ultimoArrivo = Orologio::now();
    bool scaduto = false;
};

// Called as data arrives and at least once a second while none does: the
// watchdog counts from the last byte received.
int Progresso(void* dati, curl_off_t totale, curl_off_t ricevuti, curl_off_t, curl_off_t) {
    auto& stato = *static_cast<StatoRichiesta*>(dati);
    if (stato.avanzamento->annullato()) return 1;
    const auto adesso = Orologio::now();
    if (ricevuti != stato.ultimiRicevuti) {
        stato.ultimiRicevuti = ricevuti;
        stato.ultimoArrivo = adesso;
    } else if (adesso - stato.ultimoArrivo >= stato.attesaMassima) {
        stato.scaduto = true;
        return 1;
    }
    stato.avanzamento->Progresso(ricevuti, totale > 0 ? totale : stato.totaleNoto);
    return 0;
}

std::size_t Scrivi(char* dati, std::size_t, std::size_t quanti, void* destinazione) {
    auto& stato = *static_cast<StatoRichiesta*>(destinazione);
    if (stato.uscita == nullptr) return quanti;
    stato.scritti += static_cast<curl_off_t>(quanti);
    if (stato.scritti > stato.limite) return 0;
    stato.uscita->write(dati, static_cast<std::streamsize>(quanti));
    return stato.uscita->good() ? quanti : 0;
}

std::size_t Ignora(char*, std::size_t, std::size_t quanti, void*) { return quanti; }

EsitoFtp EsitoDi(CURLcode codice, const StatoRichiesta& stato, EsitoFtp altrimenti) {
    switch (codice) {
        case CURLE_OK:
            return EsitoFtp::Riuscito;
        case CURLE_ABORTED_BY_CALLBACK:
            return stato.scaduto ? EsitoDi(CURLE_OPERATION_TIMEDOUT, stato, altrimenti) : EsitoFtp::Annullato;
        case CURLE_OPERATION_TIMEDOUT:
            return altrimenti == EsitoFtp::CollegamentoFallito ? altrimenti : EsitoFtp::TempoScaduto;
        default:
            return altrimenti;
    }
}

class SessioneCurl final : public SessioneFtp {
public:
    SessioneCurl(std::chrono::seconds attesaMassima, std::int64_t dimensioneMassima)
        : attesa_(attesaMassima), limite_(dimensioneMassima) {
        InizializzaCurl();
    }
    ~SessioneCurl() override { Scollega(); }
    SessioneCurl(const SessioneCurl&) = delete;
    SessioneCurl& operator=(const SessioneCurl&) = delete;

    EsitoFtp Collega(const std::string& server, Avanzamento& avanzamento) override {
        Scollega();
        curl_ = curl_easy_init();
        if (curl_ == nullptr) return EsitoFtp::CollegamentoFallito;
        cartella_ = UrlCartella(server);
        StatoRichiesta stato{&avanzamento, attesa_};
        // A request without a body logs in and stays connected for the downloads.
        return EsitoDi(Esegui(cartella_, stato, true), stato, EsitoFtp::CollegamentoFallito);
    }

    EsitoFtp Scarica(const std::string& cartella, const std::string& nome, const std::filesystem::path& destinazione,
                     Avanzamento& avanzamento) override {
        if (curl_ == nullptr) return EsitoFtp::CollegamentoFallito;
        const std::string url = cartella_ + PercorsoFile(curl_, cartella, nome);
        StatoRichiesta stato{&avanzamento, attesa_};
        // SIZE first: the total for the gauge, and a missing file is known
        // before anything is written.
        const CURLcode dimensione = Esegui(url, stato, true);
        if (dimensione != CURLE_OK) return EsitoDi(dimensione, stato, EsitoFtp::ErroreTrasferimento);
        curl_easy_getinfo(curl_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &stato.totaleNoto);
        stato.limite = limite_;
        avanzamento.Progresso(0, stato.totaleNoto > 0 ? stato.totaleNoto : 0);
        EsitoFtp esito = EsitoFtp::ErroreTrasferimento;
        {
            std::ofstream uscita(destinazione, std::ios::binary | std::ios::trunc);
            if (uscita) {
                stato.uscita = &uscita;
                esito = EsitoDi(Esegui(url, stato, false), stato, EsitoFtp::ErroreTrasferimento);
                uscita.close();
                if (esito == EsitoFtp::Riuscito && uscita.fail()) esito = EsitoFtp::ErroreTrasferimento;
            }
        }
        if (esito != EsitoFtp::Riuscito) {
            std::error_code ec;
            std::filesystem::remove(destinazione, ec);
        }
        return esito;
    }

    void Scollega() override {
        if (curl_ != nullptr) curl_easy_cleanup(curl_);
        curl_ = nullptr;
    }

private:
    CURLcode Esegui(const std::string& url, StatoRichiesta& stato, bool senzaCorpo) {
        curl_easy_reset(curl_);
        curl_easy_setopt(curl_, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl_, CURLOPT_PROTOCOLS_STR, "ftp");
        curl_easy_setopt(curl_, CURLOPT_USERNAME, "anonymous");
        curl_easy_setopt(curl_, CURLOPT_PASSWORD, PasswordAnonima);
        curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl_, CURLOPT_TRANSFERTEXT, 0L);
        const long attesa = static_cast<long>(attesa_.count());
        curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT, attesa);
        curl_easy_setopt(curl_, CURLOPT_SERVER_RESPONSE_TIMEOUT, attesa);
        curl_easy_setopt(curl_, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl_, CURLOPT_XFERINFOFUNCTION, &Progresso);
        curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, &stato);
        curl_easy_setopt(curl_, CURLOPT_NOBODY, senzaCorpo ? 1L : 0L);
        curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &Scrivi);
        curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &stato);
        // The sizes a request without a body reports are read from curl, not from here.
        curl_easy_setopt(curl_, CURLOPT_HEADERFUNCTION, &Ignora);
        return curl_easy_perform(curl_);
    }

    std::chrono::seconds attesa_;
    curl_off_t limite_;
    CURL* curl_ = nullptr;
    std::string cartella_;
};

}  // namespace

std::unique_ptr<SessioneFtp> CreaSessioneFtp(std::chrono::seconds attesaMassima, std::int64_t dimensioneMassima) {
    return std::make_unique<SessioneCurl>(attesaMassima, dimensioneMassima);
}

}  // namespace ludo
