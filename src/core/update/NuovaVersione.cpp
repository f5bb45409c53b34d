#include "core/update/NuovaVersione.h"

#include <zip.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace ludo {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t TipoFile = 0170000;
constexpr std::uint32_t TipoCollegamento = 0120000;
constexpr char SuffissoVecchio[] = ".vecchio";

struct ChiudiZip {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using Zip = std::unique_ptr<zip_t, ChiudiZip>;

struct ChiudiVoce {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};
using VoceAperta = std::unique_ptr<zip_file_t, ChiudiVoce>;

struct Voce {
    zip_uint64_t indice;
    std::string nome;
    std::uint64_t dimensione;
    fs::perms permessi;
    bool cartella;
};

// A relative path made of plain names: nothing that could leave the folder
// it is expanded into.
bool NomeSicuro(std::string_view nome) {
    if (nome.empty() || nome.front() == '/' || nome.find_first_of("\\:") != std::string_view::npos) return false;
    if (nome.back() == '/') nome.remove_suffix(1);
    while (true) {
        const auto fine = nome.find('/');
        const auto parte = nome.substr(0, fine);
        if (parte.empty() || parte == "." || parte == "..") return false;
        if (fine == std::string_view::npos) return true;
        nome.remove_prefix(fine + 1);
    }
}

// The Unix mode an archive made on Unix records; ordinary files otherwise.
std::uint32_t Modo(zip_t* z, zip_uint64_t indice) {
    zip_uint8_t sistema = 0;
    zip_uint32_t attributi = 0;
    if (zip_file_get_external_attributes(z, indice, 0, &sistema, &attributi) != 0 || sistema != ZIP_OPSYS_UNIX) {
        return 0100644;
    }
    return attributi >> 16;
}

fs::perms Permessi(std::uint32_t modo, std::string_view nome) {
    auto permessi = static_cast<fs::perms>(modo & 0777) | fs::perms::owner_read | fs::perms::owner_write;
    if (nome == NomeEseguibile) permessi |= fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return permessi;
}

// Every entry, checked against the rules and the limits before anything is written.
bool LeggiVoci(zip_t* z, const LimitiArchivio& limiti, std::vector<Voce>& voci) {
    const zip_int64_t numero = zip_get_num_entries(z, 0);
    if (numero < 0 || static_cast<std::uint64_t>(numero) > limiti.voci) return false;
    std::uint64_t totale = 0;
    bool eseguibile = false;
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(numero); ++i) {
        zip_stat_t stato;
        if (zip_stat_index(z, i, 0, &stato) != 0 || (stato.valid & ZIP_STAT_NAME) == 0 ||
            (stato.valid & ZIP_STAT_SIZE) == 0) {
            return false;
        }
        const std::string nome = stato.name;
        const std::uint32_t modo = Modo(z, i);
        if (!NomeSicuro(nome) || (modo & TipoFile) == TipoCollegamento || stato.size > limiti.perFile) return false;
        totale += stato.size;
        if (totale > limiti.totale) return false;
        eseguibile = eseguibile || nome == NomeEseguibile;
        voci.push_back({i, nome, stato.size, Permessi(modo, nome), nome.back() == '/'});
    }
    return eseguibile;
}

// Copies an entry, never more bytes than it declares; zip_fread reports a
// checksum that does not match at the entry's end.
bool EstraiVoce(zip_t* z, const Voce& voce, const fs::path& destinazione) {
    const VoceAperta file(zip_fopen_index(z, voce.indice, 0));
    std::ofstream uscita(destinazione, std::ios::binary | std::ios::trunc);
    if (!file || !uscita) return false;
    std::array<char, 1 << 16> blocco{};
    std::uint64_t copiati = 0;
    while (true) {
        const zip_int64_t letti = zip_fread(file.get(), blocco.data(), blocco.size());
        if (letti < 0) return false;
        if (letti == 0) break;
        copiati += static_cast<std::uint64_t>(letti);
        if (copiati > voce.dimensione) return false;
        uscita.write(blocco.data(), letti);
    }
    uscita.close();
    std::error_code ec;
    fs::permissions(destinazione, voce.permessi, ec);
    return copiati == voce.dimensione && !uscita.fail() && !ec;
}

bool Estrai(zip_t* z, const std::vector<Voce>& voci, const fs::path& cartella) {
    for (const Voce& voce : voci) {
        const fs::path destinazione = cartella / voce.nome;
        std::error_code ec;
        fs::create_directories(voce.cartella ? destinazione : destinazione.parent_path(), ec);
        if (ec || (!voce.cartella && !EstraiVoce(z, voce, destinazione))) return false;
    }
    return true;
}

void Svuota(const fs::path& cartella) {
    std::error_code ec;
    for (const auto& voce : fs::directory_iterator(cartella, ec)) fs::remove_all(voce.path(), ec);
}

struct Sostituito {
    fs::path destinazione;
    bool conVecchio;  // an old file was put aside
};

fs::path Vecchio(const fs::path& file) { return fs::path(file) += SuffissoVecchio; }

void Ripristina(const std::vector<Sostituito>& fatti) {
    std::error_code ec;
    for (auto it = fatti.rbegin(); it != fatti.rend(); ++it) {
        if (it->conVecchio) {
            fs::rename(Vecchio(it->destinazione), it->destinazione, ec);
        } else {
            fs::remove(it->destinazione, ec);
        }
    }
}

std::vector<fs::path> FileRelativi(const fs::path& cartella) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        if (it->is_regular_file(ec)) files.push_back(it->path().lexically_relative(cartella));
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Puts one new file in its place, the old one aside; false when it cannot.
bool Sostituisci(const fs::path& nuovo, const fs::path& destinazione, std::vector<Sostituito>& fatti) {
    std::error_code ec;
    fs::create_directories(destinazione.parent_path(), ec);
    if (ec) return false;
    const bool esiste = fs::exists(fs::symlink_status(destinazione, ec));
    if (esiste) {
        fs::rename(destinazione, Vecchio(destinazione), ec);
        if (ec) return false;
    }
    fatti.push_back({destinazione, esiste});
    fs::rename(nuovo, destinazione, ec);
    return !ec;
}

}  // namespace

bool EspandiNuovaVersione(const fs::path& archivio, const fs::path& cartella, const LimitiArchivio& limiti) {
    int errore = 0;
    const Zip z(zip_open(archivio.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &errore));
    std::vector<Voce> voci;
    const bool espanso = z && LeggiVoci(z.get(), limiti, voci) && Estrai(z.get(), voci, cartella);
    if (!espanso) Svuota(cartella);
    return espanso;
}

bool InstallaNuovaVersione(const fs::path& nuovi, const fs::path& cartella) {
    std::vector<Sostituito> fatti;
    bool riuscita = true;
    for (const fs::path& relativo : FileRelativi(nuovi)) {
        riuscita = Sostituisci(nuovi / relativo, cartella / relativo, fatti);
        if (!riuscita) break;
    }
    std::error_code ec;
    if (riuscita) {
        for (const auto& f : fatti) {
            if (f.conVecchio) fs::remove_all(Vecchio(f.destinazione), ec);
        }
    } else {
        Ripristina(fatti);
    }
    fs::remove_all(nuovi, ec);
    return riuscita;
}

}  // namespace ludo
