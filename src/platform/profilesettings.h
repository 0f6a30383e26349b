#pragma once

#include <QSettings>

#include <memory>

// The organisation the program's profile settings have always been kept under.
inline constexpr char kProfileOrganisation[] = "Local AppWizard-Generated Applications";
inline constexpr char kProfileApplication[] = "Tavikon";

// The profile settings: what the window looked like when it was last closed (pane and
// column widths, the drive scanned last). Kept in
// $XDG_CONFIG_HOME/Local AppWizard-Generated Applications/Tavikon.conf, the file
// QSettings(kProfileOrganisation, kProfileApplication) uses, but found afresh on every call
// so that a changed XDG_CONFIG_HOME is honoured. Nothing in it is needed to read the
// catalogue; a missing or damaged file only brings back the default layout.
std::unique_ptr<QSettings> OpenProfileSettings();
