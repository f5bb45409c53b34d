#pragma once
// The parts of a control that assistive tools see as objects of their own
// (the cells of a forecast strip, of a coupon grid) without being widgets:
// each part reports to the interface of its control, and the control's
// interface keeps one registered object per part for as long as it lives.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <unordered_map>

class ElementoAccessibile : public QAccessibleInterface {
  public:
    ElementoAccessibile(QWidget* controllo, int indice) : controllo_(controllo), indice_(indice) {}

    [[nodiscard]] bool isValid() const override { return !controllo_.isNull(); }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override;
    [[nodiscard]] QAccessibleInterface* parent() const override;
    [[nodiscard]] QAccessibleInterface* child(int /*indice*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*figlio*/) const override {
        return -1;
    }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override {
        return nullptr;
    }
    void setText(QAccessible::Text /*t*/, const QString& /*testo*/) override {}

    [[nodiscard]] int Indice() const { return indice_; }

  protected:
    [[nodiscard]] QWidget* Controllo() const { return controllo_; }
    // A rectangle of the control in screen coordinates.
    [[nodiscard]] QRect SulloSchermo(const QRect& r) const;

  private:
    QPointer<QWidget> controllo_;
    int indice_;
};

// One registered part per index, made when first asked for and unregistered
// with the cache (that is, with the control's interface).
class FigliAccessibili {
  public:
    FigliAccessibili() = default;
    ~FigliAccessibili() { Svuota(); }
    FigliAccessibili(const FigliAccessibili&) = delete;
    FigliAccessibili& operator=(const FigliAccessibili&) = delete;

    QAccessibleInterface* Figlio(int indice, const std::function<QAccessibleInterface*()>& crea);
    void Svuota();

  private:
    std::unordered_map<int, QAccessible::Id> id_;
};

// Makes the program's own interfaces (forecast strips, coupon grids) known
// to Qt's accessibility; called by those controls as they are built.
void InstallaAccessibilita();
