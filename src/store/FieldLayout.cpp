#include "store/FieldLayout.h"

FieldLayoutTable FieldLayout;
