// Resource ids shared by tidewick.rc and the C++ code.
#pragma once

#define IDI_PLUGIN               158
#define IDI_REFORMAT_PARAGRAPH   164
#define IDI_LEFT_ALIGN           146
#define IDI_RIGHT_ALIGN          148
#define IDI_CENTER_ALIGN         143
#define IDI_FILL_PARAGRAPH       144
#define IDI_TABS_TO_SPACES       163
#define IDI_SPACES_TO_TABS       162
#define IDI_TRIM_TRAILING_SPACES 137
#define IDI_OEM_TO_ANSI          153
#define IDI_ANSI_TO_OEM          152
#define IDI_ADD_INDENTS          156
#define IDI_REMOVE_INDENTS       157
#define IDI_INSERT_BULLETS       145
#define IDI_NUMBER_LINES         147
