#pragma once

#include "resources.h"

// Every resource of the program, for AfxSetResourceHandle.
const ResourceModule& CarrelixResources();
