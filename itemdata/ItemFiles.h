#pragma once

// The files of one item and the two operations that move an item between them and the editor.
#include "BonusList.h"
#include "ItemLoad.h"
#include "ItemPaths.h"
#include "ItemSave.h"
#include "TextLines.h"
