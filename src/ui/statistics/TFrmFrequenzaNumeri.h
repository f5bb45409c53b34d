#pragma once
// "Frequenza dei Numeri": how many of the system's columns in memory hold
// each number, as counts or as a share of the columns, in two tables
// (matches 1-16 and 17-32) and a chart of all 32.

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

namespace Ui {
class TFrmFrequenzaNumeri;
}

class QTableWidget;

class TFrmFrequenzaNumeri : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("frequenza-numeri");
    static inline const QString NomeFilePdf = QStringLiteral("Frequenze dei numeri.pdf");

    TFrmFrequenzaNumeri(const std::array<std::int64_t, 32>& conteggi, std::size_t colonne,
                        QWidget* parent = nullptr);
    ~TFrmFrequenzaNumeri() override;

  private:
    [[nodiscard]] QString Testo(int numero) const;
    void Aggiorna();
    void Riempi(QTableWidget& tabella, int primo, const QString& partite, const QString& frequenze);
    void StampaClick();

    std::unique_ptr<Ui::TFrmFrequenzaNumeri> ui;
    std::array<std::int64_t, 32> conteggi_;
    std::size_t colonne_;
};
