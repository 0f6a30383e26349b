#include "chrome/themedbutton.h"

CThemedButton::CThemedButton(QWidget *parent) : CIconButton(parent) { }
CThemedButton::~CThemedButton() = default;
