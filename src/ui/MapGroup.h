#pragma once

// The editors of the five map pages: one group moved onto whichever map page
// is shown. An engine-speed axis of 15 points above 10 x 15 cells, a column
// spin button under each column, the "-"/"+" tools with the "All" check box,
// the Jet 14-23 label and the per-page extra editor.

#include "TrailRings.h"

#include <QGroupBox>
#include <QList>

class QCheckBox;
class QLabel;
class QPushButton;

namespace korvane::ui {

class EditorRegistry;
class GestureSink;
class NumericEditor;
class SpinArrows;

class MapGroup : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int Rows = 10;
    static constexpr int Columns = 15;

    MapGroup(GestureSink &sink, EditorRegistry &registry, QWidget *parent = nullptr);

    // Reparents the group onto page, makes it fill the page and shows it.
    void moveToPage(QWidget *page);

    void setExtraVisible(bool visible);  // extra editor with its caption
    void setExtraCaption(const QString &caption);
    // Off: the values stay on view, but every means of changing them goes.
    void setEditable(bool editable);
    // Off: the axis, the cells, their captions and the column spin buttons
    // give way to a table; the tools below them stay.
    void setGridShown(bool shown);
    [[nodiscard]] bool gridShown() const { return m_gridShown; }
    void setRowTexts(const QStringList &texts);
    void showJetMode(bool visible, const QString &text, const QColor &background);

    [[nodiscard]] QLabel *rowLabel(int row) const { return m_rowLabels.at(row); }
    [[nodiscard]] NumericEditor *cell(int row, int column) const { return m_cells.at(row * Columns + column); }
    [[nodiscard]] NumericEditor *axis(int column) const { return m_axis.at(column); }
    [[nodiscard]] SpinArrows *columnSpin(int column) const { return m_columnSpins.at(column); }
    [[nodiscard]] QPushButton *minusButton() const { return m_minus; }
    [[nodiscard]] QPushButton *plusButton() const { return m_plus; }
    [[nodiscard]] QCheckBox *allBox() const { return m_all; }
    [[nodiscard]] QLabel *jetModeLabel() const { return m_jetMode; }
    [[nodiscard]] NumericEditor *extraEditor() const { return m_extra; }
    [[nodiscard]] QLabel *extraLabel() const { return m_extraLabel; }

    // The marker's trail (TrailRings.h); repaints the rings that changed.
    // Returns how many cells changed.
    int setTrail(const TrailAges &ages);
    [[nodiscard]] const TrailAges &trail() const { return m_trail; }

signals:
    void minusClicked();
    void plusClicked();
    // Arrows of CSpinButtonMapColumn[column].
    void columnUpClicked(int column);
    void columnDownClicked(int column);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QLabel *> m_rowLabels;
    QList<NumericEditor *> m_axis;
    QList<NumericEditor *> m_cells;  // row by row
    QList<SpinArrows *> m_columnSpins;
    QPushButton *m_minus = nullptr;
    QPushButton *m_plus = nullptr;
    QCheckBox *m_all = nullptr;
    QLabel *m_jetMode = nullptr;
    NumericEditor *m_extra = nullptr;
    QLabel *m_extraLabel = nullptr;
    QList<QLabel *> m_gridCaptions;  // "RPM", "TPS"
    bool m_gridShown = true;
    TrailAges m_trail;
};

}  // namespace korvane::ui
