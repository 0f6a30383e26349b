#include "platform/profilesettings.h"

#include <QStandardPaths>

std::unique_ptr<QSettings> OpenProfileSettings()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u'/' + QLatin1String(kProfileOrganisation) + u'/' + QLatin1String(kProfileApplication)
        + QStringLiteral(".conf");
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}
