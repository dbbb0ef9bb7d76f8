#pragma once

// SIGTERM and SIGHUP close the window the normal way (settings saved, port
// closed) instead of killing the program mid-write.

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace korvane::app {

class SignalCloser : public QObject {
    Q_OBJECT
public:
    explicit SignalCloser(QWidget &window);
    ~SignalCloser() override;

private:
    void onSignal();

    QWidget &m_window;
    QSocketNotifier *m_notifier = nullptr;
};

}  // namespace korvane::app
