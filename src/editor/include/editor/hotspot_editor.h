// The hotspot editor: the edited map, its drawing on the canvas, the pointer and the resize
// handles. User actions become map operations here; the canvas follows the map. Each action
// answers what it has to say in the status line, which the window keeps.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/hotspot_style.h"
#include "core/status.h"
#include "editor/arrangement.h"
#include "editor/background_alignment.h"
#include "editor/cut_lines.h"
#include "editor/edited_map.h"
#include "editor/hotspot_canvas.h"
#include "editor/hotspot_fields.h"
#include "editor/picture_analysis.h"
#include "editor/pointer_input.h"
#include "editor/resize_handles.h"
#include "editor/said.h"
#include "editor/undo_history.h"
#include "mapfile/map_document.h"
#include "pictures/picture.h"
#include "slicing/slice_export.h"

namespace velquist {

// What a picture load is for, decided when it starts.
enum class LoadPurpose {
    Replace,       // a new map on the picture (unless the map changes while it loads)
    KeepHotspots,  // "保留热区": only the picture under the map changes
    MapPicture,    // the picture of a restored, opened or imported map
    AddPicture,    // "添加图片": the picture goes below the page's last one
};

// The hotspot-content window's texts for the hotspot it edits.
struct ContentForm {
    bool found = false;  // false: no such hotspot; there is nothing to edit
    std::string tip;
    std::string link;
    int32_t id = 0;     // the hotspot the window edits
    std::string title;  // "热区内容 (x1, y1, x2, y2)", picture coordinates as in the status line
};

// "内容" answers the form, and why there is none to edit.
struct ContentOpened {
    ContentForm form;
    Said said;
};

// What became of the texts the window stored.
struct ContentApplied {
    bool stored = false;  // false: the typed texts had nowhere to go
    Said said;
};

// What became of a cell typed in the hotspot list; a refused value leaves the map as it was.
struct FieldEdit {
    bool stored = false;
    Said said;
};

class HotspotEditor {
public:
    HotspotEditor(int canvasWidth, int canvasHeight);
    HotspotEditor(const HotspotEditor&) = delete;
    HotspotEditor& operator=(const HotspotEditor&) = delete;

    // --- views ---
    const EditedMap& map() const { return m_map; }
    // The drawing of the map. The view renders and sizes it; its objects change only by
    // following the map.
    HotspotCanvas& canvas() { return m_canvas; }
    const HotspotCanvas& canvas() const { return m_canvas; }
    const HandleSet& handles() const { return m_handles; }
    // "添加热区" waits for the first background.
    bool addHotspotEnabled() const { return m_map.hasBackground(); }

    // The style of hotspots added from now on.
    void setStyle(const HotspotStyle& style) { m_map.setStyle(style); }

    // --- map actions ---
    // A new hotspot at (100, 100) in the current style, link "#", empty tip; it becomes current.
    // A style size that gives no picture adds nothing and says why.
    Said addHotspot();
    // "删除": the selected hotspot goes, reported in the status line.
    Said deleteSelectedHotspot();
    Said alignBackground(Alignment where);
    // A load of `address` for `purpose` is under way (it supersedes any other); it has fetched
    // `received` bytes of `total` (when the server said). What they say is the load's own word:
    // the status line shows progress only while it still says what the load last said (see
    // MainStatusLine). The picture of a replaced map comes quietly.
    Said loadStarted(std::string address, LoadPurpose purpose = LoadPurpose::Replace);
    Said loadProgressed(uint64_t received, std::optional<uint64_t> total);
    // The purpose of the load under way, if any.
    std::optional<LoadPurpose> runningLoad() const;
    // Esc or "取消": the load under way is dropped and the map stays as it is. Says nothing when
    // no load runs.
    Said cancelLoad();
    // What the picture-address window offers: the address being loaded, else the background's.
    const std::string& addressToShow() const;
    // The end of a load: a picture replaces the map; a failure keeps the map and says why. Only
    // the picture under the map changes (a first picture is loaded as usual) with
    // `keepHotspots`, for a load started to keep them, and when the hotspots changed while it
    // ran. The picture of a replaced map goes to finishPictureFetch.
    Said finishLoad(const std::string& address, Result<Picture> result, bool keepHotspots = false);
    // Whether the picture of the running load, when it arrives, replaces the map, hotspots and all.
    bool loadReplacesMap() const { return m_load && !keepsTheMap(&*m_load, false); }

    // --- keys and wheel; with no hotspot selected the keys that change one do nothing ---
    // Moves the selected hotspot by (dx, dy). Nudges of the same hotspot in a row are one step.
    Said nudgeSelected(int dx, int dy);
    // A copy of each selected hotspot (size, tip, link, look) 10 px right and down, as one step;
    // the copies become the selection.
    Said duplicateSelected();
    // Selects the next (or previous) hotspot in table order, wrapping around; with none selected,
    // the first (or last).
    Said selectNextHotspot(bool backward = false);
    // A wheel turn over the canvas, in eighths of a degree (120 = one notch = 60 px): moves the
    // background with every hotspot as a drag does, within the range of wheelScrolledPosition.
    // Fractions of a pixel add up over calls.
    // Wheel moves in a row are one step.
    Said wheel(int deltaX, int deltaY);

    // --- several hotspots at once ---
    // The hotspots `ids` become the selection, the first of them current (ids of no hotspot are
    // left out). The status line tells the hotspot, or how many and the box around them.
    Said selectHotspots(const std::vector<int32_t>& ids);
    // Ctrl+A: every hotspot.
    Said selectAll();
    // Esc: no hotspot stays selected. Says nothing when none was.
    Said clearSelection();
    // What the status line says about the selection: one hotspot, or several and their box.
    Said selectionStatus() const;
    // The frames drawn on the selected hotspots while two or more are selected (one selected
    // hotspot shows its handles instead), in canvas coordinates and map order.
    std::vector<Rect> selectionFrames() const;
    // The rectangle of a Shift or Ctrl drag under way.
    std::optional<DragFrame> dragFrame() const;

    // --- copy, cut, paste: the clipboard holds the hotspots as image-map code ---
    // Ctrl+C: what to say; the shell puts the selected hotspots' code on the clipboard.
    Said copySelection() const;
    // Ctrl+X: the selected hotspots go, as one step, once the shell has copied them.
    Said cutSelection();
    // Ctrl+V: the rectangular <area>s of `code` (read as "从代码导入热区…" reads code; lines
    // without their <map> too) become hotspots in the current style at their picture
    // coordinates, moved on by pasteOffset from identical ones; they become the selection. One
    // step; without a picture, or without areas, nothing changes and the reason is said.
    Said pasteCode(std::string_view code);

    // --- the hotspot list ---
    // A cell of hotspot `id` typed in: a number (picture coordinates, as the status line gives
    // them) out of range or not a number is refused with the range; a tip or link typed for a
    // selected hotspot goes to every selected one. One step.
    FieldEdit editField(int32_t id, HotspotColumn column, std::string_view text);
    // Ctrl+Up / Ctrl+Down: the selected hotspots move one place in the map order (and so in the
    // stacking), staying selected. One step.
    Said moveSelectedInOrder(bool up);

    // --- whole maps ---
    // The map becomes `document` as one undo step named `label`, with `picture` (shared) as its
    // background; without one the picture is still to come (finishPictureFetch). Hotspots take
    // the current style's look. What to say about it is the caller's.
    void replaceMap(const char* label, const MapDocument& document,
                    std::shared_ptr<const Picture> picture);
    // The map as it is saved; a picture still to come counts with the size the document said.
    MapDocument document() const;
    // The end of fetching the picture of a replaced map: it becomes the background and every
    // hotspot stays. A failure keeps the hotspots and says why. Not a step of its own: undoing
    // the replacement takes the picture with it. A result for a picture no longer awaited (the
    // map changed picture since) changes nothing.
    Said finishPictureFetch(const std::string& address, Result<Picture> result);
    // Whether the map waits for its picture from `address`.
    bool awaitsPicture(const std::string& address) const;
    // Grows with every change of the map, so that a saved copy can tell it is behind.
    uint64_t changeCount() const { return m_changeCount; }

    // --- the history of map changes ---
    Said undo();
    Said redo();
    const UndoHistory& history() const { return m_history; }

    // --- the hotspot-content window ---
    // The texts for the selected hotspot, or for hotspot `id`.
    ContentForm contentForm() const { return contentFormFor(m_map.selection()); }
    ContentForm contentFormFor(int32_t id) const;
    // "内容": the form for the selected hotspot; with none selected, says so.
    ContentOpened openContent();
    // Stores the edited tip and link (as typed) in the hotspot the window opened for. Not
    // stored, with the reason, when there is no such hotspot to store into.
    ContentApplied applyContent(const ContentForm& opened, std::string tip, std::string link);
    Said cancelContent();

    // --- the pointer on the canvas and its resize handles: every press, movement and release
    // comes here, and the editor alone keeps what the pointer is doing ---
    // Left on the canvas: the object under the pointer becomes current and is held, the press
    // point its grab offset; on a hotspot of a selection of several, the selection is held and
    // moves together (a release without moving selects that hotspot alone). Shift+left drags
    // out a new hotspot; Ctrl+left toggles the hotspot clicked, or selects (instead of the
    // selection) every hotspot a dragged rectangle touches. Left on a handle: that edge resizes
    // the current hotspot. Right on a hotspot: it becomes current (a hotspot of a selection of
    // several keeps the selection, for the menu to act on all) and its menu may open.
    PointerResponse press(const PointerInput& input);
    // With the left button held: resizes, drags the background with every hotspot, or drags
    // the current hotspot. Without it nothing moves and the canvas lets go of what it held.
    Said move(const PointerInput& input);
    // Any release of the left button, over the canvas, a handle or elsewhere: ends the drag or
    // resize and places the handles.
    Said release(const PointerInput& input);

    // --- proposed hotspots and snapping ---
    // "建议热区": asks for the picture's proposals; without a picture says why. The proposals
    // show once the analysis comes back (finishAnalysis).
    Said proposeHotspots();
    // The analysis the editor waits for, handed out once: the edge map of a new background
    // picture, the proposals asked for. The shell runs analysePicture on a worker and hands the
    // answer to finishAnalysis; an answer for another picture or an older request is dropped.
    std::optional<AnalysisRequest> takeAnalysisRequest();
    Said finishAnalysis(AnalysisResult result);
    // The proposals shown, best first, in canvas coordinates: they follow the picture. Any other
    // change of the map dismisses them.
    std::vector<Rect> proposalOutlines() const;
    // Enter: every proposal becomes a hotspot, as one undo step. Says nothing when none is shown.
    Said acceptAllProposals();
    // Esc: the proposals, or those still being looked for, go. Says nothing when there were none.
    Said dismissProposals();
    // S: dragged and resized edges stop (or start again) snapping, said in the status line.
    // Alt held with a movement turns it off for that movement.
    Said toggleSnapping();
    bool snapping() const { return m_proposals.snapping; }

    // --- several hotspots (hotspot_editor_arrange.cpp) ---
    // "对齐": the selected hotspots aligned, spaced out or sized against `reference` (the one
    // right-clicked), which stays as it is; one undo step. Fewer than two selected: says why.
    Said arrangeSelected(Arrangement what, int32_t reference);
    // "重复为网格…": where the copies of hotspot `id` would go (canvas coordinates), or which
    // value the map's limits refuse and its range.
    Result<std::vector<Rect>> gridCopies(int32_t id, const GridShape& shape) const;
    // The copies join the map (size, tip, link and look of the original) as one undo step and
    // become the selection; a refused value adds nothing and says why.
    Said repeatAsGrid(int32_t id, const GridShape& shape);

    // --- "切片导出…" and "替换图片地址…" (hotspot_editor_slicing.cpp) ---
    // Cut lines proposed for slices of at most `maxSliceHeight` rows, around the hotspots, shown
    // over the picture until hideCutLines; without a picture says why and shows none.
    Said showCutLines(int maxSliceHeight);
    void hideCutLines() { m_cuts.reset(); }
    // The lines shown, each as a one-row rectangle across the picture in canvas coordinates:
    // they follow the picture. None once the picture they were made for is gone.
    std::vector<Rect> cutLineMarks() const;
    // Whether a press at `at` (canvas coordinates) would take a cut line.
    bool overCutLine(Point at) const;
    // The picture the lines cut and their rows, for the export.
    std::shared_ptr<const Picture> slicedPicture() const;
    std::vector<int> cuts() const;
    // A double-click on the picture while the lines show adds one there, unless its press took
    // a line.
    Said doubleClick(const PointerInput& input);
    // The export's progress for the status line.
    static Said sliceProgress(size_t done, size_t total);
    // The end of an export of `picture`: on success the map becomes a stacked page of the slices
    // written (same pixels, the slices' paths as its addresses) as one undo step, and the lines
    // go; a failure leaves the map as it was. Either way says what happened.
    Said finishSliceExport(const Result<std::vector<ExportedSlice>>& result,
                           const SliceExport& plan, const std::shared_ptr<const Picture>& picture);
    // How many pictures the page is made of (0 without a picture).
    size_t pagePictureCount() const;
    // "替换图片地址…": the pasted addresses, one a line, replace the page's as one undo step;
    // a count that does not match the page's pictures changes nothing and says why.
    Said replacePageAddresses(std::string_view pasted);

private:
    // A press, movement or release that a cut line takes; false leaves it to the map.
    bool pressCutLine(const PointerInput& input);
    bool dragCutLine(const PointerInput& input);
    bool releaseCutLine(const PointerInput& input);
    // How many lines and slices there are now.
    Said cutLinesStatus() const;
    // Every change of the map goes through here and joins the history's open step.
    void change(MapOperation operation);
    // A change that is a step of its own.
    void changeAsStep(const char* label, MapOperation operation);
    // The canvas follows an applied operation.
    void follow(const MapOperation& applied);
    void drawHotspot(const Hotspot& hotspot);
    // The tile `hotspot` shows. One made just before for the same size and colours is shared:
    // a grid of copies or a run of same-size hotspots costs one picture.
    std::shared_ptr<const Picture> tileOf(const Hotspot& hotspot);
    // An existing hotspot's tile drawn again where and as the map now has it.
    void redrawHotspot(int32_t id);
    // A hotspot at `rect` (canvas coordinates) in the current style, with the default link.
    Hotspot newHotspot(const Rect& rect) const;
    void redrawAll();
    Said pressCanvas(Point at);
    Said selectObject(int32_t id);
    // Nothing when no hotspot is there.
    std::optional<Said> selectForMenu(int32_t id);
    Said dragOrResize(const PointerInput& input);
    Said endDrag();
    // Shift and Ctrl gestures and dragging several hotspots (hotspot_editor_group.cpp).
    bool startsRectangle(const PointerInput& input);
    bool grabsSelection(int32_t hit) const;
    Said pressSelection(int32_t hit, Point at);
    Said dragGesture(const PointerInput& input);
    // Where a drag puts the held hotspot `h`, snapped unless the movement says otherwise.
    Point dragTarget(const PointerInput& input, const Hotspot& h) const;
    Said endGesture(Point at);
    Said drawDragged(const Rect& rect);
    Said toggleSelected(int32_t id);
    Said selectTouched(const Rect& rect);
    // The handles on a hotspot selected alone; with several selected none, and their box said.
    Said showSelection();
    Said deleteSeveral();
    Said nudgeSeveral(int dx, int dy);
    Said resizeSelected(int x, int y, bool snap);
    ResizeOutcome snappedOutcome(ResizeOutcome out, HandleEdge edge) const;
    // A left press at `at` on a proposal makes it a hotspot; nothing when none is there.
    std::optional<Said> acceptProposalAt(Point at);
    void addProposedHotspot(const Rect& pictureRect);
    // A change of the map other than the picture moving: the proposals go.
    void dismissOnEdit(const MapOperation& applied);
    // The edge map to snap to for a movement, if snapping applies to it.
    const EdgeMap* snapEdges(const PointerInput& input) const;
    // The held object left the canvas: its drag ends until the next press.
    void dropHeld(int32_t id);
    Said placeHandles(int32_t id);
    Said statusOf(int32_t id) const;
    Said swapPicture(const std::string& address, Picture picture);
    // The end of "添加图片": the page grows by `picture` at its bottom, as one step.
    Said addPicture(const std::string& address, Picture picture);
    FieldEdit editTexts(int32_t id, HotspotColumn column, std::string_view text);

    struct RunningLoad {
        std::string address;
        LoadPurpose purpose = LoadPurpose::Replace;
        std::vector<Hotspot> hotspotsAtStart;  // to tell whether the map changed meanwhile
    };
    // Whether the picture of `load` (none: a load not started through loadStarted) goes under
    // the map as it is instead of replacing it.
    bool keepsTheMap(const RunningLoad* load, bool keepHotspots) const;

    struct Proposals {
        std::vector<Rect> shown;  // picture coordinates, best first
        uint64_t awaited = 0;     // the ticket of the proposals asked for; 0: none
        bool handedOut = false;   // the request for them went to the shell
        uint64_t lastTicket = 0;
        std::shared_ptr<const Picture> edgesOf;  // the picture the edge map is (being) made of
        // Edges snap to the sides of every proposal found on the picture, also after the
        // proposals are taken or dismissed: the first drag would dismiss them otherwise.
        std::vector<Rect> found;
        std::optional<EdgeMap> edges;
        bool snapping = true;
        bool accepting = false;  // proposals turning into hotspots are not an edit elsewhere
    };

    EditedMap m_map;
    HotspotCanvas m_canvas;
    Proposals m_proposals;
    struct PointerState {
        Point grab;  // the last press, then the grab offset inside the pressed object
        // The object the left button holds: 0 none, -1 a press on no object or an object
        // deleted while held (nothing moves until the next press).
        int32_t held = 0;
        std::optional<HandleEdge> resizing;  // the handle being dragged
        enum class Gesture { None, Draw, Select, Group };
        Gesture gesture = Gesture::None;
        Point from;           // where a gesture's press was
        Point to;             // the pointer's latest place in it
        int32_t pressed = 0;  // the hotspot under that press, if any
        bool moved = false;   // the pointer moved while the button was held
    };
    PointerState m_pointer;
    HandleSet m_handles;
    UndoHistory m_history;
    std::optional<RunningLoad> m_load;
    uint64_t m_changeCount = 0;
    // The pictures a replaced map expects while they are fetched.
    std::vector<PagePicture> m_awaitedPictures;
    int32_t m_nudged = 0;     // the hotspot the open nudge step moves
    Point m_wheelRest{0, 0};  // wheel eighths of a degree not yet worth a pixel
    struct LastTile {
        Hotspot made;                          // its size and colours; nothing else counts
        std::weak_ptr<const Picture> picture;  // kept alive by the canvas objects alone
    };
    LastTile m_lastTile;
    struct Slicing {
        std::shared_ptr<const Picture> picture;  // the picture the lines were made for
        CutLines lines;
    };
    std::optional<Slicing> m_cuts;
};

}  // namespace velquist
