#pragma once

// Writes a decoded live-data frame into the monitor labels and gauges of the
// window. The widgets are looked up by object name once; every write goes
// through the change-only setters, so a frame that repeats the last one
// repaints nothing.

#include "link/MonitorDecoder.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

class QWidget;

namespace korvane::ui {

class BarGauge;

// The text a live-data label carries before the first frame.
[[nodiscard]] QString MonitorDesignText(std::string_view label);

class MonitorView {
public:
    // Labels and gauges missing under root are skipped when shown.
    explicit MonitorView(QWidget *root);

    void show(const link::MonitorReadout &readout);
    // The texts shown while no unit answers, in language.
    void showPlaceholders(std::uint8_t language);

private:
    struct LabelSlot {
        QWidget *label;
        link::LabelView link::MonitorReadout::*view;
    };
    struct GaugeSlot {
        BarGauge *gauge;
        link::GaugeView link::MonitorReadout::*view;
    };

    std::vector<LabelSlot> m_labels;
    std::vector<GaugeSlot> m_gauges;
    std::array<QWidget *, 8> m_tests{};
    QWidget *m_n2o = nullptr;
    std::vector<std::pair<std::string_view, QWidget *>> m_placeholders;
};

}  // namespace korvane::ui
