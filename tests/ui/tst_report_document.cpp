// The one-file report document: the PDF's pages, footers and repeated table
// headings read back with pdfinfo and pdftotext, and the HTML page's inline
// charts, ids and references.
#include "components/chart/ChartModel.h"
#include "presentation/ReportDocument.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "ChartPictureSupport.h"

#include <memory>

namespace {

reportdoc::ShownTable numberTable(const QString& heading, int rows) {
    reportdoc::ShownTable t{heading, {{QString(), QStringLiteral("平均"), QStringLiteral("範囲")}}};
    for (int r = 1; r <= rows; ++r)
        t.rows.push_back(
            {QStringLiteral("群%1").arg(r), QString::number(r * 1.25, 'f', 2), QString::number(r)});
    return t;
}

std::unique_ptr<zel::ChartModel> lineChart(const std::string& title) {
    auto m = std::make_unique<zel::ChartModel>();
    m->setFreshShape(1, 4);
    for (int i = 1; i <= 4; ++i)
        m->setPointValue(i * 2.0);
    m->setTitleTop(title);
    m->setAction(static_cast<int>(zel::ChartActionCode::Draw));
    return m;
}

reportdoc::Document document(int tableRows, const std::vector<const zel::ChartModel*>& charts) {
    reportdoc::Document d;
    d.title = QStringLiteral("Xbar-R 管理図");
    d.datasetName = QStringLiteral("軸径");
    d.datasetPath = QStringLiteral("/data/軸径.QCS");
    d.made = QDateTime(QDate(2026, 12, 10), QTime(9, 30, 5));
    d.settings = {{QStringLiteral("変数"), QStringLiteral("外径1、外径2")},
                  {QStringLiteral("kind"), QStringLiteral("棒グラフ")}};
    d.tables.push_back(numberTable(QStringLiteral("XR1"), tableRows));
    d.charts = charts;
    return d;
}

QString written(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return {};
    return path;
}

} // namespace

class TestReportDocument : public QObject {
    Q_OBJECT
  private slots:
    // A short table and two charts: the title block, every row and both charts'
    // titles, and "n / N" on each page.
    void pdfHoldsTheTitleBlockTablesAndCharts() {
        QTemporaryDir dir;
        const auto a = lineChart("平均値の推移");
        const auto b = lineChart("範囲の推移");
        const reportdoc::Document d = document(3, {a.get(), b.get()});
        const QString path = written(dir, QStringLiteral("short.pdf"), reportdoc::pdf(d));
        QVERIFY(!path.isEmpty());
        const int pages = uitest::pdfPageCount(path);
        QCOMPARE(pages, reportdoc::pdfPageCount(d));
        const QString text = uitest::pdfText(path);
        for (const QString& s :
             {QStringLiteral("Xbar-R 管理図"), QStringLiteral("軸径"), QStringLiteral("/data/軸径.QCS"),
              QStringLiteral("2026/12/10 09:30:05"), QStringLiteral("外径1、外径2"),
              QStringLiteral("kind = 棒グラフ"), QStringLiteral("群3"), QStringLiteral("3.75"),
              QStringLiteral("平均値の推移"), QStringLiteral("範囲の推移")})
            QVERIFY2(text.contains(s), qPrintable(s));
        for (int n = 1; n <= pages; ++n)
            QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b%1 ?/ ?%2\\b").arg(n).arg(pages))));
    }

    // A table longer than a page goes on over the next pages, each with its
    // heading and column headings again; no row is lost.
    void longTablesSplitWithTheirHeadingRepeated() {
        QTemporaryDir dir;
        const int shortPages = reportdoc::pdfPageCount(document(5, {}));
        const reportdoc::Document d = document(200, {});
        const int pages = reportdoc::pdfPageCount(d);
        QCOMPARE(shortPages, 1);
        QVERIFY(pages >= 3);
        const QString path = written(dir, QStringLiteral("long.pdf"), reportdoc::pdf(d));
        QCOMPARE(uitest::pdfPageCount(path), pages);
        const QString text = uitest::pdfText(path);
        QCOMPARE(text.count(QStringLiteral("XR1（続き）")), pages - 1);
        QCOMPARE(text.count(QStringLiteral("範囲")), pages);
        for (int r = 1; r <= 200; ++r)
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("群%1\\b").arg(r))),
                     qPrintable(QString::number(r)));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b%1 ?/ ?%1\\b").arg(pages))));
    }

    // A table too wide even for the smallest type goes on in a band below, the
    // row headings again; every column is there once and no page is wider.
    void wideTablesGoOnInBandsBelow() {
        QTemporaryDir dir;
        reportdoc::Document d = document(0, {});
        reportdoc::ShownTable& wide = d.tables.front();
        wide.rows = {{QString()}, {QStringLiteral("上限")}, {QStringLiteral("下限")}};
        for (int c = 1; c <= 60; ++c) {
            wide.rows[0] << QStringLiteral("変数%1").arg(c);
            wide.rows[1] << QString::number(1000.0 + c, 'f', 3);
            wide.rows[2] << QString::number(-c, 'f', 3);
        }
        const QString path = written(dir, QStringLiteral("wide.pdf"), reportdoc::pdf(d));
        const QString text = uitest::pdfText(path);
        const int bands = static_cast<int>(text.count(QStringLiteral("上限")));
        QVERIFY(bands >= 2);
        QCOMPARE(text.count(QStringLiteral("XR1（続き）")), bands - 1);
        for (int c = 1; c <= 60; ++c) {
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("変数%1\\b").arg(c))),
                     qPrintable(QString::number(c)));
            QVERIFY(text.contains(QString::number(1000.0 + c, 'f', 3)));
        }
        // Nothing is drawn beyond the right margin: the page's right strip is white.
        const QImage page = uitest::pdfPage(path, 1, 72);
        QVERIFY(!page.isNull());
        const int margin = static_cast<int>(15 / 25.4 * 72) - 2;
        for (int x = page.width() - margin; x < page.width(); ++x)
            for (int y = 0; y < page.height(); ++y)
                QVERIFY2(page.pixelColor(x, y) == QColor(Qt::white),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    // The save dialog's proposed name: the dataset and the analysis, with what a
    // file name cannot hold replaced, so that it never names another folder.
    void proposedFileNameIsOneSafeName() {
        reportdoc::Document d;
        d.title = QStringLiteral("Xbar-R 管理図");
        d.datasetName = QStringLiteral("軸径");
        QCOMPARE(reportdoc::proposedFileName(d), QStringLiteral("軸径_Xbar-R 管理図.pdf"));
        d.title = QStringLiteral("P/Pn: a*b?\"c\"<d>|e\\f");
        QCOMPARE(reportdoc::proposedFileName(d), QStringLiteral("軸径_P_Pn_ a_b__c__d__e_f.pdf"));
        d.datasetName.clear();
        d.title = QStringLiteral("散布図");
        QCOMPARE(reportdoc::proposedFileName(d), QStringLiteral("散布図.pdf"));
        d.title = QStringLiteral("  ");
        QCOMPARE(reportdoc::proposedFileName(d), QStringLiteral("report.pdf"));
    }

    // One well-formed page: one <svg> per chart, no id twice, every reference
    // to an id of its own page, nothing fetched from outside.
    void htmlIsOnePageWithItsChartsInline() {
        const auto a = lineChart("平均値の推移");
        const auto b = lineChart("範囲の推移");
        reportdoc::Document d = document(3, {a.get(), b.get()});
        d.tables.front().rows.push_back({QStringLiteral("<注>"), QStringLiteral("a&b"), QString()});
        const QByteArray page = reportdoc::html(d);
        QXmlStreamReader xml(page.mid(page.indexOf("<html")));
        int svgs = 0;
        int tables = 0;
        QSet<QString> ids;
        QStringList references;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("svg")) ++svgs;
            if (xml.name() == QLatin1String("table")) ++tables;
            for (const QXmlStreamAttribute& attr : xml.attributes()) {
                const QString v = attr.value().toString();
                if (attr.name() == QLatin1String("id")) {
                    QVERIFY2(!ids.contains(v), qPrintable(v));
                    ids.insert(v);
                }
                if (attr.name() == QLatin1String("src")) QFAIL(qPrintable(QStringLiteral("src=") + v));
                if (attr.name() == QLatin1String("href")) references << v;
                for (const QRegularExpressionMatch& m :
                     QRegularExpression(QStringLiteral("url\\(#([^)]+)\\)")).globalMatch(v))
                    references << QLatin1Char('#') + m.captured(1);
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(svgs, 2);
        QCOMPARE(tables, 1);
        for (const QString& r : references) {
            QVERIFY2(r.startsWith(QLatin1Char('#')), qPrintable(r));
            QVERIFY2(ids.contains(r.mid(1)), qPrintable(r));
        }
        const QString text = QString::fromUtf8(page);
        QVERIFY(text.contains(QStringLiteral("<meta charset=\"utf-8\"/>")));
        QVERIFY(text.contains(QStringLiteral("<th>&lt;注&gt;</th><td>a&amp;b</td>")));
        QVERIFY(text.contains(QStringLiteral("<td class=\"num\">3.75</td>")));
        QVERIFY(!text.contains(QStringLiteral("<link")));
        QVERIFY(!text.contains(QStringLiteral("<?xml")));
    }
};

QTEST_MAIN(TestReportDocument)
#include "tst_report_document.moc"
