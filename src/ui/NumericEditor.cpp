#include "NumericEditor.h"

#include "SpinArrows.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace korvane::ui {

namespace {

constexpr int Int16Min = std::numeric_limits<std::int16_t>::min();
constexpr int Int16Max = std::numeric_limits<std::int16_t>::max();

// Leaving the field for a popup, a dialog or another window is no edit
// gesture: the focus comes back to the same field.
bool IsLeavingGesture(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

}  // namespace

NumericEditor::NumericEditor(const QString &name, Origin origin, QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_upDown(new SpinArrows(this)), m_origin(origin)
{
    setObjectName(QStringLiteral("UpDown") + name + QStringLiteral("Editor"));
    m_edit->setObjectName(QStringLiteral("Edit") + name);
    m_upDown->setObjectName(QStringLiteral("UpDown") + name);
    m_edit->setGeometry(0, 0, EditWidth, RowHeight);
    m_upDown->setGeometry(EditWidth, 0, SpinWidth, RowHeight);
    resize(EditWidth + SpinWidth, RowHeight);
    m_edit->installEventFilter(this);
    connect(m_upDown, &SpinArrows::upClicked, this, [this] { stepBy(1); });
    connect(m_upDown, &SpinArrows::downClicked, this, [this] { stepBy(-1); });
    showValue();
}

void NumericEditor::placeAt(int editLeft, int top)
{
    setGeometry(editLeft, top, EditWidth + SpinWidth, RowHeight);
}

void NumericEditor::setRange(int minimum, int maximum)
{
    m_min = std::clamp(minimum, Int16Min, Int16Max);
    m_max = std::clamp(maximum, m_min, Int16Max);
    m_value = std::clamp(m_value, m_min, m_max);
    showValue();
}

void NumericEditor::setMaximum(int maximum)
{
    setRange(std::min(m_min, maximum), maximum);
}

void NumericEditor::setStep(int step)
{
    m_step = std::max(1, step);
}

void NumericEditor::setValue(int value)
{
    m_value = std::clamp(value, m_min, m_max);
    showValue();
}

int NumericEditor::value()
{
    bool ok = false;
    const int typed = ParseValue(m_edit->text(), &ok);
    if (ok && typed >= m_min && typed <= m_max) {
        m_value = typed;
    }
    return m_value;
}

void NumericEditor::setEditVisible(bool visible)
{
    m_edit->setVisible(visible);
}

void NumericEditor::setSpinVisible(bool visible)
{
    m_upDown->setVisible(visible);
}

void NumericEditor::setEditColour(const QColor &colour)
{
    if (colour == m_editColour) {
        return;
    }
    m_editColour = colour;
    QPalette palette;  // unresolved: only the roles set below override
    if (colour.isValid()) {
        palette.setColor(QPalette::Base, colour);
    }
    m_edit->setPalette(palette);
}

void NumericEditor::setSpinColour(const QColor &colour)
{
    if (colour == m_spinColour) {
        return;
    }
    m_spinColour = colour;
    m_upDown->setColour(colour);
}

QString NumericEditor::FormatValue(int value)
{
    if (value < 1000) {
        return QString::number(value);
    }
    return QLocale().toString(value);
}

int NumericEditor::ParseValue(const QString &text, bool *ok)
{
    const QString trimmed = text.trimmed();
    const QLocale locale;
    bool parsed = false;
    int result = locale.toInt(trimmed, &parsed);
    if (!parsed) {
        // Locales grouping with a no-break space: a typed ordinary space means the same.
        const QString group = locale.groupSeparator();
        if (group.size() == 1 && group.at(0).isSpace()) {
            QString normalised = trimmed;
            for (const QChar blank : {QChar(u' '), QChar(0x00A0), QChar(0x202F)}) {
                normalised.replace(blank, group.at(0));
            }
            result = locale.toInt(normalised, &parsed);
        }
    }
    if (!parsed) {
        // Values below 1000 are shown with plain digits in any locale.
        result = trimmed.toInt(&parsed);
    }
    if (ok != nullptr) {
        *ok = parsed;
    }
    return parsed ? result : 0;
}

bool NumericEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit enterPressed();
            return true;
        }
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            stepBy(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
        break;
    }
    case QEvent::FocusOut:
        if (m_origin == Origin::Form && IsLeavingGesture(static_cast<QFocusEvent *>(event)->reason())) {
            emit editExit();
        }
        break;
    case QEvent::MouseButtonPress:
        if (m_origin == Origin::BuiltInCode && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            emit editExit();
        }
        break;
    case QEvent::Wheel:
        if (m_edit->hasFocus()) {
            const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
            if (delta != 0) {
                stepBy(delta > 0 ? 1 : -1);
            }
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void NumericEditor::stepBy(int direction)
{
    // Like a spin control bound to its edit: a valid typed value is the
    // starting point of the step.
    const int start = value();
    m_value = std::clamp(start + direction * m_step, m_min, m_max);
    showValue();
    emit upDownClick();
}

void NumericEditor::showValue()
{
    const QString text = FormatValue(m_value);
    if (m_edit->text() != text) {
        m_edit->setText(text);
    }
}

}  // namespace korvane::ui
