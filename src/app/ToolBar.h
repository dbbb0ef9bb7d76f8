#pragma once

// The tool bar above the pages: four picture buttons, the three device
// buttons, and the status label with its progress gauge.

class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace korvane::ui {
class BarGauge;
}

namespace korvane::app {

struct ToolBar {
    QWidget *GroupBoxToolBar = nullptr;
    QToolButton *SpeedButton6 = nullptr;      // New
    QToolButton *SpeedButton5 = nullptr;      // Open
    QToolButton *SpeedButton7 = nullptr;      // Save
    QToolButton *SpeedButtonPrint = nullptr;  // Print
    QPushButton *ButtonRead = nullptr;
    QPushButton *ButtonVerify = nullptr;
    QPushButton *ButtonProgram = nullptr;
    QLabel *LabelHlaseni = nullptr;
    static constexpr int StatusWidth = 260;  // LabelHlaseni by design
    ui::BarGauge *CGauge = nullptr;
};

inline constexpr int ToolBarHeight = 40;

[[nodiscard]] ToolBar BuildToolBar(QWidget *parent);

// The device buttons widen to their captions of the current language, with
// room on both sides, and stay in one row; the status label moves along if
// they need more than the design's room.
void FitDeviceButtons(const ToolBar &toolBar);

}  // namespace korvane::app
