#pragma once

// Marks on the editors whose value differs from a compared parameter set,
// with the other value as the editor's tooltip: a dark triangle in the
// top-right corner of an edit field and on the corner of a check box's box
// or of the model list, a thick dark frame around a radio group. Dark on
// white and on the green of the operating point, a mark reads in greyscale
// and beside the green fill, which it never replaces. Only what changes is
// touched, so showing the same marks again repaints nothing.

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <map>
#include <vector>

namespace korvane::ui {

struct EditorMark {
    QWidget *editor = nullptr;  // a NumericEditor, check box, radio group or list
    QString tip;
};

class EditorMarks {
public:
    static constexpr int Size = 9;
    static inline const QColor Colour{20, 20, 150};

    // Exactly these editors are marked afterwards; the others lose their
    // mark and get their own tooltip back.
    void show(const std::vector<EditorMark> &marks);
    void clear() { show({}); }

    [[nodiscard]] bool isMarked(const QWidget *editor) const;
    [[nodiscard]] std::size_t count() const;
    // The mark of a marked editor, for a look at it; nullptr if unmarked.
    [[nodiscard]] QWidget *cornerOf(const QWidget *editor) const;

private:
    struct Placed {
        QPointer<QWidget> editor;
        QPointer<QWidget> corner;  // a sibling of the editor, kept hidden while unmarked
        QString ownTip;
        bool shown = false;
    };
    void unmark(Placed &placed);

    std::map<const QWidget *, Placed> m_placed;
};

}  // namespace korvane::ui
