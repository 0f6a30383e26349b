#include "store/cdisc.h"

CDisc::CDisc() : m_strLocation(QStringLiteral("home")) { }
