// ludomatic-cli colonne: the columns of a column file.
#include <ostream>

#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/columns/FileColonne.h"
#include "core/io/Errore.h"

namespace ludo::cli {
namespace {

// One column as its numbers in ascending order.
std::string numeriJson(Colonna colonna) {
    Json numeri;
    numeri.beginArray();
    for (; colonna != 0; colonna &= colonna - 1) numeri.value(NumeroK(1, colonna));
    numeri.endArray();
    return numeri.str();
}

}  // namespace

int comandoColonne(Contesto& contesto, const Argomenti& argomenti) {
    ListaColonne lista;
    if (!LeggiFile(lista, contesto.fileColonne(argomenti.primo()), argomenti.ha("--espandi")))
        throw Errore(MsgErroreLetturaColonne);
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
