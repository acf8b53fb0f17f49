// Qt's own texts in Japanese: the printer, page, file, colour and font dialogs
// and the editors' context menus speak the program's language.
#pragma once

class QCoreApplication;

namespace Translations {

// Loads Qt's Japanese translations (package qt6-translations-l10n) into the
// application and makes Japanese the default locale. False when the
// translation files are not installed; the program then runs with Qt's texts.
bool installJapanese(QCoreApplication& app);

} // namespace Translations
