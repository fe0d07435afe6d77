#pragma once

// The whole raster layer: a stand-in for the platform's drawing calls on QImage.
#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/brush.h"
#include "platform/raster/dc.h"
#include "platform/raster/draw.h"
#include "platform/raster/draw_state.h"
#include "platform/raster/draw_text.h"
#include "platform/raster/font.h"
#include "platform/raster/gdi_types.h"
#include "platform/raster/icon.h"
#include "platform/raster/objects.h"
#include "platform/raster/ole_color.h"
#include "platform/raster/palette.h"
#include "platform/raster/picture.h"
#include "platform/raster/region.h"
#include "platform/raster/sys_color.h"
