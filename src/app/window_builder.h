// Turns a window description into widgets, each named after its control.
#pragma once

#include <QWidget>
#include <functional>

#include "app/window_description.h"

namespace velquist {

// Makes the widget for a kind the builder does not know by itself (canvas, colour picker);
// returning nullptr leaves a plain widget in its place.
using CustomControlFactory = std::function<QWidget*(const ControlDescription&, QWidget* parent)>;

// Frame of a window: borderless, its size, its colour, on top when described so.
void applyWindowFrame(QWidget* window, const WindowDescription& description);

// Creates every control of the description as a child of `window` (or of its named parent).
void buildControls(QWidget* window, const WindowDescription& description,
                   const CustomControlFactory& custom = {});

// Moves a top-level window to the centre of the primary screen.
void centreOnScreen(QWidget* window);

QColor colorFromRgb(uint32_t rrggbb);

// The typed, pasted-as-is integer input of the settings and offset boxes.
void makeIntegerInput(QWidget* edit);

// The interface font, with fallbacks where the Windows font is missing.
QFont interfaceFont(int pixelSize);

}  // namespace velquist
