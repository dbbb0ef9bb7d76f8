#include "ui/Colours.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace korvane::ui {
namespace {

// The colour last set through this file; an unset property reads as the
// palette's own colour, which is what a fresh widget shows.
constexpr const char *BackgroundProperty = "korvaneBackground";
constexpr const char *ForegroundProperty = "korvaneForeground";

[[nodiscard]] QColor Remembered(const QWidget *widget, const char *property)
{
    return widget->property(property).value<QColor>();
}

bool SetRoleColour(QWidget *widget, const char *property, QPalette::ColorRole role, const QColor &colour)
{
    if (widget == nullptr || Remembered(widget, property) == colour)
        return false;
    widget->setProperty(property, colour);
    QPalette palette = widget->palette();
    palette.setColor(role, colour.isValid() ? colour : QApplication::palette(widget).color(role));
    widget->setPalette(palette);
    return true;
}

}  // namespace

QColor ToQColor(link::Colour colour)
{
    switch (colour) {
    case link::Colour::Normal: return {};
    case link::Colour::Red: return {255, 0, 0};
    case link::Colour::Yellow: return {255, 255, 0};
    case link::Colour::Aqua: return {0, 255, 255};
    case link::Colour::Lime: return {0, 255, 0};
    case link::Colour::Fuchsia: return {255, 0, 255};
    case link::Colour::Blue: return {0, 0, 255};
    case link::Colour::White: return {255, 255, 255};
    case link::Colour::Black: return {0, 0, 0};
    case link::Colour::Desktop: return {0, 128, 128};
    case link::Colour::Green: return MarkerGreen;
    }
    return {};
}

bool SetBackground(QWidget *widget, const QColor &colour)
{
    if (!SetRoleColour(widget, BackgroundProperty, widget ? widget->backgroundRole() : QPalette::Window, colour))
        return false;
    // Without its own fill a widget shows its parent, not the colour; with
    // its own colour back it blends with its parent again.
    widget->setAutoFillBackground(colour.isValid());
    return true;
}

bool SetForeground(QWidget *widget, const QColor &colour)
{
    return SetRoleColour(widget, ForegroundProperty, widget ? widget->foregroundRole() : QPalette::WindowText,
                         colour);
}

bool SetLabelText(QWidget *label, const QString &text)
{
    auto *asLabel = qobject_cast<QLabel *>(label);
    if (asLabel == nullptr || asLabel->text() == text)
        return false;
    asLabel->setText(text);
    return true;
}

}  // namespace korvane::ui
