// Resource identifiers, grouped in ranges:
//   100-199   icons
//   1000-1099 version information
// The cursors, dialog pictures and WAVE sounds are found by name; the
// generated content.rc declares them (tools/content).
#pragma once

#define IDI_VARNOLT 100
