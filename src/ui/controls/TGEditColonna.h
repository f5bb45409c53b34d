#pragma once
// Sign-pattern editor: eight one-position boxes in a column, position 1 at
// the top, editing a pattern of eight values (0 empty, 1 "P" even,
// 2 "D" odd, 3 "PD" either).

#include <QList>
#include <QWidget>
#include <array>
#include <cstdint>

#include "ui/controls/TGEditSegno.h"

using Sequela = std::array<std::uint8_t, 8>;

class TGEditColonna : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int FieldWidth READ FieldWidth WRITE setFieldWidth)
    Q_PROPERTY(int FieldHeight READ FieldHeight WRITE setFieldHeight)
    Q_PROPERTY(int Gap1 READ Gap1 WRITE setGap1)
    Q_PROPERTY(bool Singolo READ Singolo WRITE setSingolo)
    Q_PROPERTY(bool Contiguo READ Contiguo WRITE setContiguo)
    Q_PROPERTY(bool Completo READ Completo WRITE setCompleto)
    Q_PROPERTY(bool Modificato READ Modificato)
public:
    static constexpr int Posizioni = 8;

    explicit TGEditColonna(QWidget* parent = nullptr);

    [[nodiscard]] int FieldWidth() const { return fieldWidth_; }
    void setFieldWidth(int n);
    [[nodiscard]] int FieldHeight() const { return fieldHeight_; }
    void setFieldHeight(int n);
    [[nodiscard]] int Gap1() const { return gap1_; }
    void setGap1(int n);
    [[nodiscard]] bool Singolo() const { return singolo_; }
    void setSingolo(bool singolo);
    [[nodiscard]] bool Contiguo() const { return contiguo_; }
    void setContiguo(bool contiguo) { contiguo_ = contiguo; }
    [[nodiscard]] bool Completo() const { return completo_; }
    void setCompleto(bool completo) { completo_ = completo; }
    [[nodiscard]] bool Modificato() const { return modificato_; }

    // Rewrites the eight boxes, clears Modificato and fires OnModificato.
    void ImpostaSequela(const Sequela& sequela);
    // The pattern of the boxes; the result tells whether it is valid.
    bool LeggiSequela(Sequela& sequela) const;
    // With completo every position must be filled; with contiguo no filled
    // position may follow an empty one.
    static bool SequelaValida(const Sequela& sequela, bool contiguo, bool completo);

    [[nodiscard]] TGEditSegno* Casella(int posizione) const { return caselle_[posizione - 1]; }
    [[nodiscard]] QSize sizeHint() const override;

signals:
    // After every edit of a box and after the pattern is set.
    void OnModificato();

private:
    void Disponi();
    void Sposta(int indice, int passo);

    int fieldWidth_ = 40;
    int fieldHeight_ = 20;
    int gap1_ = 1;
    bool singolo_ = false;
    bool contiguo_ = false;
    bool completo_ = false;
    bool modificato_ = false;
    QList<TGEditSegno*> caselle_;
};
