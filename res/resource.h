#pragma once

// Resource IDs of the program.
constexpr unsigned IDD_GRID_FORM = 101;
