#pragma once

// Enter in a check box or in the model list confirms the page like Enter in
// an edit field: the key goes to the window's key handler instead of the
// control.

#include <QObject>

class QWidget;

namespace korvane::ui {

class GestureSink;

class EnterKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit EnterKeyFilter(GestureSink &sink, QObject *parent = nullptr);

    // Reports Return and keypad Enter in control to FormKeyPress.
    void watch(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GestureSink &m_sink;
};

}  // namespace korvane::ui
