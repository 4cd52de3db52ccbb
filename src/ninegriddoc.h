#pragma once

#include "document.h"

// The document of the single document type. The grid lives in the view; the document carries the
// title and path of the file the framework opened or saved.
class CNinegridDoc : public CDocument
{};
