#pragma once

// Up and down arrows without a value of their own: the spin part of a
// numeric editor, and the column spin buttons of the map group.

#include <QColor>
#include <QWidget>

namespace korvane::ui {

class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(QWidget *parent = nullptr);

    void setColour(const QColor &colour);  // nothing happens if unchanged
    [[nodiscard]] QColor colour() const { return m_colour; }
    [[nodiscard]] QSize sizeHint() const override;

signals:
    void upClicked();
    void downClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Part { None, Up, Down };
    [[nodiscard]] Part partAt(const QPoint &position) const;

    Part m_pressed = Part::None;
    QColor m_colour;
};

}  // namespace korvane::ui
