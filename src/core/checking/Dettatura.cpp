#include "core/checking/Dettatura.h"

#include <algorithm>

#include "core/columns/Colonna.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"

namespace ludo {

TrattoVoce TrattoNumero(int numero) {
    const TrattoVoce& t = TabellaVoce.at(static_cast<std::size_t>(numero - 1));
    return {t.Da, t.A - CodaVoce};
}

namespace {

std::filesystem::path FileVocaleIn(const std::filesystem::path& cartella) {
    return io::resolvePath(io::resolvePath(cartella, io::kWav), NomeFileVocale);
}

}  // namespace

std::filesystem::path PercorsoFileVocale(const std::filesystem::path& cartellaProgramma,
                                         const std::filesystem::path& predefiniti) {
    const auto proprio = FileVocaleIn(cartellaProgramma);
    std::error_code ec;
    if (std::filesystem::exists(proprio, ec) || predefiniti.empty()) return proprio;
    const auto installato = FileVocaleIn(predefiniti);
    return std::filesystem::exists(installato, ec) ? installato : proprio;
}

io::SuonoWav CaricaFileVocale(const std::filesystem::path& file) {
    auto suono = io::LeggiWav(file);
    if (!suono || suono->DurataMs() < TrattoNumero(32).A) throw Errore(MsgFileVocale);
    return std::move(*suono);
}

int IntervalloTimer(int decimi) { return decimi * 100 + 1000; }

TDettatura::TDettatura(const ListaColonne& lista)
    : schedine_(SchedineDiSei(lista)), alla_(std::max(NumeroSchedine(), 1)) {}

const TSchedinaVin& TDettatura::SchedinaCorrente() const {
    static const TSchedinaVin nessuna{};
    if (schedine_.empty()) return nessuna;
    return schedine_[static_cast<std::size_t>(schedina_ - 1)];
}

std::vector<Colonna> TDettatura::ColonneCorrenti() const {
    const TSchedinaVin& s = SchedinaCorrente();
    return {s.Colonne.begin(), s.Colonne.begin() + s.Quante};
}

int TDettatura::ImpostaDalla(int schedina) {
    dalla_ = std::clamp(schedina, 1, alla_);
    schedina_ = dalla_;
    colonna_ = 1;
    numero_ = 1;
    return dalla_;
}

int TDettatura::ImpostaAlla(int schedina) {
    alla_ = std::clamp(schedina, dalla_, std::max(NumeroSchedine(), 1));
    return alla_;
}

bool TDettatura::Avvia() {
    if (schedine_.empty()) return false;
    if (stato_ == Stato::InPausa) {
        stato_ = Stato::InCorso;
        return false;
    }
    colonna_ = 1;
    numero_ = 1;
    stato_ = Stato::InCorso;
    return true;
}

void TDettatura::Pausa() { stato_ = stato_ == Stato::InPausa ? Stato::InCorso : Stato::InPausa; }

void TDettatura::Ferma() {
    stato_ = Stato::Fermo;
    schedina_ = dalla_;
}

TDettatura::Passo TDettatura::Tick() {
    Passo passo;
    if (schedine_.empty()) {
        passo.Dopo = stato_;
        return passo;
    }
    const TSchedinaVin& s = SchedinaCorrente();
    const Colonna colonna = s.Colonne[static_cast<std::size_t>(colonna_ - 1)];
    const int quanti = NumeroNumeri(colonna);
    if (quanti == 0) {
        FineSchedina(passo);  // an empty column ends the slip
        passo.Dopo = stato_;
        return passo;
    }
    passo.Numero = NumeroK(numero_, colonna);
    passo.Colonna = colonna_;
    passo.Posizione = numero_;
    if (numero_ < quanti) {
        ++numero_;
    } else {
        numero_ = 1;
        const bool altra = colonna_ < s.Quante && !EVuota(s.Colonne[static_cast<std::size_t>(colonna_)]);
        if (altra) {
            ++colonna_;
        } else {
            FineSchedina(passo);
        }
    }
    passo.Dopo = stato_;
    return passo;
}

void TDettatura::FineSchedina(Passo& passo) {
    colonna_ = 1;
    numero_ = 1;
    if (schedina_ < alla_) {
        ++schedina_;
        if (PausaDopoSchedina) Pausa();
        passo.NuovaSchedina = true;
    } else {
        Ferma();
    }
}

}  // namespace ludo
