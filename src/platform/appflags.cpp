#include "platform/appflags.h"

AppFlags &theAppFlags()
{
    static AppFlags flags;
    return flags;
}
