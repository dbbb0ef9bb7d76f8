#include "print/WindowPicture.h"

#include <QLayout>
#include <QMainWindow>
#include <QPixmap>

namespace korvane::print {

QImage ClientAreaPicture(QMainWindow &window)
{
    // Controls were just hidden; lay out now rather than on the next event.
    if (QLayout *layout = window.layout())
        layout->activate();
    QRect area = window.rect();
    if (const QWidget *menu = window.menuWidget(); menu != nullptr && menu->isVisible())
        area.setTop(menu->geometry().bottom() + 1);
    return window.grab(area).toImage();
}

}  // namespace korvane::print
