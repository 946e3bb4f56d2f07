// Canvas view painting, and the mouse forwarded to the editor.
#include "app/canvas_view.h"

#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QUrl>
#include <QWheelEvent>

#include "editor/hotspot_canvas.h"

namespace velquist {
namespace {

constexpr int kOutlineWidth = 2;
const QColor kOutlineColour(0x1E, 0x78, 0xFF);
// Selected hotspots: solid orange, unlike the proposals' blue dashes, on any tile colour.
constexpr int kFrameWidth = 2;
const QColor kFrameColour(0xFF, 0x8C, 0x00);
// Where grid copies would go: violet, so that they never pass for selected hotspots.
const QColor kPreviewColour(0xB4, 0x3C, 0xFF);
// Cut lines: red on a white band, seen on any picture and unlike every other mark.
const QColor kCutColour(0xFF, 0x20, 0x40);

// Drawn inside the rectangle, so that a wide pen shows where the hotspot is.
QRect inside(const Rect& r, int penWidth) {
    const int in = penWidth / 2;
    return QRect(r.left, r.top, r.width, r.height).adjusted(in, in, -in, -in);
}

// Each rectangle outlined just inside its edges, so the outline is where the hotspot will be,
// once with each pen: a dashed line over a plain one shows on light and dark pictures alike.
void drawOutlines(QPainter& painter, const std::vector<Rect>& rects,
                  std::initializer_list<QPen> pens) {
    for (const Rect& r : rects) {
        for (const QPen& pen : pens) {
            painter.setPen(pen);
            painter.drawRect(inside(r, kOutlineWidth));
        }
    }
}

}  // namespace

CanvasView::CanvasView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
}

void CanvasView::refresh() {
    for (const Rect& r : m_canvas->render()) {
        update(QRect(r.left, r.top, r.width, r.height));
    }
}

void CanvasView::setOutlines(std::vector<Rect> outlines) {
    if (outlines != m_outlines) {
        m_outlines = std::move(outlines);
        update();  // only a blit: the canvas is not recomposited
    }
}

void CanvasView::setSelectionFrames(std::vector<Rect> frames) {
    if (frames != m_frames) {
        m_frames = std::move(frames);
        update();
    }
}

void CanvasView::setDragFrame(std::optional<DragFrame> frame) {
    if (frame != m_dragFrame) {
        m_dragFrame = frame;
        update();
    }
}

void CanvasView::setPreview(std::vector<Rect> preview) {
    if (preview != m_preview) {
        m_preview = std::move(preview);
        update();
    }
}

void CanvasView::setCutLines(std::vector<Rect> lines) {
    if (lines != m_cutLines) {
        m_cutLines = std::move(lines);
        update();
    }
}

void CanvasView::paintEvent(QPaintEvent* event) {
    m_canvas->render();  // anything not yet composited joins this paint
    QPainter painter(this);
    if (const std::optional<uint32_t> plain = m_canvas->plainColor()) {
        const QRect canvas(0, 0, m_canvas->width(), m_canvas->height());
        for (const QRect& r : event->region()) {
            painter.fillRect(r.intersected(canvas), QColor::fromRgb(*plain));
        }
    } else {
        const QImage frame(reinterpret_cast<const uchar*>(m_canvas->frame()), m_canvas->width(),
                           m_canvas->height(), m_canvas->width() * 4, QImage::Format_RGB32);
        for (const QRect& r : event->region()) {
            painter.drawImage(r.topLeft(), frame, r);
        }
    }
    paintMarks(painter);
}

void CanvasView::paintMarks(QPainter& painter) const {
    painter.setPen(QPen(kFrameColour, kFrameWidth));
    for (const Rect& r : m_frames) {
        painter.drawRect(inside(r, kFrameWidth));
    }
    if (m_dragFrame) {
        // A hotspot being drawn looks selected; a selecting rectangle is a dotted band.
        const QRect band(m_dragFrame->rect.left, m_dragFrame->rect.top, m_dragFrame->rect.width,
                         m_dragFrame->rect.height);
        painter.setPen(m_dragFrame->drawsHotspot ? QPen(kFrameColour) : QPen(Qt::white));
        painter.drawRect(band);
        if (!m_dragFrame->drawsHotspot) {
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawRect(band);
        }
    }
    // Proposals: blue dashes on white. Grid copies: long violet dashes on black.
    QPen dashes(kOutlineColour, kOutlineWidth, Qt::CustomDashLine);
    dashes.setDashPattern({3, 3});
    drawOutlines(painter, m_outlines, {QPen(Qt::white, kOutlineWidth), dashes});
    QPen copies(kPreviewColour, kOutlineWidth, Qt::CustomDashLine);
    copies.setDashPattern({6, 2});
    drawOutlines(painter, m_preview, {QPen(Qt::black, kOutlineWidth), copies});
    for (const Rect& r : m_cutLines) {
        painter.fillRect(QRect(r.left, r.top - 1, r.width, 3), Qt::white);
        painter.fillRect(QRect(r.left, r.top, r.width, 1), kCutColour);
    }
}

void CanvasView::resizeEvent(QResizeEvent*) {
    m_canvas->resize(width(), height());
    update();
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
    emit pointerPressed(
        pointerInput(event->position().toPoint(), event->button(), event->modifiers()));
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(
        pointerInput(event->position().toPoint(), event->buttons(), event->modifiers()));
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event) {
    emit pointerReleased(
        pointerInput(event->position().toPoint(), event->button(), event->modifiers()));
}

void CanvasView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second click is still a press, as Qt's default makes it: a drag may start from it.
    const PointerInput input =
        pointerInput(event->position().toPoint(), event->button(), event->modifiers());
    emit pointerPressed(input);
    emit pointerDoubleClicked(input);
}

PointerInput pointerInput(QPoint at, Qt::MouseButtons button, Qt::KeyboardModifiers modifiers) {
    PointerInput input;
    input.at = {at.x(), at.y()};
    if (button & Qt::LeftButton) {
        input.button = PointerButton::Left;
    } else if (button & Qt::RightButton) {
        input.button = PointerButton::Right;
    } else if (button != Qt::NoButton) {
        input.button = PointerButton::Other;
    }
    input.modifiers = {.shift = modifiers.testFlag(Qt::ShiftModifier),
                       .control = modifiers.testFlag(Qt::ControlModifier),
                       .alt = modifiers.testFlag(Qt::AltModifier)};
    return input;
}

}  // namespace velquist

namespace velquist {
namespace {

// What a drop carries, for the editor to judge: a browser gives a picture's or a link's address
// as a URL or as plain text.
std::vector<std::string> droppedItems(const QMimeData* data) {
    std::vector<std::string> items;
    if (data == nullptr) {
        return items;
    }
    for (const QUrl& url : data->urls()) {
        items.push_back(url.isLocalFile() ? url.toLocalFile().toStdString()
                                          : url.toEncoded().toStdString());
    }
    if (items.empty() && data->hasText()) {
        items.push_back(data->text().toStdString());
    }
    return items;
}

}  // namespace

void CanvasView::wheelEvent(QWheelEvent* event) {
    // A touchpad reports pixels; a wheel reports eighths of a degree, 120 a notch = 60 px.
    QPoint delta = event->pixelDelta().isNull() ? event->angleDelta() : event->pixelDelta() * 2;
    if (event->modifiers() & Qt::ShiftModifier) {
        // Some platforms already turn a Shift+wheel sideways; others leave that to us.
        delta = QPoint(delta.y() != 0 ? delta.y() : delta.x(), 0);
    }
    emit wheelTurned(delta.x(), delta.y());
    event->accept();
}

// Every drop is taken, so that one that cannot be used can still say why.
void CanvasView::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
}

void CanvasView::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
}

void CanvasView::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    emit dropped(droppedItems(event->mimeData()));
}

}  // namespace velquist
