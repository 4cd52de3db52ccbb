// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridform.h"

#include "resource.h"

namespace {
// Single line, text centred, scrolling sideways, no length limit.
constexpr DWORD kCellStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER;
} // namespace

// The 81 cells of the grid, row by row from the top, each row from the left: this is also the tab
// order. Cells of a 3x3 box stand 17 units apart and share a border line; boxes are 2 units apart.
// The IDs do not follow one rule from row to row.
// clang-format off
const DialogTemplate gridFormTemplate{
    IDD_GRID_FORM, WS_CHILD | DS_SETFONT | DS_FIXEDSYS, 0, 0, 200, 188, "", 8, "MS Shell Dlg",
    {
        {"Edit", 1000, kCellStyle,  18,  12, 18, 18, ""},
        {"Edit", 1001, kCellStyle,  35,  12, 18, 18, ""},
        {"Edit", 1002, kCellStyle,  52,  12, 18, 18, ""},
        {"Edit", 1003, kCellStyle,  72,  12, 18, 18, ""},
        {"Edit", 1004, kCellStyle,  89,  12, 18, 18, ""},
        {"Edit", 1005, kCellStyle, 106,  12, 18, 18, ""},
        {"Edit", 1006, kCellStyle, 126,  12, 18, 18, ""},
        {"Edit", 1007, kCellStyle, 143,  12, 18, 18, ""},
        {"Edit", 1008, kCellStyle, 160,  12, 18, 18, ""},

        {"Edit", 1027, kCellStyle,  18,  29, 18, 18, ""},
        {"Edit", 1028, kCellStyle,  35,  29, 18, 18, ""},
        {"Edit", 1029, kCellStyle,  52,  29, 18, 18, ""},
        {"Edit", 1030, kCellStyle,  72,  29, 18, 18, ""},
        {"Edit", 1031, kCellStyle,  89,  29, 18, 18, ""},
        {"Edit", 1032, kCellStyle, 106,  29, 18, 18, ""},
        {"Edit", 1033, kCellStyle, 126,  29, 18, 18, ""},
        {"Edit", 1034, kCellStyle, 143,  29, 18, 18, ""},
        {"Edit", 1035, kCellStyle, 160,  29, 18, 18, ""},

        {"Edit", 1036, kCellStyle,  18,  46, 18, 18, ""},
        {"Edit", 1037, kCellStyle,  35,  46, 18, 18, ""},
        {"Edit", 1038, kCellStyle,  52,  46, 18, 18, ""},
        {"Edit", 1039, kCellStyle,  72,  46, 18, 18, ""},
        {"Edit", 1040, kCellStyle,  89,  46, 18, 18, ""},
        {"Edit", 1041, kCellStyle, 106,  46, 18, 18, ""},
        {"Edit", 1042, kCellStyle, 126,  46, 18, 18, ""},
        {"Edit", 1043, kCellStyle, 143,  46, 18, 18, ""},
        {"Edit", 1044, kCellStyle, 160,  46, 18, 18, ""},

        {"Edit", 1099, kCellStyle,  18,  66, 18, 18, ""},
        {"Edit", 1100, kCellStyle,  35,  66, 18, 18, ""},
        {"Edit", 1101, kCellStyle,  52,  66, 18, 18, ""},
        {"Edit", 1102, kCellStyle,  72,  66, 18, 18, ""},
        {"Edit", 1103, kCellStyle,  89,  66, 18, 18, ""},
        {"Edit", 1104, kCellStyle, 106,  66, 18, 18, ""},
        {"Edit", 1105, kCellStyle, 126,  66, 18, 18, ""},
        {"Edit", 1106, kCellStyle, 143,  66, 18, 18, ""},
        {"Edit", 1107, kCellStyle, 160,  66, 18, 18, ""},

        {"Edit", 1108, kCellStyle,  18,  83, 18, 18, ""},
        {"Edit", 1109, kCellStyle,  35,  83, 18, 18, ""},
        {"Edit", 1110, kCellStyle,  52,  83, 18, 18, ""},
        {"Edit", 1111, kCellStyle,  72,  83, 18, 18, ""},
        {"Edit", 1112, kCellStyle,  89,  83, 18, 18, ""},
        {"Edit", 1113, kCellStyle, 106,  83, 18, 18, ""},
        {"Edit", 1114, kCellStyle, 126,  83, 18, 18, ""},
        {"Edit", 1115, kCellStyle, 143,  83, 18, 18, ""},
        {"Edit", 1116, kCellStyle, 160,  83, 18, 18, ""},

        {"Edit", 1117, kCellStyle,  18, 100, 18, 18, ""},
        {"Edit", 1118, kCellStyle,  35, 100, 18, 18, ""},
        {"Edit", 1119, kCellStyle,  52, 100, 18, 18, ""},
        {"Edit", 1120, kCellStyle,  72, 100, 18, 18, ""},
        {"Edit", 1121, kCellStyle,  89, 100, 18, 18, ""},
        {"Edit", 1122, kCellStyle, 106, 100, 18, 18, ""},
        {"Edit", 1123, kCellStyle, 126, 100, 18, 18, ""},
        {"Edit", 1124, kCellStyle, 143, 100, 18, 18, ""},
        {"Edit", 1125, kCellStyle, 160, 100, 18, 18, ""},

        {"Edit", 1126, kCellStyle,  18, 120, 18, 18, ""},
        {"Edit", 1127, kCellStyle,  35, 120, 18, 18, ""},
        {"Edit", 1128, kCellStyle,  52, 120, 18, 18, ""},
        {"Edit", 1129, kCellStyle,  72, 120, 18, 18, ""},
        {"Edit", 1130, kCellStyle,  89, 120, 18, 18, ""},
        {"Edit", 1131, kCellStyle, 106, 120, 18, 18, ""},
        {"Edit", 1132, kCellStyle, 126, 120, 18, 18, ""},
        {"Edit", 1133, kCellStyle, 143, 120, 18, 18, ""},
        {"Edit", 1134, kCellStyle, 160, 120, 18, 18, ""},

        {"Edit", 1135, kCellStyle,  18, 137, 18, 18, ""},
        {"Edit", 1136, kCellStyle,  35, 137, 18, 18, ""},
        {"Edit", 1137, kCellStyle,  52, 137, 18, 18, ""},
        {"Edit", 1138, kCellStyle,  72, 137, 18, 18, ""},
        {"Edit", 1139, kCellStyle,  89, 137, 18, 18, ""},
        {"Edit", 1140, kCellStyle, 106, 137, 18, 18, ""},
        {"Edit", 1141, kCellStyle, 126, 137, 18, 18, ""},
        {"Edit", 1142, kCellStyle, 143, 137, 18, 18, ""},
        {"Edit", 1143, kCellStyle, 160, 137, 18, 18, ""},

        {"Edit", 1144, kCellStyle,  18, 154, 18, 18, ""},
        {"Edit", 1145, kCellStyle,  35, 154, 18, 18, ""},
        {"Edit", 1146, kCellStyle,  52, 154, 18, 18, ""},
        {"Edit", 1147, kCellStyle,  72, 154, 18, 18, ""},
        {"Edit", 1148, kCellStyle,  89, 154, 18, 18, ""},
        {"Edit", 1149, kCellStyle, 106, 154, 18, 18, ""},
        {"Edit", 1150, kCellStyle, 126, 154, 18, 18, ""},
        {"Edit", 1151, kCellStyle, 143, 154, 18, 18, ""},
        {"Edit", 1152, kCellStyle, 160, 154, 18, 18, ""},
    },
};
// clang-format on
