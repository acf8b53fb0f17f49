// The hypertext label's layout engine: lays the markup out in runs against a
// text-metrics interface, produces what to draw (runs, hot-spot underlines and
// segments), keeps the line table and up to ten resume points so that a long text
// is laid out in chunks and a scrolled view is drawn without starting at the top,
// and answers the scrolling and size questions that follow from the line table.
#pragma once

#include "korutext/KoruTypes.h"
#include "korutext/TextMetrics.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <optional>
#include <vector>

namespace zel::koru {

struct LayoutOptions {
    int clientWidth = 0;
    int clientHeight = 0;
    bool autoSize = false;
    bool wordWrap = false;
    bool forceWrap = false;
    int tabWidth = 8;
    FontDesc normalFont;
    FontDesc headingFont;
    bool operator==(const LayoutOptions&) const = default;
};

// Resolved colours for one drawing; changing them never re-lays the text out.
struct Palette {
    Colour fore = rgb(0, 0, 0);
    Colour heading = rgb(0, 0, 0);
    Colour back = rgb(255, 255, 255);
    Colour jump = rgb(0, 128, 0);
    Colour popup = rgb(0, 128, 0);
    Colour grey = rgb(128, 128, 128);
    bool enabled = true;
};

enum class HotspotState : std::uint8_t { Jump = 0, Popup = 1, Outside = 2 };

// The state carried along the text; a resume point is one taken at a line start.
struct LayoutState {
    int line = 0;
    std::size_t offset = 0;
    int hotspotCounter = -1;
    HotspotState hotspotState = HotspotState::Outside;
    int lineStartX = 2;
    int style = 0; // 0 normal, 1 heading
    int lineStyle = 0;
    FontDesc fonts[2];
    Colour colourOverride[2] = {0, 0};
    bool hasOverride[2] = {false, false};
    bool hotspotColour = false; // text takes the hot-spot colour
    bool spacesBreak = true;    // «\T» turns this off
};

struct TextRun {
    int x = 0;
    int y = 0;
    int line = 0;
    std::string bytes; // code page 932
    FontDesc font;
    Colour colour = 0;
};

struct Underline {
    Rect rect;
    Colour colour = 0;
    bool dotted = false; // popup: 2 pixels of colour, 2 of the background
};

struct Segment {
    int hotspot = -1;
    Rect rect;
};

struct DrawList {
    std::vector<TextRun> runs;
    std::vector<Underline> underlines;
    std::vector<Segment> segments; // sorted by hot spot, then top
    std::vector<Rect> inverted;    // segments of the focused hot spot
    bool stoppedAtBottom = false;  // a line started at or below the client bottom
    int bottom = 0;                // bottom of the last line drawn
};

class KoruLayout {
  public:
    static constexpr int kLeftMargin = 2;
    static constexpr int kMaxResumePoints = 10;
    // Bytes one background slice lays out at most, so that the host's event loop
    // never waits long; resume points still fall every tenth of the text.
    static constexpr std::size_t kSliceBytes = 2048;

    explicit KoruLayout(const TextMetrics& metrics);

    // A new text always discards the layout.
    void setText(std::string cp932);
    const std::string& text() const { return m_text; }
    // Discards the layout when anything that moves text changed.
    void setOptions(const LayoutOptions& options);
    const LayoutOptions& options() const { return m_options; }
    // Forgets the resume points, the line table and the completion.
    void discard();

    // Lays out and draws from the latest resume point at or before scrollPos.
    // The first drawing after a discard stores a resume point where it stopped.
    DrawList draw(int scrollPos, const Palette& palette, int focusedHotspot = -1);
    // One background slice (at most kSliceBytes, a resume point stored at each
    // tenth of the text); returns true when the layout is complete.
    bool layoutChunk();
    void layoutToEnd();

    bool isComplete() const { return m_complete; }
    const std::vector<LayoutState>& resumePoints() const { return m_resume; }
    const std::vector<std::uint8_t>& lineTable() const { return m_lineTable; }
    int lineCount() const { return static_cast<int>(m_lineTable.size()); }
    int lineHeight(int line) const;
    const FontMetrics& styleMetrics(int style) const { return m_styleMetrics[style & 1]; }
    bool wrapping() const { return !m_options.autoSize || m_options.wordWrap; }
    int rightLimit() const { return m_options.clientWidth - 2; }
    int tabStep() const;

    // Scrolling (valid once the layout is complete).
    int scrollMax() const { return m_scrollMax; }
    int clampScroll(int pos) const;
    int pageLines(int pos, bool down) const;
    int pixelShift(int from, int to) const;
    // Whether a drawing at scroll position 0 calls for the scroll bar.
    bool needsScrollBar(const DrawList& atTop) const;

    // Size of the laid-out text (valid once complete): the bottom of the last line,
    // and the right end of the widest line plus 1.
    int contentHeight() const;
    int contentWidth() const { return m_maxRight + 1; }

    // The first segment whose rectangle holds the point, -1 for none.
    static int hitTest(const std::vector<Segment>& segments, int x, int y);

  private:
    friend class LayoutPass;
    LayoutState initialState() const;
    void ensureStart();
    void recordLine(int line, int style);
    void finishLines(int lastLine);
    void complete();

    const TextMetrics& m_metrics;
    std::string m_text;
    LayoutOptions m_options;
    FontMetrics m_styleMetrics[2];
    std::vector<LayoutState> m_resume;
    // Where the background layout stopped between resume points.
    std::optional<LayoutState> m_working;
    // The state at the end of every background slice, ascending: a drawing far
    // down a long text starts from the nearest of these instead of laying out a
    // tenth of the text it does not show.
    std::vector<LayoutState> m_sliceStarts;
    std::vector<std::uint8_t> m_lineTable;
    bool m_complete = false;
    int m_scrollMax = 0;
    int m_maxRight = 0;
};

} // namespace zel::koru
