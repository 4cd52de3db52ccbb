// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A text as screen readers should speak it: the same words without the punctuation that Orca reads
// aloud at its default level and that adds nothing to be heard: the quotation marks « » around a
// name, and a colon between spaces, which becomes a comma. The text shown keeps them.
QString SpokenText(const QString& shown);
