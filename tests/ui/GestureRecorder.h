#pragma once

// A window stand-in that counts the gestures the pages report.

#include "ui/GestureSink.h"

#include <QList>

namespace korvane::ui::test {

class GestureRecorder : public GestureSink {
public:
    void UpDownClick() override { ++upDown; }
    void EditExit() override { ++editExit; }
    void FormKeyPress(QWidget *control) override { keyControls.append(control); }
    void CheckBoxMouseUp() override { ++checkUp; }
    void RadioGroupPolohaAClick() override { ++radio; }
    void ComboBoxBikeChange() override { ++bike; }

    int upDown = 0;
    int editExit = 0;
    int checkUp = 0;
    int radio = 0;
    int bike = 0;
    QList<QWidget *> keyControls;
};

}  // namespace korvane::ui::test
