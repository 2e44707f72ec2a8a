// Resource identifiers, grouped in ranges:
//   100-199   icons
//   1000-1099 version information
#pragma once

#define IDI_VARNOLT 100
