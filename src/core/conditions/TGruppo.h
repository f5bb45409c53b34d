#pragma once
// A group of conditions of one kind (sums, remainders, filter columns, …):
// the column must pass every effective member.

#include "core/conditions/TCondizione.h"

namespace ludo {

class TGruppo : public TCondizione {
public:
    // A group of the given code holding members of codiceMembri.
    TGruppo(std::uint8_t codice, std::uint8_t codiceMembri, std::string nome, TCondizioniSistema* proprietario)
        : TCondizione(codice, std::move(nome), proprietario), CodiceMembri(codiceMembri) {}
    TGruppo(const TGruppo& altro);
    TGruppo& operator=(const TGruppo&) = delete;

    std::uint8_t CodiceMembri;
    std::vector<std::unique_ptr<TCondizione>> Elenco;
    std::int32_t Riservato = 0;

    [[nodiscard]] std::unique_ptr<TCondizione> Copia() const override { return std::make_unique<TGruppo>(*this); }
    void Assegna(const TCondizione& altra) override;
    std::vector<std::unique_ptr<TCondizione>>* Membri() override { return &Elenco; }

    // Appends a default member; returns it.
    TCondizione& NuovoMembro();

    void AdattaIntervallo() override;
    void ImpostaPercorso(const std::string& percorsoPadre) override;
    void AggiornaStato() override;
    void AzzeraStatistiche() override;
    void AnalizzaColonne(const ListaColonne& colonne) override;
    void Stampa(RigheDescrizione& righe, int rientro) const override;
    bool Verifica(Colonna colonna) override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

// Copies of every member, in order.
std::vector<std::unique_ptr<TCondizione>> CopiaMembri(const std::vector<std::unique_ptr<TCondizione>>& membri);

// The same operation on every member.
void AdattaIntervalloMembri(std::vector<std::unique_ptr<TCondizione>>& membri);
void AzzeraStatisticheMembri(std::vector<std::unique_ptr<TCondizione>>& membri);
void AnalizzaColonneMembri(std::vector<std::unique_ptr<TCondizione>>& membri, const ListaColonne& colonne);

// Each member's Percorso: the container's path, "\", its name, a blank and
// its 1-based position in width 3.
void ImpostaPercorsiMembri(std::vector<std::unique_ptr<TCondizione>>& membri, const std::string& percorso);

}  // namespace ludo
