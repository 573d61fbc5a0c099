#include "node_font.h"

NodeFont BoldNodeFont;
