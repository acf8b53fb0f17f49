// Tests of the panel column graph windows share: the kind list under its
// caption, the read-out fields below it, the chart's design place and the
// column moving with the right edge.
#include "components/chart/ChartView.h"
#include "presentation/GraphWindow.h"
#include "windowkit/WindowGeometry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "UiTestSupport.h"

using uitest::FakeContext;
using zel::px;

namespace {

GraphWindowSpec panelDesign() {
    GraphWindowSpec s;
    s.window = zel::WindowId::gantog;
    s.caption = QStringLiteral("ガントチャート");
    s.optionsName = QStringLiteral("oreop");
    s.titlesName = QStringLiteral("titles");
    s.gridName = QStringLiteral("ggriset");
    return s;
}

class PanelGraph : public GraphWindow {
  public:
    explicit PanelGraph(MainContext& ctx) : GraphWindow(ctx, panelDesign()) {
        kinds = addKindList(QStringLiteral("グラフ種類"), QStringLiteral("Label8"),
                            {QStringLiteral("棒グラフ"), QStringLiteral("折れ線グラフ")},
                            QStringLiteral("折れ線グラフ"));
        first = addReadoutField(0, QStringLiteral("セット"), QStringLiteral("Textset"));
        third = addReadoutField(2, QStringLiteral("平均"), QStringLiteral("Text1"));
        placeSingleChart();
    }
    QComboBox* kinds = nullptr;
    QLineEdit* first = nullptr;
    QLineEdit* third = nullptr;
};

QRect twipsRect(double left, double top, double width, double height) {
    return {px(left), px(top), px(width), px(height)};
}

} // namespace

class TestGraphPanel : public QObject {
    Q_OBJECT
  private slots:
    void kindListStandsUnderItsCaptionAtTheTop() {
        FakeContext ctx;
        PanelGraph w(ctx);
        auto* caption = w.findChild<QLabel*>(QStringLiteral("Label8"));
        QVERIFY(caption);
        QCOMPARE(caption->text(), QStringLiteral("グラフ種類"));
        QCOMPARE(caption->geometry(), twipsRect(6345, 120, 2000, 255));
        QCOMPARE(w.kinds, w.findChild<QComboBox*>(QStringLiteral("graphs")));
        QCOMPARE(w.kinds->count(), 2);
        QCOMPARE(w.kinds->itemText(0), QStringLiteral("棒グラフ"));
        QCOMPARE(w.kinds->currentText(), QStringLiteral("折れ線グラフ"));
        QVERIFY(!w.kinds->isEditable());
        QCOMPARE(w.kinds->geometry(), twipsRect(6345, 390, 2000, 330));
    }

    void readoutFieldsCountDownFromBelowTheList() {
        FakeContext ctx;
        PanelGraph w(ctx);
        auto* firstCaption = w.findChild<QLabel*>(QStringLiteral("Label1"));
        auto* thirdCaption = w.findChild<QLabel*>(QStringLiteral("Label3"));
        QVERIFY(firstCaption && thirdCaption);
        QCOMPARE(firstCaption->text(), QStringLiteral("セット"));
        QCOMPARE(thirdCaption->text(), QStringLiteral("平均"));
        // A caption and its box every 270 twips from 780.
        QCOMPARE(firstCaption->geometry(), twipsRect(6345, 780, 2000, 255));
        QCOMPARE(w.first->geometry(), twipsRect(6345, 1050, 2000, 285));
        QCOMPARE(thirdCaption->geometry(), twipsRect(6345, 1860, 2000, 255));
        QCOMPARE(w.third->geometry(), twipsRect(6345, 2130, 2000, 285));
        QCOMPARE(w.third->objectName(), QStringLiteral("Text1"));
        QVERIFY(w.first->isReadOnly());
        QCOMPARE(w.chart(0)->geometry(), twipsRect(100, 100, 6045, 4000));
    }

    void theColumnMovesWithTheRightEdge() {
        FakeContext ctx;
        PanelGraph w(ctx);
        w.resize(1200, 700);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int x = w.kinds->x();
        QVERIFY(x != px(6345));
        for (QWidget* c : {static_cast<QWidget*>(w.first), static_cast<QWidget*>(w.third),
                           static_cast<QWidget*>(w.findChild<QLabel*>(QStringLiteral("Label8")))})
            QCOMPARE(c->x(), x);
        // Only across: each control keeps its height in the column.
        QCOMPARE(w.third->y(), px(2130));
    }
};

QTEST_MAIN(TestGraphPanel)
#include "tst_graph_panel.moc"
