// Resource identifiers shared by halvane.rc and the code.
#pragma once

#define HALVANE_ICON 1
