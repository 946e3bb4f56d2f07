// A mouse drag as a user makes it: press, a move half-way, a move to the end, release.
#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>

namespace velquist::test {

inline void drag(QWidget* on, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(on, Qt::LeftButton, modifiers, from);
    QTest::mouseMove(on, (from + to) / 2);
    QTest::mouseMove(on, to);
    QTest::mouseRelease(on, Qt::LeftButton, modifiers, to);
}

}  // namespace velquist::test
