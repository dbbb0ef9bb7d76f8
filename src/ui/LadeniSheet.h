#pragma once

// The "Tuning" page for experienced users; its tab stays hidden.

#include <QWidget>

namespace korvane::ui {

class EditorRegistry;
class GestureSink;

class LadeniSheet : public QWidget {
    Q_OBJECT
public:
    LadeniSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent = nullptr);
};

}  // namespace korvane::ui
