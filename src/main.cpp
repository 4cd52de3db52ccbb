// SPDX-License-Identifier: GPL-3.0-or-later

#include "carrelixresources.h"
#include "winmain.h"

int main(int argc, char* argv[])
{
    return AfxWinMain(argc, argv, CarrelixResources());
}
