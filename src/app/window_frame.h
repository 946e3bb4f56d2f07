// What every borderless window shares: its frame, font, place on the screen and integer boxes.
#pragma once

#include <QFont>
#include <QWidget>

namespace velquist {

// A window drawn by the program itself: no system frame, the interface font, centred on the
// primary screen, kept above other windows when `alwaysOnTop`.
void frameWindow(QWidget* window, bool alwaysOnTop);

// Fills `panel` with the system's button-face colour, which a form cannot name.
void fillWithButtonFace(QWidget* panel);

// Moves a top-level window to the centre of the primary screen.
void centreOnScreen(QWidget* window);

// Moves a top-level window beside `main`: to its right, else to its left, else into the
// screen's bottom-right corner; level with its top. For windows that must not cover the canvas.
void moveBeside(QWidget* window, const QWidget* main);

// Brings an open window to the front (used when its opener is chosen again).
void bringToFront(QWidget* window);

// The typed, pasted-as-is integer input of the settings and offset boxes.
void makeIntegerInput(QWidget* edit);

// The interface font, with fallbacks where the Windows font is missing.
QFont interfaceFont(int pixelSize);

}  // namespace velquist
