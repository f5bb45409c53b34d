#pragma once
// The header of the archive view's tables, three bands high: the title of
// each family's block and its sub-headings, both across the block's
// columns, then the kind of each value column. A fixed column's title
// takes the whole height.

#include <QHeaderView>

class IntestazioneArchivio : public QHeaderView {
  public:
    explicit IntestazioneArchivio(QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

  private:
    [[nodiscard]] int AltezzaFascia() const;
};
