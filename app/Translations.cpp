// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Installed beside the program first, so a translation can be mended without a rebuild; the
// copy built into the program otherwise.
QStringList programTranslationFolders()
{
    return {QCoreApplication::applicationDirPath() + u"/../share/ravelin/translations"_s, u":/i18n"_s};
}

void installFirstFound(QCoreApplication &app, const QLocale &locale, const QString &name, const QStringList &folders)
{
    auto *translator = new QTranslator(&app);
    for (const QString &folder : folders)
        if (translator->load(locale, name, u"_"_s, folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    delete translator;
}

} // namespace

void LoadTranslations(QCoreApplication &app, const QLocale &locale)
{
    installFirstFound(app, locale, u"qtbase"_s, {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    installFirstFound(app, locale, u"ravelin"_s, programTranslationFolders());
}
