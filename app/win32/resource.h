// Resource identifiers of the Windows starter.
#pragma once

#define IDI_APPLICATION_ICON 1
#define IDR_BANNER 101
