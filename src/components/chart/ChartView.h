// ChartView: the chart component as a widget (`Graph1`, `Graph2` ...). It owns a
// ChartModel, performs the actions the model records (draw, copy, print, time
// labels) and reports clicks on points as HotHit.
#pragma once

#include "components/chart/ChartModel.h"
#include "components/chart/ChartRenderer.h"

#include <QByteArray>
#include <QImage>
#include <QList>

#include <QWidget>

class QPainter;

#include <functional>
#include <optional>
#include <utility>

class ChartView : public QWidget {
    Q_OBJECT
  public:
    explicit ChartView(QWidget* parent = nullptr);

    zel::ChartModel& model() { return m_model; }
    const zel::ChartModel& model() const { return m_model; }

    // Action 2: take the model's current settings and repaint.
    void draw();
    // Actions 3 then 4: the drawing on the clipboard as an image and SVG, in colour
    // or in monochrome (the screen stays as it is).
    void copyToClipboard(bool monochrome);
    // Action 5: prints on the shared printer, or to a PDF file the user names when
    // no printer is installed.
    void print(bool monochrome);
    // Action 5 of a window's charts together: one print job (one PDF file) with the
    // charts one above the other on one page, their plot areas aligned. Returns
    // true when the page was written.
    static bool printCharts(const QList<ChartView*>& views, bool monochrome);

    // The plot-area insets this chart shares with the charts above and below it
    // (ChartRenderer::sharedInsets), kept for drawing, hit tests and copies.
    void setPlotInsets(PlotInsets insets);
    PlotInsets plotInsets() const { return m_insets; }
    // The options the view draws and hit-tests with on screen.
    ChartRenderer::Options renderOptions() const;
    // Files: PNG, SVG or PDF by the extension. Returns false on a write failure.
    bool saveTo(const QString& path, QSize size, bool monochrome);

    // Answers the PDF file-name question of print() instead of the file dialog (an empty
    // answer cancels); while set, every print goes to PDF. The environment variable
    // ZEL_PRINT_PDF, when set, names the file in the same way. An empty function
    // restores the dialog.
    static void setPdfPathProvider(std::function<QString()> provider);
    // The result of the last print(): true when a page was written.
    bool lastPrintOk() const { return m_lastPrintOk; }

    // A ring around one point the program shows the user (a sample chosen in the
    // data sheet), over the chart until the next click on it or another point.
    // Drawn on line charts and scatter diagrams (see ChartRenderer::pointCentre).
    void highlightPoint(int series, int point);
    void clearHighlight();
    std::optional<std::pair<int, int>> highlightedPoint() const { return m_highlight; }

  signals:
    // A click on a point while HitReporting is 1; the model's HitKind tells the
    // pointer action (3 = right button).
    void HotHit(int series, int point);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    void perform(const zel::ChartAction& action);
    void paintHighlight(QPainter& p) const;
    QSize exportSize() const;

    zel::ChartModel m_model;
    QImage m_picture; // the last draw, reused by repaints while reset switch two is 0
    bool m_pictureStale = true;
    QImage m_preparedImage; // Action 3: the picture Action 4 puts on the clipboard
    QByteArray m_preparedSvg;
    bool m_lastPrintOk = false;
    PlotInsets m_insets;
    std::optional<std::pair<int, int>> m_highlight; // series, point
};
