// A secondary window built from its description: borderless, centred, title strip that drags it.
#pragma once

#include <QPoint>
#include <QWidget>

#include "app/qt_text.h"
#include "app/window_builder.h"
#include "app/window_description.h"

namespace velquist {

class DescribedWindow : public QWidget {
    Q_OBJECT
public:
    // `titleLabel` names the label of the title strip, which moves the window when dragged;
    // `custom` makes the controls the builder cannot make by itself.
    DescribedWindow(const WindowDescription& description, std::string_view titleLabel,
                    QWidget* owner = nullptr, const CustomControlFactory& custom = {});

    template <typename T>
    T* control(std::string_view name) const {
        return findChild<T*>(toQString(name));
    }

private:
    QPoint m_dragOffset;
};

// Brings an open window to the front (used when its opener is chosen again).
void bringToFront(QWidget* window);

}  // namespace velquist
