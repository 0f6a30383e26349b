#include "chrome/themeloader.h"

#include <QApplication>
#include <QStyle>

CThemeLoader::CThemeLoader() = default;
CThemeLoader::~CThemeLoader() = default;

bool CThemeLoader::IsAppThemed() const
{
    if (!qApp)
        return false;
    const QString name = QApplication::style()->name().toLower();
    return name != QLatin1String("windows") && name != QLatin1String("fusion");
}
