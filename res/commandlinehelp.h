#pragma once

// What carrelix --help prints.
extern const char commandLineHelp[];
