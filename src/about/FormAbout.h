#pragma once

// The About box: the picture, the build date and time, and "OK" to close.

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;

namespace korvane::about {

class FormAbout final : public QDialog {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 547;
    static constexpr int DesignHeight = 627;

    explicit FormAbout(QWidget *parent = nullptr);

    // The title follows the language at each showing.
    void FormActivate(std::uint8_t language);
    // Places the box in the middle of the area, halves rounded toward zero.
    void CentreOn(const QRect &area);

    [[nodiscard]] QLabel *Image1() const { return m_image; }
    [[nodiscard]] QLabel *LabelDate() const { return m_date; }
    [[nodiscard]] QLabel *LabelTime() const { return m_time; }
    [[nodiscard]] QPushButton *LabelExit() const { return m_exit; }

public slots:
    void Button1Click();

private:
    QLabel *m_image = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_time = nullptr;
    QPushButton *m_exit = nullptr;
};

}  // namespace korvane::about
