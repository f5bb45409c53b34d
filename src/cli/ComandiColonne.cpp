// ludomatic-cli colonne: the columns of a column file.
#include <ostream>

#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/columns/FileColonne.h"

namespace ludo::cli {
namespace {

constexpr std::string_view kUsoColonne = "Uso: ludomatic-cli colonne FILE.Col [--espandi]";

// One column as its numbers in ascending order.
std::string numeriJson(Colonna colonna) {
    Json numeri;
    numeri.beginArray();
    for (; colonna != 0; colonna &= colonna - 1) numeri.value(NumeroK(1, colonna));
    numeri.endArray();
    return numeri.str();
}

}  // namespace

int comandoColonne(Contesto& contesto, std::span<const std::string> argomenti) {
    std::string percorso;
    bool espandi = false;
    for (const auto& argomento : argomenti) {
        if (argomento == "--espandi" && !espandi) {
            espandi = true;
        } else if (percorso.empty() && !argomento.starts_with("--")) {
            percorso = argomento;
        } else {
            percorso.clear();
            break;
        }
    }
    if (percorso.empty()) {
        contesto.err << kUsoColonne << "\n";
        return 1;
    }
    ListaColonne lista;
    if (!LeggiFile(lista, std::filesystem::path(percorso), espandi)) {
        contesto.err << MsgErroreLetturaColonne << "\n";
        return 1;
    }
    // Written column by column: a whole development is millions of them.
    contesto.out << "{\"colonne\":[";
    const char* separatore = "";
    for (const Colonna colonna : lista) {
        contesto.out << separatore << numeriJson(colonna);
        separatore = ",";
    }
    contesto.out << "],\"conteggio\":" << lista.Conteggio() << "}\n";
    return 0;
}

}  // namespace ludo::cli
