// The process capability in the report command, run from its command line as
// a user types it: the capability lines after the histogram's statistics and
// after the Xbar-R chart's control lines, with both limits, one limit and
// none, series 1 of several, values on a limit, and the limits refused, which
// write nothing; the Xbar-R lines are the capability the window computes, and
// the histogram's picture carries the limits given.
#include "analysis/control/XbarR.h"
#include "analysis/control/XbarRCapability.h"
#include "dataset/Dataset.h"

#include <QFile>
#include <QtTest>

#include "DatasetFixtures.h"
#include "ReportSupport.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

using namespace uitest;

namespace {

const QStringList kCapabilityNames = {"Cp",  "Cpk",          "Cpu",          "Cpl",          "Pp",
                                      "Ppk", "ppm-observed", "ppm-expected", "sigma-within", "sigma-overall"};

// The capability lines of a summary in their order: name and value, each of series 1.
QList<std::pair<QString, double>> capabilityLines(const QString& summary) {
    QList<std::pair<QString, double>> lines;
    for (const QString& line : summary.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList words = line.split(QLatin1Char(' '));
        if (words.size() != 3 || !kCapabilityNames.contains(words[0])) continue;
        if (words[1] != QStringLiteral("1")) return {}; // only series 1 has capability lines
        lines.append({words[0], words[2].toDouble()});
    }
    return lines;
}

QStringList namesOf(const QList<std::pair<QString, double>>& lines) {
    QStringList names;
    for (const auto& line : lines)
        names << line.first;
    return names;
}

double valueOf(const QList<std::pair<QString, double>>& lines, const QString& name) {
    for (const auto& line : lines)
        if (line.first == name) return line.second;
    return std::nan("");
}

// Parts per million of the normal distribution beyond z (z > 0) on one side.
double tailPpm(double z) {
    return 0.5 * std::erfc(z / std::sqrt(2.0)) * 1e6;
}

void expectValue(const QList<std::pair<QString, double>>& lines, const char* name, double expected) {
    const double actual = valueOf(lines, QString::fromLatin1(name));
    QVERIFY2(std::abs(actual - expected) <= 1e-9 * std::max(1.0, std::abs(expected)),
             qPrintable(QStringLiteral("%1: %2, expected %3").arg(name).arg(actual).arg(expected)));
}

} // namespace

class TestCapabilityReports : public QObject {
    Q_OBJECT

  private:
    ReportFolder m_folder;
    QString m_measures; // 寸法: mean 10, σ 1/√30, MR̄ 2.5/9; 重さ: 1, 2, ... 10
    QString m_shaft;    // three subgroups of two: 1 3 | 2 6 | 4 4, R̄ = 2

    QString summaryOf(const QString& out, const QStringList& args, const QString& dataset) {
        QString dir;
        const ReportRun run = m_folder.run(out, args, dataset, &dir);
        [&] {
            QCOMPARE(run.err, std::string());
            QCOMPARE(run.exitCode, 0);
        }();
        return summaryIn(dir);
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        const double sizes[] = {9.8, 10.2, 10.0, 10.1, 9.9, 10.3, 9.7, 10.0, 10.1, 9.9};
        std::vector<std::vector<double>> rows;
        for (int i = 0; i < 10; ++i)
            rows.push_back({sizes[i], double(i + 1)});
        m_measures = m_folder.writeDataset(QStringLiteral("measures"), {"寸法", "重さ"}, rows);
        m_shaft =
            m_folder.writeDataset(QStringLiteral("shaft"), {"外径1", "外径2"}, {{1, 3}, {2, 6}, {4, 4}});
    }

    void histogramAddsTheCapabilityAfterItsStatistics() {
        const QString summary = summaryOf(QStringLiteral("hist"),
                                          {QStringLiteral("--report=histogram"), QStringLiteral("--var=寸法"),
                                           QStringLiteral("--set=usl=10.5"), QStringLiteral("--set=lsl=9.4")},
                                          m_measures);
        // The histogram's own lines stay first.
        QVERIFY2(summary.startsWith(QStringLiteral("mean 1 10\n")), qPrintable(summary));
        QCOMPARE(summary.indexOf(QStringLiteral("\nn 1 10\nCp 1 ")) > 0, true);
        const auto lines = capabilityLines(summary);
        QCOMPARE(namesOf(lines), kCapabilityNames);
        QCOMPARE(summary.count(QLatin1Char('\n')), 4 + 10);
        // σ within = MR̄ / 1.128 = 2.5 / 9 / 1.128, σ overall = 1 / √30.
        expectValue(lines, "Cp", 0.74448);
        expectValue(lines, "Cpk", 0.6768);
        expectValue(lines, "Cpu", 0.6768);
        expectValue(lines, "Cpl", 0.81216);
        expectValue(lines, "Pp", 1.1 * std::sqrt(30.0) / 6);
        expectValue(lines, "Ppk", 0.5 * std::sqrt(30.0) / 3);
        expectValue(lines, "ppm-observed", 0);
        expectValue(lines, "ppm-expected", tailPpm(0.5 * std::sqrt(30.0)) + tailPpm(0.6 * std::sqrt(30.0)));
        expectValue(lines, "sigma-within", 2.5 / 9 / 1.128);
        expectValue(lines, "sigma-overall", 1 / std::sqrt(30.0));
    }

    void oneLimitOrNoneLeavesLinesOut() {
        const QString hist = QStringLiteral("--report=histogram");
        const QString var = QStringLiteral("--var=寸法");
        const auto upper = capabilityLines(summaryOf(
            QStringLiteral("upper"),
            {hist, var, QStringLiteral("--set=usl=10.5"), QStringLiteral("--set=target=10")}, m_measures));
        QCOMPARE(namesOf(upper), (QStringList{"Cpk", "Cpu", "Ppk", "ppm-observed", "ppm-expected",
                                              "sigma-within", "sigma-overall"}));
        expectValue(upper, "Cpk", 0.6768);
        expectValue(upper, "ppm-expected", tailPpm(0.5 * std::sqrt(30.0)));

        const auto lower = capabilityLines(
            summaryOf(QStringLiteral("lower"), {hist, var, QStringLiteral("--set=lsl=9.4")}, m_measures));
        QCOMPARE(namesOf(lower), (QStringList{"Cpk", "Cpl", "Ppk", "ppm-observed", "ppm-expected",
                                              "sigma-within", "sigma-overall"}));
        expectValue(lower, "Cpk", 0.81216);

        // Without a limit the summary is the histogram's alone.
        const QString none = summaryOf(QStringLiteral("none"), {hist, var}, m_measures);
        QCOMPARE(none.count(QLatin1Char('\n')), 4);
        QVERIFY(capabilityLines(none).isEmpty());
    }

    void theHistogramPictureCarriesTheLimitsGiven() {
        const auto svgOf = [&](const QString& out, QStringList limits) {
            QString dir;
            limits.prepend(QStringLiteral("--var=寸法"));
            limits.prepend(QStringLiteral("--report=histogram"));
            const ReportRun run = m_folder.run(out, limits, m_measures, &dir);
            QFile f(dir + QStringLiteral("/youko-Graph1.svg"));
            return run.exitCode == 0 && f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll())
                                                                    : QString();
        };
        // 12 lies beyond the classes (9.7 .. 10.3): still drawn.
        const QString both = svgOf(QStringLiteral("pic-both"),
                                   {QStringLiteral("--set=usl=12"), QStringLiteral("--set=lsl=9.4")});
        QVERIFY(both.contains(QStringLiteral(">上限規格<")));
        QVERIFY(both.contains(QStringLiteral(">下限規格<")));
        const QString upper = svgOf(QStringLiteral("pic-upper"), {QStringLiteral("--set=usl=10.5")});
        QVERIFY(upper.contains(QStringLiteral(">上限規格<")));
        QVERIFY(!upper.contains(QStringLiteral(">下限規格<")));
        const QString none = svgOf(QStringLiteral("pic-none"), {});
        QVERIFY(!none.isEmpty());
        QVERIFY(!none.contains(QStringLiteral("規格<")));
    }

    void severalSeriesTakeTheFirstInSampleOrder() {
        const QString hist = QStringLiteral("--report=histogram");
        const QStringList limits = {QStringLiteral("--set=usl=10.5"), QStringLiteral("--set=lsl=9.4")};
        const auto first = capabilityLines(
            summaryOf(QStringLiteral("first"),
                      QStringList{hist, QStringLiteral("--var=寸法"), QStringLiteral("--var=重さ")} + limits,
                      m_measures));
        expectValue(first, "sigma-overall", 1 / std::sqrt(30.0));
        expectValue(first, "sigma-within", 2.5 / 9 / 1.128);

        // 重さ 1 .. 10 first: moving ranges all 1, σ = √(82.5 / 9); 1 to 9 lie below 9.4.
        const auto second = capabilityLines(
            summaryOf(QStringLiteral("second"),
                      QStringList{hist, QStringLiteral("--var=重さ"), QStringLiteral("--var=寸法")} + limits,
                      m_measures));
        expectValue(second, "sigma-within", 1 / 1.128);
        expectValue(second, "sigma-overall", std::sqrt(82.5 / 9));
        expectValue(second, "ppm-observed", 9e5);
    }

    void xbarRAddsTheCapabilityAfterItsLines() {
        const QString summary = summaryOf(QStringLiteral("xbar-r"),
                                          {QStringLiteral("--report=xbar-r"), QStringLiteral("--set=usl=5.5"),
                                           QStringLiteral("--set=lsl=1")},
                                          m_shaft);
        QVERIFY2(summary.startsWith(QStringLiteral("Graph1 CL ")), qPrintable(summary));
        QVERIFY(summary.contains(QStringLiteral("Graph2 LCL 0\nCp 1 ")));
        const auto lines = capabilityLines(summary);
        QCOMPARE(namesOf(lines), kCapabilityNames);
        // Mean 10/3, R̄ = 2: σ within = 2 / 1.128; Σd² = 138/9 over 5 values.
        const double overall = std::sqrt(138.0 / 9 / 5);
        expectValue(lines, "sigma-within", 2 / 1.128);
        expectValue(lines, "sigma-overall", overall);
        expectValue(lines, "Cp", 4.5 * 1.128 / 12);
        expectValue(lines, "Cpu", 13.0 / 6 * 1.128 / 6);
        expectValue(lines, "Cpl", 7.0 / 3 * 1.128 / 6);
        expectValue(lines, "Cpk", 13.0 / 6 * 1.128 / 6);
        expectValue(lines, "Pp", 4.5 / (6 * overall));
        expectValue(lines, "Ppk", 13.0 / 6 / (3 * overall));
        // Only the 6 lies outside: the 1 is on the lower limit.
        expectValue(lines, "ppm-observed", 1e6 / 6);
        expectValue(lines, "ppm-expected", tailPpm(13.0 / 6 / overall) + tailPpm(7.0 / 3 / overall));

        // Without limits the control lines alone, as before.
        const QString plain =
            summaryOf(QStringLiteral("xbar-r-plain"), {QStringLiteral("--report=xbar-r")}, m_shaft);
        QCOMPARE(plain.count(QLatin1Char('\n')), 6);
    }

    // The report's lines are the capability the Xbar-R window shows: the
    // window's own computation over the same samples (the masked one left
    // out), for both limits with a target and for one limit.
    void xbarRLinesAreTheWindowsCapability() {
        const std::vector<std::vector<double>> rows = {
            {9.8, 10.1, 10.0}, {10.3, 9.9, 10.2}, {50, 60, 70}, {9.7, 10.0, 10.4}, {10.1, 10.2, 9.6}};
        zel::Dataset ds;
        fillDataset(ds, rows, {"径1", "径2", "径3"}, {"s1", "s2", kMaskedLabel, "s4", "s5"});
        const QString base = m_folder.path(QStringLiteral("rings"));
        QVERIFY(zel::writeDataset(ds, base.toStdString()));
        const QString path = base + QStringLiteral(".QCS");
        const zel::ChartDataSet data = zel::computeXbarR(ds).value();

        const struct {
            const char* out;
            QStringList sets;
            zel::SpecificationLimits limits;
        } cases[] = {
            {"both", {"--set=usl=10.6", "--set=lsl=9.5", "--set=target=10"}, {10.6, 9.5, 10.0}},
            {"upper", {"--set=usl=10.35"}, {10.35, std::nullopt, std::nullopt}},
        };
        for (const auto& c : cases) {
            const zel::Result<zel::Capability> window = zel::xbarRCapability(data, c.limits);
            QVERIFY(window);
            const zel::Capability& w = window.value();
            QCOMPARE(w.n, 12);
            const std::pair<const char*, std::optional<double>> fields[] = {
                {"Cp", w.cp},
                {"Cpk", w.cpk},
                {"Cpu", w.cpu},
                {"Cpl", w.cpl},
                {"Pp", w.pp},
                {"Ppk", w.ppk},
                {"ppm-observed", w.ppmObserved},
                {"ppm-expected", w.ppmExpected},
                {"sigma-within", w.sigmaWithin},
                {"sigma-overall", w.sigmaOverall},
            };
            QStringList defined;
            for (const auto& [name, value] : fields)
                if (value) defined << QString::fromLatin1(name);
            const auto lines = capabilityLines(summaryOf(
                QString::fromLatin1(c.out), QStringList{QStringLiteral("--report=xbar-r")} + c.sets, path));
            QCOMPARE(namesOf(lines), defined);
            for (const auto& [name, value] : fields)
                if (value) expectValue(lines, name, *value);
        }
    }

    void limitsThatCannotBeUsedAreRefusedAndNothingIsWritten() {
        for (const QString& report :
             {QStringLiteral("--report=histogram"), QStringLiteral("--report=xbar-r")}) {
            const QString dataset = report.endsWith(QStringLiteral("histogram")) ? m_measures : m_shaft;
            const auto refused = [&](const QStringList& settings, const std::string& message) {
                expectRefused(m_folder, QStringList{report} + settings, dataset, message);
            };
            refused({QStringLiteral("--set=usl=1"), QStringLiteral("--set=lsl=2")},
                    "下限規格が上限規格より大きくなっています。");
            refused({QStringLiteral("--set=lsl=2"), QStringLiteral("--set=usl=2")},
                    "上限規格と下限規格が同じ値です。");
            refused({QStringLiteral("--set=usl=4"), QStringLiteral("--set=target=5")},
                    "目標値が規格の範囲外です。");
            refused({QStringLiteral("--set=target=5")},
                    "目標値は上限規格か下限規格と一緒に指定してください。");
            refused({QStringLiteral("--set=usl=10mm")}, "usl= には数値を指定してください: 10mm");
            refused({QStringLiteral("--set=lsl=")}, "lsl= には数値を指定してください: ");
        }
    }
};

QTEST_MAIN(TestCapabilityReports)
#include "tst_capability_reports.moc"
