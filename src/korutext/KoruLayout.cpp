// The run-based layout pass of the hypertext label and the line-table arithmetic
// behind scrolling and automatic sizing.
#include "korutext/KoruLayout.h"

#include "korutext/KoruMarkup.h"

#include <algorithm>

namespace zel::koru {

namespace {

enum class StopRule { ClientBottom, ChunkEnd, TextEnd };

} // namespace

// One walk over the text from a resume point. Drawing passes fill a DrawList;
// layout-only passes just record lines.
class LayoutPass {
  public:
    LayoutPass(KoruLayout& layout, const LayoutState& start) : m_l(layout), m_st(start) {
        m_x = m_st.lineStartX;
        m_l.recordLine(m_st.line, m_st.lineStyle);
    }

    void setDrawing(DrawList* out, int firstVisible, const Palette* palette, int focused) {
        m_out = out;
        m_firstVisible = firstVisible;
        m_palette = palette;
        m_focused = focused;
        openSegment();
    }
    void setStop(StopRule rule, std::size_t chunkEnd = 0) {
        m_rule = rule;
        m_chunkEnd = chunkEnd;
    }

    // Returns true when the pass stopped before the end of the text.
    bool run();
    const LayoutState& stopState() const { return m_stopState; }
    int y() const { return m_y; }
    int lastLine() const { return m_st.line; }

  private:
    const std::string& text() const { return m_l.m_text; }
    bool visible() const { return m_out && m_st.line >= m_firstVisible; }
    int fontWidth(std::string_view bytes) const {
        return m_l.m_metrics.textWidth(m_st.fonts[m_st.style], bytes);
    }
    Colour colour() const;
    void emit(const std::string& bytes, int width);
    void openSegment();
    void closeSegment();
    void endHotspot();
    bool newLine(std::size_t nextOffset);
    bool lineHoldsText() const { return m_x > m_st.lineStartX || m_lineHasText; }
    std::string_view nextShown(std::size_t i) const;
    std::size_t ruleSplit(std::string_view next) const;
    std::size_t runOffset(std::size_t runBytes) const;
    bool breakRunAt(std::size_t split);
    bool flush(std::size_t nextOffset);
    bool tab(std::size_t i);
    bool code(std::size_t& i);

    KoruLayout& m_l;
    LayoutState m_st;
    int m_x = 0;
    int m_y = 0;
    bool m_lineHasText = false;
    std::string m_run;
    std::size_t m_runStart = 0;

    DrawList* m_out = nullptr;
    int m_firstVisible = 0;
    const Palette* m_palette = nullptr;
    int m_focused = -1;
    bool m_segOpen = false;
    Rect m_seg;

    StopRule m_rule = StopRule::TextEnd;
    std::size_t m_chunkEnd = 0;
    LayoutState m_stopState;
};

Colour LayoutPass::colour() const {
    if (!m_palette) return 0;
    if (!m_palette->enabled) return m_palette->grey;
    if (m_st.hotspotColour && m_st.hotspotState != HotspotState::Outside)
        return m_st.hotspotState == HotspotState::Jump ? m_palette->jump : m_palette->popup;
    if (m_st.hasOverride[m_st.style]) return m_st.colourOverride[m_st.style];
    return m_st.style == 0 ? m_palette->fore : m_palette->heading;
}

void LayoutPass::emit(const std::string& bytes, int width) {
    if (bytes.empty()) return;
    m_lineHasText = true;
    m_l.m_maxRight = std::max(m_l.m_maxRight, m_x + width);
    if (visible()) m_out->runs.push_back({m_x, m_y, m_st.line, bytes, m_st.fonts[m_st.style], colour()});
}

void LayoutPass::openSegment() {
    if (!visible() || m_st.hotspotState == HotspotState::Outside) return;
    m_segOpen = true;
    m_seg = {m_x, m_y, m_x, m_y};
}

void LayoutPass::closeSegment() {
    if (!m_segOpen) return;
    m_segOpen = false;
    m_seg.right = m_x;
    m_seg.bottom = m_y + m_l.lineHeight(m_st.line);
    if (m_seg.right <= m_seg.left) return; // nothing of the hot spot on this line
    m_out->segments.push_back({m_st.hotspotCounter, m_seg});
    const bool popup = m_st.hotspotState == HotspotState::Popup;
    Colour c = popup ? m_palette->popup : m_palette->jump;
    if (!m_palette->enabled) c = m_palette->grey;
    const int uy = m_y + m_l.styleMetrics(m_st.style).ascent + 1;
    m_out->underlines.push_back({{m_seg.left, uy, m_seg.right + 1, uy + 1}, c, popup});
    if (m_st.hotspotCounter == m_focused) m_out->inverted.push_back(m_seg);
}

void LayoutPass::endHotspot() {
    if (m_st.hotspotState == HotspotState::Outside) return;
    closeSegment();
    m_st.hotspotState = HotspotState::Outside;
    m_st.hotspotColour = false;
}

// Ends the current line; the next one starts at nextOffset. Returns true when the
// pass stops there.
bool LayoutPass::newLine(std::size_t nextOffset) {
    closeSegment();
    if (m_st.line >= m_firstVisible) m_y += m_l.lineHeight(m_st.line);
    ++m_st.line;
    m_x = m_st.lineStartX;
    m_st.lineStyle = m_st.style;
    m_lineHasText = false;
    m_l.recordLine(m_st.line, m_st.lineStyle);
    // A line that starts at the end of the text is never a reason to stop: the end
    // drops it when it stays empty.
    const bool atEnd = nextOffset >= text().size();
    const bool stop = !atEnd && ((m_rule == StopRule::ClientBottom && m_st.line >= m_firstVisible &&
                                  m_y >= m_l.m_options.clientHeight) ||
                                 (m_rule == StopRule::ChunkEnd && nextOffset >= m_chunkEnd));
    if (stop) {
        m_stopState = m_st;
        m_stopState.offset = nextOffset;
        return true;
    }
    openSegment();
    return false;
}

// What the text shows next from offset i on, past codes that draw nothing: a
// double-byte character, or a single-byte word that only breaks as a whole. Empty
// at a line break, a tab, a style change (which may end the line itself), a space
// and the end of the text.
std::string_view LayoutPass::nextShown(std::size_t i) const {
    const std::string_view t = text();
    while (i < t.size() && t[i] == '\\') {
        const std::size_t len = codeLength(t, i);
        const char letter = len == 2 ? t[i + 1] : '\0';
        if (letter == '\\') return t.substr(i + 1, 1);
        if (letter == 'H' || letter == 'h') return {};
        if (letter == 'C')
            i = colourArgumentEnd(t, i + len);
        else if (letter == 'K')
            i = findKeyEnd(t, i + len).end;
        else
            i += len;
    }
    if (i >= t.size() || t[i] == '\r' || t[i] == '\n' || t[i] == '\t' || t[i] == ' ') return {};
    const std::size_t n = charLength(t, i);
    if (n == 2 || m_l.m_options.forceWrap) return t.substr(i, n);
    std::size_t end = i + 1;
    while (end < t.size() && charLength(t, end) == 1 && t[end] != ' ' && t[end] != '\\' && t[end] != '\t' &&
           t[end] != '\r' && t[end] != '\n')
        ++end;
    return t.substr(i, end - i);
}

// Where the line may end inside the collected run when `next` follows it and does
// not fit: the run's end, moved back a character at a time while the next line
// would start with a closing mark or this one end with an opening mark. 0 when no
// place in the run will do.
std::size_t LayoutPass::ruleSplit(std::string_view next) const {
    const std::string_view run = m_run;
    std::vector<std::size_t> starts; // character starts in the run
    for (std::size_t k = 0; k < run.size(); k += charLength(run, k))
        starts.push_back(k);
    std::size_t n = starts.size(); // the line ends before character n
    while (n > 0) {
        const std::string_view after =
            n == starts.size() ? next : run.substr(starts[n], charLength(run, starts[n]));
        const std::string_view before = run.substr(starts[n - 1], charLength(run, starts[n - 1]));
        if (!isNoLineStart(after) && !isNoLineEnd(before)) break;
        --n;
    }
    return n == starts.size() ? run.size() : starts[n];
}

// The text offset of the run's first runBytes bytes (an escaped backslash is two
// bytes of text and one of the run).
std::size_t LayoutPass::runOffset(std::size_t runBytes) const {
    const std::string& t = text();
    std::size_t at = m_runStart;
    for (std::size_t k = 0; k < runBytes && at < t.size();) {
        if (t[at] == '\\') {
            at += 2;
            ++k;
        } else {
            const std::size_t n = charLength(t, at);
            at += n;
            k += n;
        }
    }
    return at;
}

// Ends the line inside the run: its first `split` bytes stay on this line and the
// rest starts the next one. Returns true when the pass stops.
bool LayoutPass::breakRunAt(std::size_t split) {
    const std::size_t at = runOffset(split);
    if (split > 0) {
        const std::string head = m_run.substr(0, split);
        const int w = fontWidth(head);
        emit(head, w);
        m_x += w;
        m_run.erase(0, split);
    }
    m_runStart = at;
    if (newLine(at)) {
        m_run.clear();
        return true;
    }
    return false;
}

// Measures and places the collected run. nextOffset is where the text goes on after
// it. Returns true when the pass stops.
bool LayoutPass::flush(std::size_t nextOffset) {
    if (m_run.empty()) return false;
    const int right = m_l.rightLimit();
    int w = fontWidth(m_run);
    if (m_l.wrapping() && m_x + w <= right && !(m_st.spacesBreak && m_run.back() == ' ')) {
        // The run fits, but what follows it may not: keep a closing mark with the
        // character before it and an opening mark with the one after it.
        const std::string_view next = nextShown(nextOffset);
        if (!next.empty() && m_x + w + fontWidth(next) > right) {
            const std::size_t split = ruleSplit(next);
            if (split < m_run.size() && (split > 0 || lineHoldsText())) {
                if (breakRunAt(split)) return true;
                w = fontWidth(m_run);
            }
        }
    }
    if (!m_l.wrapping() || m_x + w <= right) {
        emit(m_run, w);
        m_x += w;
        m_run.clear();
        return false;
    }
    const bool endsWithSpace = m_st.spacesBreak && m_run.back() == ' ';
    std::string trimmed;
    int w2 = 0;
    if (endsWithSpace) {
        trimmed = m_run.substr(0, m_run.size() - 1);
        w2 = fontWidth(trimmed);
        if (m_x + w2 <= right) {
            emit(trimmed, w2);
            m_x += w2;
            m_run.clear();
            return newLine(nextOffset);
        }
    }
    if (lineHoldsText()) {
        if (newLine(m_runStart)) {
            m_run.clear();
            return true;
        }
        if (m_x + w <= right) {
            emit(m_run, w);
            m_x += w;
            m_run.clear();
            return false;
        }
    }
    // Too wide even for a line of its own: it stays here and overflows.
    if (endsWithSpace) {
        emit(trimmed, w2);
        m_x += w2;
        m_run.clear();
        return newLine(nextOffset);
    }
    emit(m_run, w);
    m_x += w;
    m_run.clear();
    return false;
}

bool LayoutPass::tab(std::size_t i) {
    if (flush(i)) return true;
    const long long step = m_l.tabStep();
    const long long from = m_x - KoruLayout::kLeftMargin;
    const long long stop = KoruLayout::kLeftMargin + (from / step + 1) * step;
    if (m_l.wrapping() && stop > m_l.rightLimit()) return newLine(i + 1);
    m_x = static_cast<int>(std::min<long long>(stop, 1LL << 30));
    m_lineHasText = true;
    return false;
}

// Handles the code at i and moves i past it. Returns true when the pass stops.
bool LayoutPass::code(std::size_t& i) {
    const std::string& t = text();
    const std::size_t len = codeLength(t, i);
    const std::size_t after = i + len;
    const char letter = len == 2 ? t[i + 1] : '\0';
    if (letter == '\\') {
        if (m_run.empty()) m_runStart = i;
        m_run.push_back('\\');
        i = after;
        return m_l.m_options.forceWrap ? flush(i) : false;
    }
    if (flush(i)) return true;
    FontDesc& font = m_st.fonts[m_st.style];
    i = after;
    switch (letter) {
    case 'B':
    case 'b':
        font.weight = letter == 'B' ? 700 : 400;
        break;
    case 'I':
    case 'i':
        font.italic = letter == 'I';
        break;
    case 'U':
    case 'u':
        font.underline = letter == 'U';
        break;
    case 'S':
    case 's':
        font.strikeOut = letter == 'S';
        break;
    case 'C': {
        i = colourArgumentEnd(t, after);
        Colour c = 0;
        if (readColour(t, after, i, c)) {
            m_st.colourOverride[m_st.style] = c;
            m_st.hasOverride[m_st.style] = true;
            m_st.hotspotColour = false;
        }
        break;
    }
    case 'c':
        m_st.hasOverride[m_st.style] = false;
        m_st.hotspotColour = false;
        break;
    case 'H':
    case 'h': {
        const int style = letter == 'H' ? 1 : 0;
        m_st.hotspotColour = false;
        if (style == m_st.style) break;
        if (m_x > m_st.lineStartX || m_lineHasText) {
            closeSegment(); // measured in the style the line was drawn in
            m_st.style = style;
            return newLine(i);
        }
        m_st.style = style;
        m_st.lineStyle = style;
        m_l.recordLine(m_st.line, style);
        break;
    }
    case 'J':
    case 'P':
        endHotspot();
        ++m_st.hotspotCounter;
        m_st.hotspotState = letter == 'J' ? HotspotState::Jump : HotspotState::Popup;
        m_st.hotspotColour = true;
        openSegment();
        break;
    case 'j':
    case 'p':
        endHotspot();
        break;
    case 'K':
        i = findKeyEnd(t, after).end;
        break;
    case 'L':
        m_st.lineStartX = m_x;
        break;
    case 'l':
        m_st.lineStartX = KoruLayout::kLeftMargin;
        break;
    case 'T':
    case 't':
        m_st.spacesBreak = letter == 't';
        break;
    default: // a letter without a meaning is removed with its backslash
        break;
    }
    return false;
}

bool LayoutPass::run() {
    const std::string& t = text();
    const bool forceWrap = m_l.m_options.forceWrap;
    std::size_t i = m_st.offset;
    while (i < t.size()) {
        const char c = t[i];
        if (c == '\\') {
            if (code(i)) return true;
            continue;
        }
        if (c == '\t') {
            if (tab(i)) return true;
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (flush(i)) return true;
            ++i;
            if (i < t.size() && (t[i] == '\r' || t[i] == '\n')) ++i;
            if (newLine(i)) return true;
            continue;
        }
        const std::size_t n = charLength(t, i);
        if (n == 2 && m_l.wrapping() && !m_run.empty()) {
            const int w = fontWidth(m_run + t.substr(i, 2));
            if (m_x + w > m_l.rightLimit() && flush(i)) return true;
        }
        if (m_run.empty()) m_runStart = i;
        m_run.append(t, i, n);
        i += n;
        if (n == 1 && ((c == ' ' && m_st.spacesBreak) || forceWrap)) {
            if (flush(i)) return true;
        }
    }
    if (flush(t.size())) return true;
    closeSegment();
    if (m_out) m_out->bottom = m_y + m_l.lineHeight(m_st.line);
    // A text that ends with a line break has no empty last line.
    if (m_st.line > 0 && !m_lineHasText && m_x <= m_st.lineStartX) {
        --m_st.line;
        if (m_out) m_out->bottom = m_y;
    }
    m_l.finishLines(m_st.line);
    return false;
}

// ---- KoruLayout ---------------------------------------------------------------

KoruLayout::KoruLayout(const TextMetrics& metrics) : m_metrics(metrics) {
    m_styleMetrics[0] = m_metrics.fontMetrics(m_options.normalFont);
    m_styleMetrics[1] = m_metrics.fontMetrics(m_options.headingFont);
}

void KoruLayout::setText(std::string cp932) {
    m_text = std::move(cp932);
    discard();
}

void KoruLayout::setOptions(const LayoutOptions& options) {
    if (options == m_options) return;
    m_options = options;
    m_styleMetrics[0] = m_metrics.fontMetrics(m_options.normalFont);
    m_styleMetrics[1] = m_metrics.fontMetrics(m_options.headingFont);
    discard();
}

void KoruLayout::discard() {
    m_resume.clear();
    m_working.reset();
    m_sliceStarts.clear();
    m_lineTable.clear();
    m_complete = false;
    m_scrollMax = 0;
    m_maxRight = 0;
}

LayoutState KoruLayout::initialState() const {
    LayoutState s;
    s.lineStartX = kLeftMargin;
    s.fonts[0] = m_options.normalFont;
    s.fonts[1] = m_options.headingFont;
    return s;
}

void KoruLayout::ensureStart() {
    if (m_resume.empty()) m_resume.push_back(initialState());
}

void KoruLayout::recordLine(int line, int style) {
    const auto index = static_cast<std::size_t>(line);
    if (index >= m_lineTable.size()) m_lineTable.resize(index + 1, 0);
    m_lineTable[index] = static_cast<std::uint8_t>(style);
}

void KoruLayout::finishLines(int lastLine) {
    m_lineTable.resize(static_cast<std::size_t>(lastLine) + 1);
    complete();
}

void KoruLayout::complete() {
    m_complete = true;
    const int h = m_options.clientHeight;
    int m = lineCount();
    int sum = 0;
    while (m > 0 && sum + lineHeight(m - 1) <= h) {
        sum += lineHeight(m - 1);
        --m;
    }
    m_scrollMax = std::min(m, lineCount() - 1);
}

int KoruLayout::lineHeight(int line) const {
    if (line < 0 || line >= lineCount()) return m_styleMetrics[0].lineHeight();
    return m_styleMetrics[m_lineTable[static_cast<std::size_t>(line)] & 1].lineHeight();
}

int KoruLayout::tabStep() const {
    const long long t = static_cast<long long>(m_options.tabWidth) * m_styleMetrics[0].averageCharWidth;
    return static_cast<int>(std::clamp<long long>(t, 1, 1 << 30));
}

DrawList KoruLayout::draw(int scrollPos, const Palette& palette, int focusedHotspot) {
    DrawList out;
    ensureStart();
    if (!m_options.autoSize && m_options.clientHeight <= 0) return out;
    scrollPos = std::max(scrollPos, 0);
    std::size_t r = 0;
    for (std::size_t k = 0; k < m_resume.size(); ++k)
        if (m_resume[k].line <= scrollPos) r = k;
    const LayoutState* start = &m_resume[r];
    // A nearer slice end of the background layout, when there is one.
    const auto after = std::upper_bound(m_sliceStarts.begin(), m_sliceStarts.end(), scrollPos,
                                        [](int pos, const LayoutState& s) { return pos < s.line; });
    bool fromSlice = false;
    if (after != m_sliceStarts.begin() && std::prev(after)->line > start->line) {
        start = &*std::prev(after);
        fromSlice = true;
    }
    LayoutPass pass(*this, *start);
    pass.setStop(m_options.autoSize ? StopRule::TextEnd : StopRule::ClientBottom);
    pass.setDrawing(&out, scrollPos, &palette, focusedHotspot);
    if (pass.run()) {
        out.stoppedAtBottom = true;
        out.bottom = pass.y();
        const LayoutState& s = pass.stopState();
        if (!fromSlice && !m_complete && r + 1 == m_resume.size() && m_resume.size() < kMaxResumePoints &&
            s.line > m_resume.back().line)
            m_resume.push_back(s);
    }
    return out;
}

bool KoruLayout::layoutChunk() {
    if (m_complete) return true;
    ensureStart();
    // Continue where the last slice stopped, unless a drawing has since laid out further.
    if (m_working && m_working->offset <= m_resume.back().offset) m_working.reset();
    const LayoutState from = m_working ? *m_working : m_resume.back();
    LayoutPass pass(*this, from);
    std::size_t stopAt = from.offset + kSliceBytes;
    bool resumeDue = false;
    if (m_resume.size() < kMaxResumePoints) {
        // The next resume point: the line end at least a tenth of the text further on.
        const std::size_t chunk = std::max<std::size_t>(m_text.size() / 10, 512);
        const std::size_t target = m_resume.back().offset + chunk;
        if (target <= stopAt) {
            stopAt = std::max(target, from.offset + 1);
            resumeDue = true;
        }
    }
    pass.setStop(StopRule::ChunkEnd, stopAt);
    if (pass.run()) {
        const LayoutState& s = pass.stopState();
        if (m_sliceStarts.empty() || s.line > m_sliceStarts.back().line) m_sliceStarts.push_back(s);
        if (resumeDue) {
            m_resume.push_back(s);
            m_working.reset();
        } else {
            m_working = s;
        }
        return false;
    }
    m_working.reset();
    return true;
}

void KoruLayout::layoutToEnd() {
    while (!layoutChunk()) {
    }
}

int KoruLayout::clampScroll(int pos) const {
    return std::clamp(pos, 0, m_scrollMax);
}

int KoruLayout::pageLines(int pos, bool down) const {
    const int h = m_options.clientHeight;
    int count = 0;
    int sum = 0;
    for (int line = down ? pos : pos - 1; line >= 0 && line < lineCount(); line += down ? 1 : -1) {
        if (sum + lineHeight(line) >= h) break;
        sum += lineHeight(line);
        ++count;
    }
    return std::max(count, 1);
}

int KoruLayout::pixelShift(int from, int to) const {
    int sum = 0;
    for (int line = std::min(from, to); line < std::max(from, to); ++line)
        sum += lineHeight(line);
    return sum;
}

bool KoruLayout::needsScrollBar(const DrawList& atTop) const {
    return !m_options.autoSize && (atTop.stoppedAtBottom || atTop.bottom > m_options.clientHeight);
}

int KoruLayout::contentHeight() const {
    int sum = 0;
    for (int line = 0; line < lineCount(); ++line)
        sum += lineHeight(line);
    return sum;
}

int KoruLayout::hitTest(const std::vector<Segment>& segments, int x, int y) {
    for (const Segment& s : segments)
        if (s.rect.contains(x, y)) return s.hotspot;
    return -1;
}

} // namespace zel::koru
