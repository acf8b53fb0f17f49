// Tests of the gallery's built-in datasets made from columns and from strata
// that deliver in turn.
#include "analysis/AnalysisGallery.h"

#include <QtTest>

class TestAnalysisGallery : public QObject {
    Q_OBJECT
  private slots:
    void columnsBecomeVariables() {
        const zel::Dataset ds = galleryColumns({{1.5, 2.5, 3.5}, {10, 20, 30}}, {"長さ", "幅"});
        QCOMPARE(ds.sampleCount(), 3);
        QCOMPARE(ds.variableCount(), 2);
        QCOMPARE(ds.value(3, 1), 3.5);
        QCOMPARE(ds.value(2, 2), 20.0);
        QCOMPARE(ds.label(3), std::string("3"));
    }

    void strataTakeTurnsBatchByBatch() {
        const zel::Dataset ds =
            galleryStrata({{1, 2, 3, 4}, {11, 12, 13, 14}, {21, 22, 23, 24}}, {"A", "B", "C"}, 2, "直", "値");
        QCOMPARE(ds.sampleCount(), 12);
        QCOMPARE(ds.name(1), std::string("直"));
        QCOMPARE(ds.name(2), std::string("値"));
        const double value[] = {1, 2, 11, 12, 21, 22, 3, 4, 13, 14, 23, 24};
        const char* label = "AABBCCAABBCC";
        for (int i = 1; i <= 12; ++i) {
            QCOMPARE(ds.value(i, 2), value[i - 1]);
            QCOMPARE(ds.value(i, 1), double(label[i - 1] - 'A' + 1));
            QCOMPARE(ds.label(i), std::string(1, label[i - 1]));
        }
    }
};

QTEST_MAIN(TestAnalysisGallery)
#include "tst_analysis_gallery.moc"
