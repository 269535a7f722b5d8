#pragma once

// The files of one item and the two operations that move an item between them and the editor.
#include "itemdata/BonusList.h"
#include "itemdata/ItemLoad.h"
#include "itemdata/ItemPaths.h"
#include "itemdata/ItemSave.h"
