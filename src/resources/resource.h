// Resource identifiers, grouped in ranges:
//   1         the application manifest (the system looks for it there)
//   100-199   icons
//   1000-1099 version information
// The cursors, dialog pictures and WAVE sounds are found by name; the
// generated content.rc declares them (tools/content).
#pragma once

#define IDI_VARNOLT 100

// CREATEPROCESS_MANIFEST_RESOURCE_ID of type RT_MANIFEST (24).
#define IDR_MANIFEST 1
#define RT_MANIFEST_TYPE 24
