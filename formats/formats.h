// The whole file-format interface in one include. Loaders decode and check
// the whole file before they change the Picture: on any error the Picture
// (planes, cell height, border) is exactly as it was. Writers build the whole
// file in memory and replace the target only after a complete, flushed write,
// so a failure leaves any earlier file intact and no partial file behind.
// Every function reports errors as FileError values and never shows UI.
#pragma once

#include "formats/bsp_chr_files.h"
#include "formats/file_error.h"
#include "formats/file_io.h"
#include "formats/file_name.h"
#include "formats/image_file.h"
#include "formats/mg_file.h"
#include "formats/mgs_file.h"
#include "formats/multicolour_files.h"
#include "formats/picture_kinds.h"
#include "formats/png_export.h"
#include "formats/screen_file.h"
#include "formats/selection_dump.h"
#include "formats/snapshot_file.h"
#include "formats/tap_file.h"
#include "formats/zx_screen.h"
#include "formats/zxp_file.h"
