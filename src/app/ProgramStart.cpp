// The desktop program's start and run.
#include "app/ProgramStart.h"

#include "app/Recovery.h"
#include "app/Translations.h"
#include "app/form1.h"
#include "app/rip.h"
#include "windowkit/AppSettings.h"
#include "windowkit/QSettingsStore.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <memory>

namespace ProgramStart {

int run(int argc, char** argv, const std::string& dataset, const std::string& screenshot,
        const AfterStart& afterStart) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL"));
    // The program ends through its closing window, never by a window count.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!Translations::installJapanese(app))
        std::cerr << "zel32: Qt の日本語訳が見つかりません (qt6-translations-l10n)。\n";
    QFont font;
    font.setFamilies(
        {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPointSize(9);
    QApplication::setFont(font);

    zel::installAppSettings(std::make_unique<zel::QSettingsStore>());

    auto* splash = new rip;
    splash->show();
    QApplication::processEvents();
    form1 main(QString::fromLocal8Bit(dataset.c_str()));
    QApplication::processEvents();
    main.show();
    splash->close();
    if (screenshot.empty()) {
        // Unsaved work a crash or a kill left behind is offered once the window shows.
        QTimer::singleShot(0, &main, [&main, &afterStart] {
            main.recovery().offerRestore();
            if (afterStart) afterStart(main);
        });
    }
    if (!screenshot.empty()) {
        // For machines without a display: let the window settle, save a picture
        // of the whole screen, and end without touching the stored settings.
        QTimer::singleShot(1500, &app, [&main, screenshot] {
            main.raise();
            main.activateWindow();
            QPixmap shot = main.screen()->grabWindow(0);
            if (shot.isNull() || !shot.save(QString::fromStdString(screenshot), "PNG")) {
                std::cerr << "zel32: 画面を保存できませんでした: " << screenshot << '\n';
                std::_Exit(1);
            }
            std::_Exit(0);
        });
    }
    return app.exec();
}

} // namespace ProgramStart
