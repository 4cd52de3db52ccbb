// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stdcommands.h"

// Resource IDs of the program; its commands are all the framework's standard ones.
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDP_OLE_INIT_FAILED = 100;
constexpr UINT IDD_GRID_FORM = 101;
constexpr UINT IDC_FIRST_CELL = 1000; // the grid form's first cell, where its tab order starts
constexpr UINT IDR_MAINFRAME = 128;
