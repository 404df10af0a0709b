#include "resources.h"

#include <QtGlobal>

static void registerResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(translations);
}

void initResources()
{
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered);
}
