// Frames, fonts and integer boxes of the program's windows.
#include "app/window_frame.h"

#include <algorithm>
#include <iterator>

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScreen>

namespace velquist {
namespace {

bool typeable(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-');
}

// Drops typed characters other than digits and "-", from the keyboard or committed by an input
// method; control keys and pastes pass.
class IntegerKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            if (!typed.isEmpty() && typed.at(0).isPrint() &&
                !std::all_of(typed.begin(), typed.end(), typeable)) {
                return true;
            }
        } else if (event->type() == QEvent::InputMethod) {
            auto* input = static_cast<QInputMethodEvent*>(event);
            const QString committed = input->commitString();
            if (!std::all_of(committed.begin(), committed.end(), typeable)) {
                QString kept;
                std::copy_if(committed.begin(), committed.end(), std::back_inserter(kept),
                             typeable);
                QInputMethodEvent filtered(input->preeditString(), input->attributes());
                filtered.setCommitString(kept, input->replacementStart(),
                                         input->replacementLength());
                QCoreApplication::sendEvent(watched, &filtered);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

QFont interfaceFont(int pixelSize) {
    QFont font;
    font.setFamilies({"微软雅黑", "Microsoft YaHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC"});
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    return font;
}

void makeIntegerInput(QWidget* edit) {
    edit->installEventFilter(new IntegerKeyFilter(edit));
}

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        window->move(area.x() + (area.width() - window->width()) / 2,
                     area.y() + (area.height() - window->height()) / 2);
    }
}

void moveBeside(QWidget* window, const QWidget* main) {
    const QScreen* screen = main->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect frame = main->frameGeometry();
    const QSize size = window->frameGeometry().size();
    const int top = std::clamp(frame.top(), room.top(), room.bottom() + 1 - size.height());
    if (frame.right() + size.width() <= room.right()) {
        window->move(frame.right() + 1, top);
    } else if (frame.left() - size.width() >= room.left()) {
        window->move(frame.left() - size.width(), top);
    } else {
        window->move(room.right() + 1 - size.width(), room.bottom() + 1 - size.height());
    }
}

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void frameWindow(QWidget* window, bool alwaysOnTop) {
    Qt::WindowFlags flags = window->windowFlags() | Qt::Window | Qt::FramelessWindowHint;
    flags.setFlag(Qt::WindowStaysOnTopHint, alwaysOnTop);
    window->setWindowFlags(flags);
    window->setFont(interfaceFont(12));
    centreOnScreen(window);
}

void fillWithButtonFace(QWidget* panel) {
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Base, face);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

}  // namespace velquist
