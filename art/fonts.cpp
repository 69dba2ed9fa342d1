// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace fonts
{

namespace
{

constexpr const char* kFiles[] = {":/fonts/LiberationSans-Regular.ttf",
                                  ":/fonts/LiberationSans-Bold.ttf"};
// Asked for should the built-in fonts fail to register: Liberation Sans on Linux, Arial on
// Windows.
constexpr char kFallbackFamily[] = "Arial";

QString registerFonts()
{
    QString family = QString::fromLatin1(kFallbackFamily);
    for (const char* file : kFiles) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            family = families.first();
    }
    return family;
}

} // namespace

QString family()
{
    static const QString registered = registerFonts();
    return registered;
}

} // namespace fonts
