#include "carrelixresources.h"

#include "gridform.h"

const ResourceModule& CarrelixResources()
{
    static const ResourceModule module{{&gridFormTemplate}};
    return module;
}
