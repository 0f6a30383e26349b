#pragma once

// The three flags that all panes share. They belong to the application object; panes reach
// them here because they must not know the application class itself.
struct AppFlags
{
    int m_bSmallIcons = 1; // the file list shows small icons
    int m_bEditAllowed = 1; // the catalogue shown may be changed
    int m_bHomeDatabase = 1; // the home catalogue is shown, not a friend's

    void reset() { m_bSmallIcons = m_bEditAllowed = m_bHomeDatabase = 1; }
};

AppFlags &theAppFlags();
