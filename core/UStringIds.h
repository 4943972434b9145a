#pragma once
// Numbers of the string-table entries (UStrings.rc). Action k has its name at
// IDS_ACTION_NAME_BASE + k and its hint at IDS_ACTION_HINT_BASE + k; category c
// (0 to 7, in catalogue order) at IDS_CATEGORY_FIRST + c.

#define IDS_PLUGIN_TITLE 1
#define IDS_PLUGIN_PUBLISHER 2
#define IDS_PLUGIN_HINT 3
#define IDS_MSG_FILE_NOT_EXISTS 10
#define IDS_MSG_PATH_NOT_EXISTS 11
#define IDS_MSG_INVALID_ARGUMENTS 12
#define IDS_CATEGORY_FIRST 100
#define IDS_ACTION_NAME_BASE 1000
#define IDS_ACTION_HINT_BASE 2000
