#include "ui/checking/FoglioXlsx.h"

#include <xlsxwriter.h>

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <system_error>

std::function<bool(const QString&)> AperturaFoglioDiProva;

namespace {

constexpr lxw_color_t ColoreEvidenza = 0xFFFF80;  // as the window highlights the row

bool ScriviCelle(lxw_workbook* libro, const ludo::FoglioEsportazione& foglio) {
    lxw_worksheet* pagina = workbook_add_worksheet(libro, "Spoglio Storico");
    lxw_format* evidenza = workbook_add_format(libro);
    if (pagina == nullptr || evidenza == nullptr) return false;
    format_set_bg_color(evidenza, ColoreEvidenza);
    for (std::size_t j = 0; j < foglio.Larghezze.size(); ++j) {
        const auto c = static_cast<lxw_col_t>(j);
        if (worksheet_set_column(pagina, c, c, foglio.Larghezze[j], nullptr) != LXW_NO_ERROR)
            return false;
    }
    for (std::size_t r = 0; r < foglio.Righe.size(); ++r) {
        lxw_format* formato = foglio.Evidenziata[r] ? evidenza : nullptr;
        const auto& riga = foglio.Righe[r];
        for (std::size_t j = 0; j < riga.size(); ++j) {
            if (worksheet_write_string(pagina, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(j),
                                       riga[j].c_str(), formato) != LXW_NO_ERROR)
                return false;
        }
    }
    return true;
}

// The desktop launcher starts whatever is asked and says nothing when no
// program takes the file type: ask the desktop's database first.
bool QualcunoApreIFogli() {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return true;  // no database to ask: let the launcher try
    QProcess domanda;
    domanda.start(
        xdgMime,
        {QStringLiteral("query"), QStringLiteral("default"),
         QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")});
    if (!domanda.waitForFinished(5000)) return true;
    return !domanda.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

bool ScriviFoglioXlsx(const ludo::FoglioEsportazione& foglio,
                      const std::filesystem::path& percorso) {
    namespace fs = std::filesystem;
    fs::path temporaneo = percorso;
    temporaneo += ".tmp";
    lxw_workbook* libro = workbook_new(temporaneo.c_str());
    if (libro == nullptr) return false;
    const bool celle = ScriviCelle(libro, foglio);
    const bool chiuso = workbook_close(libro) == LXW_NO_ERROR;  // frees the book whatever happened
    std::error_code errore;
    if (celle && chiuso) fs::rename(temporaneo, percorso, errore);
    if (!celle || !chiuso || errore) {
        fs::remove(temporaneo, errore);
        return false;
    }
    return true;
}

bool ApriFoglioDiCalcolo(const QString& file) {
    if (AperturaFoglioDiProva) return AperturaFoglioDiProva(file);
    return QualcunoApreIFogli() && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}
