// The language of the program's own texts: the system's, or one chosen in Options and
// kept under the settings key "Language". Texts that travel to other players are never
// translated.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

class QTranslator;

namespace tess {

struct LanguageChoice {
    const char* setting;  // the settings value; "" follows the system
    const char* caption;  // the menu item, in its own language
};

// System, English, Deutsch: the choices Options offers, in menu order.
const std::vector<LanguageChoice>& languageChoices();

// Loads the translation for `setting` (a value of languageChoices(); anything else follows
// `system`) into `translator`. Returns the language code in use ("en" when none loads:
// English is built into the program).
QString loadLanguage(QTranslator& translator, const QString& setting, const QLocale& system);

}  // namespace tess
