#pragma once

// A main window in its own configuration and working folders, driven tick by
// tick by the test instead of its timer.

#include "FakeDialogs.h"
#include "app/TFormHlav.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace korvane::test {

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid() && m_data.isValid() && m_work.isValid());
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        m_oldData = qgetenv("XDG_DATA_HOME");
        m_oldWork = QDir::currentPath();
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        QDir::setCurrent(m_work.path());
    }

    void TearDown() override
    {
        window.reset();
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
        qputenv("XDG_DATA_HOME", m_oldData);
        QDir::setCurrent(m_oldWork);
    }

    // device: the terminal of a simulated unit, or a path that does not exist.
    app::TFormHlav &open(const QString &device = {})
    {
        app::StartOptions options;
        options.dialogs = &dialogs;
        options.runTimer = false;
        options.device = device.isEmpty() ? m_work.filePath(QStringLiteral("no-such-port")) : device;
        window = std::make_unique<app::TFormHlav>(options);
        window->show();
        QApplication::processEvents();
        return *window;
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            window->Timer1Timer();
    }

    // Ticks the window at its own pace until done() or the time is up; a
    // simulated unit is another process, so real time has to pass between ticks.
    bool tickUntil(const std::function<bool()> &done, int timeoutMs = 15000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            window->Timer1Timer();
            if (done())
                return true;
            QTest::qWait(app::TFormHlav::TickMs / 5);
        }
        return false;
    }

    [[nodiscard]] QString status() const
    {
        return window->findChild<QLabel *>(QStringLiteral("LabelHlaseni"))->text();
    }

    [[nodiscard]] QString workPath(const QString &name) const { return m_work.filePath(name); }
    // $XDG_DATA_HOME of the window: restore points and ride logs go below it.
    [[nodiscard]] QString dataPath(const QString &name) const { return m_data.filePath(name); }

    FakeDialogs dialogs;
    std::unique_ptr<app::TFormHlav> window;

private:
    QTemporaryDir m_config;
    QTemporaryDir m_data;
    QTemporaryDir m_work;
    QByteArray m_oldConfig;
    QByteArray m_oldData;
    QString m_oldWork;
};

}  // namespace korvane::test
