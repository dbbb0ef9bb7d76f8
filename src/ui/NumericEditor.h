#pragma once

// An edit field with a spin control attached to its right: the spin control
// owns a signed 16-bit value with minimum, maximum and step and does not wrap.
// Values from 1000 on are shown with the system locale's digit grouping, and
// typed text is parsed with the same locale; text that is not a number, or a
// number outside the range, leaves the previous value in force.
//
// Object names: the edit is "Edit" + name, the spin control "UpDown" + name,
// the editor itself "UpDown" + name + "Editor".

#include <QColor>
#include <QWidget>

class QLineEdit;

namespace korvane::ui {

class SpinArrows;

class NumericEditor : public QWidget {
    Q_OBJECT
public:
    // Form editors report leaving the field; editors built in code report a
    // mouse click into the field, both as editExit().
    enum class Origin { Form, BuiltInCode };

    // A little wider than the classic 40 + 16 so that "25 000" fits in
    // today's fonts; the column pitch stays the same.
    static constexpr int EditWidth = 44;
    static constexpr int SpinWidth = 14;
    static constexpr int RowHeight = 21;

    NumericEditor(const QString &name, Origin origin, QWidget *parent = nullptr);

    [[nodiscard]] QLineEdit *edit() const { return m_edit; }
    [[nodiscard]] SpinArrows *upDown() const { return m_upDown; }
    [[nodiscard]] Origin origin() const { return m_origin; }

    // Puts the edit at (editLeft, top) with the spin control right of it.
    void placeAt(int editLeft, int top);

    void setRange(int minimum, int maximum);  // keeps the value inside
    void setMaximum(int maximum);
    void setStep(int step);
    [[nodiscard]] int minimum() const { return m_min; }
    [[nodiscard]] int maximum() const { return m_max; }
    [[nodiscard]] int step() const { return m_step; }

    // Clamps into the range and rewrites the text. Fires no signal.
    void setValue(int value);
    // Takes a valid typed text first, then returns the value in force.
    [[nodiscard]] int value();
    // The value in force without looking at the text.
    [[nodiscard]] int storedValue() const { return m_value; }

    void setEditVisible(bool visible);
    void setSpinVisible(bool visible);
    // Background colours; setting the colour already there repaints nothing.
    void setEditColour(const QColor &colour);
    void setSpinColour(const QColor &colour);
    [[nodiscard]] QColor editColour() const { return m_editColour; }
    [[nodiscard]] QColor spinColour() const { return m_spinColour; }

    // The text a value is shown with, in the system locale.
    [[nodiscard]] static QString FormatValue(int value);
    // Parses typed text in the system locale, digit grouping optional.
    [[nodiscard]] static int ParseValue(const QString &text, bool *ok);

signals:
    void upDownClick();   // an arrow was clicked by the user; the value has stepped
    void editExit();      // see Origin
    void enterPressed();  // Return or keypad Enter in the edit; the key is swallowed

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stepBy(int direction);
    void showValue();

    QLineEdit *m_edit;
    SpinArrows *m_upDown;
    Origin m_origin;
    int m_min = 0;
    int m_max = 100;
    int m_step = 1;
    int m_value = 0;
    QColor m_editColour;
    QColor m_spinColour;
};

}  // namespace korvane::ui
