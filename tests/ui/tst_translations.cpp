// Qt's own dialogs and menus in Japanese: the printer set-up of the main
// window, the colour dialog and an editor's context menu, after the program's
// start-up installs the translations.
#include "app/Translations.h"
#include "app/form1.h"
#include "common/SettingsStore.h"
#include "windowkit/AppSettings.h"

#include <QAction>
#include <QColorDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPushButton>
#include <QtTest>

#include "UiTestSupport.h"

class TestTranslations : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QVERIFY2(Translations::installJapanese(*qApp), "qt6-translations-l10n is installed");
        zel::installAppSettings(std::make_unique<zel::MemorySettingsStore>());
    }

    void editorsContextMenu() {
        QLineEdit edit;
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList items;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) items << a->text().section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(items, (QStringList{"元に戻す(&U)", "やり直す(&R)", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)",
                                     "削除", "すべてを選択"}));
        QCOMPARE(QLocale().language(), QLocale::Japanese);
    }

    void printerSetUpAndColourDialog() {
        form1 f;
        QStringList buttons;
        QString title;
        uitest::whenModal<QPrintDialog>([&](QPrintDialog* d) {
            title = d->windowTitle();
            for (QPushButton* b : d->findChildren<QPushButton*>())
                if (b->isVisible()) buttons << b->text();
            d->reject();
        });
        f.findChild<QAction*>(QStringLiteral("PRINSET"))->trigger();
        QCOMPARE(title, QStringLiteral("ﾌﾟﾘﾝﾀｰの設定"));
        QVERIFY2(buttons.contains(QStringLiteral("プロパティ(&R)")), qPrintable(buttons.join('|')));
        QVERIFY2(buttons.contains(QStringLiteral("オプション(&O) >>")), qPrintable(buttons.join('|')));
        ZelWindow::closeAll();
        uitest::flushDeletes();

        QColorDialog colours;
        colours.setOption(QColorDialog::DontUseNativeDialog);
        QStringList texts;
        for (QPushButton* b : colours.findChildren<QPushButton*>())
            texts << b->text();
        QVERIFY2(texts.contains(QStringLiteral("カスタムカラーに追加(&A)")), qPrintable(texts.join('|')));
        QVERIFY2(texts.contains(QStringLiteral("キャンセル")), qPrintable(texts.join('|')));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
