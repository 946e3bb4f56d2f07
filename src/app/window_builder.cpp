// Building windows from their descriptions.
#include "app/window_builder.h"

#include <algorithm>
#include <iterator>

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSlider>

#include "app/control_label.h"
#include "app/image_button.h"
#include "app/qt_text.h"

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

void setColors(QWidget* widget, const ControlColors& colors) {
    QPalette palette = widget->palette();
    if (colors.text != kNoColor) {
        palette.setColor(QPalette::WindowText, colorFromRgb(colors.text));
        palette.setColor(QPalette::Text, colorFromRgb(colors.text));
    }
    if (colors.background != kNoColor) {
        palette.setColor(QPalette::Window, colorFromRgb(colors.background));
        palette.setColor(QPalette::Base, colorFromRgb(colors.background));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QWidget* makeStandard(const ControlDescription& d, QWidget* parent) {
    switch (d.kind) {
        case ControlKind::ImageButton: {
            auto* button = new ImageButton(
                {colorFromRgb(d.colors.text), colorFromRgb(d.colors.background),
                 colorFromRgb(d.colors.hoverText), colorFromRgb(d.colors.hoverBackground)},
                parent);
            button->setText(toQString(d.caption));
            return button;
        }
        case ControlKind::Label: {
            auto* label = new ControlLabel(parent);
            // Labels show the user's own text (links, tips, addresses, file names): as written,
            // never as markup that could load pictures or hide what is there.
            label->setTextFormat(Qt::PlainText);
            label->setText(toQString(d.caption));
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case ControlKind::EditBox: {
            auto* edit = new QLineEdit(toQString(d.caption), parent);
            if (d.flags & control_flag::kCentred) {
                edit->setAlignment(Qt::AlignCenter);
            }
            if (d.flags & control_flag::kIntegerInput) {
                makeIntegerInput(edit);
            }
            return edit;
        }
        case ControlKind::TextArea: {
            auto* area = new QPlainTextEdit(toQString(d.caption), parent);
            area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            return area;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(toQString(d.caption), parent);
        case ControlKind::DropDown: {
            auto* combo = new QComboBox(parent);
            combo->addItems(toQString(d.caption).split(QLatin1Char('|')));
            combo->setCurrentIndex(d.value);
            return combo;
        }
        case ControlKind::Slider:
            return new QSlider(Qt::Horizontal, parent);
        case ControlKind::Panel:
        case ControlKind::Canvas:
        case ControlKind::ColorPicker:
            return new QWidget(parent);
    }
    return new QWidget(parent);
}

}  // namespace

QColor colorFromRgb(uint32_t rrggbb) {
    if (rrggbb == kButtonFace) {
        return QGuiApplication::palette().color(QPalette::Button);
    }
    return rrggbb == kNoColor ? QColor() : QColor::fromRgb(static_cast<QRgb>(rrggbb | 0xFF000000u));
}

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

void applyWindowFrame(QWidget* window, const WindowDescription& d) {
    Qt::WindowFlags flags = window->windowFlags() | Qt::Window | Qt::FramelessWindowHint;
    flags.setFlag(Qt::WindowStaysOnTopHint, d.alwaysOnTop);
    window->setWindowFlags(flags);
    window->setObjectName(toQString(d.name));
    window->resize(d.width, d.height);
    window->setFont(interfaceFont(12));
    if (d.background != kNoColor) {
        setColors(window, {kNoColor, d.background});
    }
    centreOnScreen(window);
}

void buildControls(QWidget* window, const WindowDescription& d,
                   const CustomControlFactory& custom) {
    for (const ControlDescription& c : d.controls) {
        QWidget* parent =
            c.parent.empty() ? window : window->findChild<QWidget*>(toQString(c.parent));
        QWidget* widget = nullptr;
        if (custom && (c.kind == ControlKind::Canvas || c.kind == ControlKind::ColorPicker)) {
            widget = custom(c, parent);
        }
        if (widget == nullptr) {
            widget = makeStandard(c, parent);
        }
        widget->setObjectName(toQString(c.name));
        widget->setGeometry(c.x, c.y, c.width, c.height);
        if (!c.tooltip.empty()) {
            widget->setToolTip(toQString(c.tooltip));
        }
        if (c.fontPixels > 0) {
            widget->setFont(interfaceFont(c.fontPixels));
        }
        if (c.kind != ControlKind::ImageButton) {  // image buttons paint their own colours
            setColors(widget, c.colors);
        }
        if (c.flags & control_flag::kSizeVerCursor) {
            widget->setCursor(Qt::SizeVerCursor);
        } else if (c.flags & control_flag::kSizeHorCursor) {
            widget->setCursor(Qt::SizeHorCursor);
        }
        widget->setEnabled(!(c.flags & control_flag::kDisabled));
        widget->setVisible(!(c.flags & control_flag::kHidden));
    }
}

}  // namespace velquist
