// Controls as a user expects to find them in a window: there, shown whole, with their captions.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <span>

#include "app/image_button.h"

namespace velquist::test {

struct ExpectedControl {
    const char* name;
    const char* text = nullptr;  // caption of a button or label; nullptr: not checked
    const char* state = "";      // "hidden" or "disabled" when the control is so at creation
};

inline QString describeControl(const char* name, const char* text, const QString& state) {
    QString line = QString::fromUtf8(name);
    if (text != nullptr) {
        line += QString(" \"%1\"").arg(QString::fromUtf8(text));
    }
    return state.isEmpty() ? line : line + " " + state;
}

// One line per control, so that a failed comparison names the control and what differs.
inline QStringList expectedLines(std::span<const ExpectedControl> controls) {
    QStringList lines;
    for (const ExpectedControl& c : controls) {
        lines << describeControl(c.name, c.text, QString::fromUtf8(c.state));
    }
    return lines;
}

// Whether `w` lies wholly inside each of its parents up to `window`, so none cuts part of it off.
inline bool shownWhole(const QWidget* w, const QWidget* window) {
    for (; w != window && w->parentWidget() != nullptr; w = w->parentWidget()) {
        if (!w->parentWidget()->rect().contains(w->geometry())) {
            return false;
        }
    }
    return true;
}

// The same lines read from the widgets of `window`; a control cut off by a parent says so.
inline QStringList builtLines(const QWidget* window, std::span<const ExpectedControl> controls) {
    QStringList lines;
    for (const ExpectedControl& c : controls) {
        const auto* w = window->findChild<const QWidget*>(QString::fromUtf8(c.name));
        if (w == nullptr) {
            lines << QString::fromUtf8(c.name) + " missing";
            continue;
        }
        QByteArray text;
        if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            text = b->text().toUtf8();
        } else if (const auto* l = qobject_cast<const QLabel*>(w)) {
            text = l->text().toUtf8();
        }
        const QString state = !w->isVisibleTo(window)  ? "hidden"
                              : !shownWhole(w, window) ? "cut off"
                              : !w->isEnabled()        ? "disabled"
                                                       : "";
        lines << describeControl(c.name, c.text != nullptr ? text.constData() : nullptr, state);
    }
    return lines;
}

// Normal text, normal background, hover text, hover background, as "#rrggbb".
inline QStringList colorsOf(const ImageButton* button) {
    const ImageButton::Colors& c = button->colors();
    return {c.text.name(), c.background.name(), c.hoverText.name(), c.hoverBackground.name()};
}

}  // namespace velquist::test
