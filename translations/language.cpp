#include "translations/language.h"

#include <QTranslator>

namespace tess {

namespace {
// lrelease's output, embedded under this prefix.
const QString translationFolder = QStringLiteral(":/i18n");
const QString translationName = QStringLiteral("tessarine");
}  // namespace

const std::vector<LanguageChoice>& languageChoices() {
    static const std::vector<LanguageChoice> choices{
        {"", "System"}, {"en", "English"}, {"de", "Deutsch"}};
    return choices;
}

QString loadLanguage(QTranslator& translator, const QString& setting, const QLocale& system) {
    const QString english = QStringLiteral("en");
    if (setting == english) return english;
    for (const LanguageChoice& choice : languageChoices()) {
        const QString code = QString::fromLatin1(choice.setting);
        if (code.isEmpty() || code != setting) continue;
        return translator.load(translationName + QLatin1Char('_') + code, translationFolder)
                   ? code
                   : english;
    }
    // The system's languages in the user's order of preference; English when none is
    // translated.
    if (!translator.load(system, translationName, QStringLiteral("_"), translationFolder))
        return english;
    const QString file = translator.filePath();
    const qsizetype at = file.lastIndexOf(QLatin1Char('_'));
    return file.mid(at + 1).section(QLatin1Char('.'), 0, 0);
}

}  // namespace tess
