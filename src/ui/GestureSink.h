#pragma once

// The window's gesture handlers as the pages see them. Pages wire their
// controls to these on user-only signals; showing values never reaches them.

class QWidget;

namespace korvane::ui {

class GestureSink {
public:
    virtual ~GestureSink() = default;
    virtual void UpDownClick() = 0;              // an arrow of a spin control was clicked
    virtual void EditExit() = 0;                 // left a form edit / clicked into a built-in-code edit
    virtual void FormKeyPress(QWidget *control) = 0;  // Enter in control (already swallowed)
    virtual void CheckBoxMouseUp() = 0;          // a listed check box toggled by the user
    virtual void RadioGroupPolohaAClick() = 0;   // a position reference picked by the user
    virtual void ComboBoxBikeChange() = 0;       // a model picked by the user
};

}  // namespace korvane::ui
